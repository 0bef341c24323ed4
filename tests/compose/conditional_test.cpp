#include "compose/air.h"
#include "support/sound_calls.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

const std::string kTail(20, ' ');
const std::string kLongTail(180, ' ');

// At 09:18:07.250 a draw adds the runtime value + 1786; at .251, + 1793.
class Conditional : public ::testing::Test {
  protected:
    Conditional() : clock(*parse_utc("2026-12-08T09:18:07.250Z")), a(clock) {}

    // A context whose first draw is `seed` + 41 + the clock's share.
    std::unique_ptr<Air> fresh(std::uint32_t seed) {
        auto air = std::make_unique<Air>(clock);
        air->random.seed = seed;
        return air;
    }

    std::vector<std::string> calls() const { return test::sound_lines(a.so_far().sounds); }

    FixedClock clock;
    Air a;
};

TEST_F(Conditional, CondTestsTheLowFiveBitsOfADraw) {
    EXPECT_EQ(fresh(10973)->cond(40), 1); // draw 12800: low five bits 0
    EXPECT_EQ(fresh(10974)->cond(40), 0); // draw 12801: 1
    EXPECT_EQ(fresh(10975)->cond(2), 1);  // draw 12802: 2 mod 2 = 0
    EXPECT_EQ(fresh(10975)->cond(3), 0);  // 2 mod 3 = 2
    EXPECT_EQ(fresh(10976)->cond(3), 1);  // 3 mod 3 = 0
    EXPECT_EQ(fresh(10974)->cond(0), 1);  // a certainty rather than a division by zero
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(a.cond(1), 1);
}

TEST_F(Conditional, SendCondKeepsTheTextOnlyInOddMilliseconds) {
    a.send("QTC ");
    a.send_cond("QRU"); // draw 12938: no pause; 250 ms is even: no text
    EXPECT_EQ(a.send_buf[0], "QTC " + kLongTail);
    EXPECT_EQ(a.slot_params[0].hand, 1);

    clock.set(*parse_utc("2026-12-08T09:18:07.251Z"));
    auto b = fresh(11111);
    b->send_cond("QRU"); // draw 11111 + 41 + 1793 = 12945: a pause; 251 ms: the text
    EXPECT_EQ(b->send_buf[0], "    QRU" + kLongTail);
    EXPECT_EQ(b->slot_params[0].hand, 1);
}

TEST_F(Conditional, SendCondParThatFailsLeavesEverythingOpen) {
    a.send("OPEN");
    a.spd = 31;
    a.send_cond_par("QRU", 3); // draw 12938: 12938 & 31 = 10, 10 mod 3 = 1
    EXPECT_EQ(a.open_slot, 0);
    EXPECT_EQ(a.send_buf[0], "OPEN");
    EXPECT_EQ(a.spd, 31);

    auto b = fresh(10973); // draw 12800 passes
    b->send_cond_par("QRU", 3);
    EXPECT_EQ(b->open_slot, 1);
}

TEST_F(Conditional, BugAndFrequencyShiftForms) {
    a.send_cond_bug("DE");
    EXPECT_EQ(a.open_slot, 1);
    EXPECT_GE(a.slot_params[0].rto, 0);
    EXPECT_LE(a.slot_params[0].rto, 39);
    EXPECT_EQ(a.slot_params[0].hand, 1);
    EXPECT_EQ(a.slot_params[0]._f1, 0);

    a.send_cond_bug_f1("DE");
    EXPECT_EQ(a.slot_params[1]._f1, 1);
    EXPECT_EQ(a.slot_params[1].hand, 1);

    a.ton = 1234;
    a.f1();
    EXPECT_EQ(a._f1, 1);
    EXPECT_EQ(a.voice(2).ton, 1734);
    a.bug();
    EXPECT_EQ(a.rto, static_cast<int>(a.random.seed % 40));
    a.bug_off();
    EXPECT_EQ(a.rto, 0);
    a.hs();
    EXPECT_EQ(a.spacing, 3);
}

TEST_F(Conditional, TimeSignals) {
    a.ton = 1500;
    a.ts();
    std::string es;
    for (int i = 0; i < 100; ++i)
        es += "E    ";
    EXPECT_EQ(a.send_buf[0], es + kTail);
    EXPECT_EQ(a.slot_params[0].spd, 24);
    EXPECT_EQ(a.slot_params[0].ton, 1000);

    a.ton = 1500;
    a.ts2("DE FFL");
    EXPECT_EQ(a.send_buf[1], "DE FFL  TIME  " + es + kTail);
    EXPECT_EQ(a.slot_params[1].spd, 24);
    EXPECT_EQ(a.slot_params[1].ton, 1500);
}

TEST_F(Conditional, TuningIsTwoRunsOfCarrierWithABreak) {
    for (int i = 0; i < 40; ++i) {
        clock.advance(std::chrono::milliseconds(17));
        a.open_slot = 0;
        a.send_buf[0].clear();
        a.tuning();
        const std::string& s = a.send_buf[0];
        const std::size_t first = s.find_first_not_of('\x04');
        const std::size_t second = s.find('\x04', first);
        const std::size_t end = s.find_first_not_of('\x04', second);
        ASSERT_NE(second, std::string::npos);
        EXPECT_GE(first, 3u);
        EXPECT_LE(first, 12u);
        const std::size_t pause = second - first;
        EXPECT_TRUE(pause == 4 || pause == 8 || pause == 12) << pause;
        EXPECT_GE(end - second, 5u);
        EXPECT_LE(end - second, 14u);
        EXPECT_EQ(s.substr(end), kTail);
        EXPECT_EQ(a.str, "\x04");
    }
}

TEST_F(Conditional, CarrierRequestAndLoop) {
    a.qsa = 3;
    a.n0n(800);
    ASSERT_EQ(calls(), std::vector<std::string>{"loop_carrier ZENKA09.WAV"});
    const SoundRequest& r = a.so_far().sounds[0];
    EXPECT_EQ(r.tone, 800);
    EXPECT_EQ(r.qsa, 3);
    EXPECT_EQ(r.count, 30000);
    EXPECT_TRUE(r.started);
}

TEST_F(Conditional, CarrierThroughTheAttenuatorTakesAStepOffTheStrength) {
    for (int qsa : {0, 1, 3, 7}) {
        ReceiverSettings s;
        s.att = 1;
        Air b(clock, s);
        b.qsa = qsa;
        b.n0n(1000);
        EXPECT_EQ(b.qsa, qsa > 0 ? qsa - 1 : 0) << qsa; // later emissions of the pass too
        EXPECT_EQ(b.so_far().sounds[0].qsa, b.qsa) << qsa;
    }
    a.qsa = 5;
    a.n0n(1000);
    EXPECT_EQ(a.so_far().sounds[0].qsa, 5);
}

TEST_F(Conditional, Tuning2StartsTheCarrierAndPauses) {
    a.send("VVV");
    a.tuning2(1000, 2);
    EXPECT_EQ(a.send_buf[0], "VVV        ");
    EXPECT_EQ(a.so_far().meter.size(), 2u); // the carrier, then tuning2 itself
    EXPECT_EQ(calls(), std::vector<std::string>{"loop_carrier ZENKA09.WAV"});
}

TEST_F(Conditional, VoiceClipByTheSecond) {
    a.fone_cond(0);
    a.fone_cond(7);  // second 7
    a.fone_cond(2);  // not in an odd second
    a.fone_cond(-7); // any divisor of the second will do
    const std::vector<std::string> expected(3, "play_recording fone/ssb-002.wav");
    EXPECT_EQ(calls(), expected);
}

} // namespace
} // namespace zenka
