#include "compose/air.h"
#include "support/sound_calls.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

class Teleprinter : public ::testing::Test {
  protected:
    Teleprinter() : clock(*parse_utc("2026-12-08T09:00:03Z")), a(clock) {}

    std::vector<std::string> take() { return cursor.take(a); }
    std::size_t redraws() const { return a.so_far().meter.size(); }

    FixedClock clock;
    Air a;
    test::SoundCursor cursor;
};

TEST_F(Teleprinter, BaudAndShiftChooseTheRecording) {
    struct Row {
        int baud, shift;
        const char* recording;
    };
    for (const Row& r : {Row{50, 125, "fone/rtt-001.wav"}, Row{50, 170, "fone/rtt-001.wav"},
                         Row{50, 425, "fone/rtt-001.mp3"}, Row{50, 500, "fone/rtt-001.mp3"},
                         Row{50, 850, "fone/rtt-001.wav"}, Row{50, 1000, "fone/rtt-001.wav"},
                         Row{75, 125, "fone/rtt-002.wav"}, Row{75, 170, "fone/rtt-002.wav"},
                         Row{75, 425, "fone/rtt-002.wav"}, Row{75, 500, "fone/rtt-002.wav"},
                         Row{75, 850, "fone/rtt-002.wav"}, Row{75, 1000, "fone/rtt-002.wav"}}) {
        a.rtlx_cond("RYRYRY", r.shift, r.baud, 0);
        EXPECT_EQ(take(), std::vector<std::string>{std::string("play_recording ") + r.recording})
            << r.baud << "/" << r.shift;
    }
    a.rtlx_cond_arqe_96("RYRYRY", 0);
    EXPECT_EQ(take(), std::vector<std::string>{"play_recording fone/rtt-002.wav"});
}

TEST_F(Teleprinter, UnknownRatesAndBackgroundOffAreSilent) {
    a.rtlx_cond("RYRYRY", 170, 100, 0);
    a.rtlx_cond("RYRYRY", 200, 50, 0);
    a.rtlx_cond("RYRYRY", 170, 45, 0);
    EXPECT_TRUE(take().empty());
    EXPECT_EQ(redraws(), 0);

    ReceiverSettings off;
    off.bkgnd = 0;
    Air quiet(clock, off);
    quiet.rtlx_cond("RYRYRY", 170, 50, 0);
    quiet.rtlx("RYRYRY", 850, 75);
    quiet.sitor();
    quiet.fax(120, 576);
    EXPECT_TRUE(quiet.so_far().sounds.empty());
}

TEST_F(Teleprinter, RepeatNumberSelectsTheMinutes) {
    std::vector<int> minutes;
    for (int minute = 0; minute < 60; ++minute) {
        a.t.minute = static_cast<std::uint16_t>(minute);
        a.rtlx_cond_75_850("RYRYRY", 10);
        if (!take().empty()) minutes.push_back(minute);
    }
    EXPECT_EQ(minutes, (std::vector<int>{0, 10, 20, 30, 40, 50}));
}

TEST_F(Teleprinter, EveryPlayRedrawsTheMeterFirst) {
    a.rtlx_cond_50_170("RYRYRY", 0);
    EXPECT_EQ(redraws(), 1);
    a.rtlx("RYRYRY", 170, 50); // its own redraw and the clip's
    EXPECT_EQ(redraws(), 3);
}

TEST_F(Teleprinter, SitorOnlyInSecondsDivisibleByThree) {
    a.sitor(); // second 3
    a.t.second = 4;
    a.sitor();
    a.t.second = 0;
    a.sitor();
    EXPECT_EQ(take(), std::vector<std::string>(2, "play_recording fone/sitorb.wav"));
}

TEST_F(Teleprinter, FacsimileIgnoresItsArguments) {
    a.fax(120, 576);
    a.fax(0, 0);
    EXPECT_EQ(take(), std::vector<std::string>(2, "play_recording fone/fax-001.wav"));
}

TEST_F(Teleprinter, DataIsASteadyFrequencyShiftedRepetition) {
    a.data(200, 2);
    EXPECT_EQ(a.open_slot, 1);
    EXPECT_EQ(a.slot_params[0]._f1, 1);
    EXPECT_EQ(a.slot_params[0].spd, 200);
    EXPECT_EQ(a.slot_params[0].qsa, 2);
    EXPECT_EQ(a.slot_params[0].hand, 0);
    const std::string& s = a.send_buf[0];
    const std::size_t zs = s.find_last_not_of(' ') + 1;
    EXPECT_EQ(s.substr(zs), std::string(20, ' '));
    EXPECT_EQ(s.find_first_not_of('Z'), zs);
    EXPECT_GT(zs, 20u * 42);
    EXPECT_LE(zs, 21u * 42);
}

} // namespace
} // namespace zenka
