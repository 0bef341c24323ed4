#include "compose/air.h"
#include "synth/keyer.h"

#include <gtest/gtest.h>

#include <set>

namespace zenka {
namespace {

// 2026-12-08 09:18:07.250 UTC: day 8, hour 9, minute 18, second 7, 250 ms, so every
// draw adds 8 + 9 + 18 + 7 * 250 + 1 = 1786 to the runtime generator's value.
UtcInstant morning() {
    return *parse_utc("2026-12-08T09:18:07.250Z");
}

TEST(CrtRand, GivesTheClassicSequenceFromSeedOne) {
    CrtRand r;
    EXPECT_EQ(r.rand(), 41);
    EXPECT_EQ(r.rand(), 18467);
    EXPECT_EQ(r.rand(), 6334);
    EXPECT_EQ(r.rand(), 26500);
    r.reset();
    EXPECT_EQ(r.rand(), 41);
}

TEST(Myrand, MixesTheRuntimeValueWithTheClockAndRefreshesT) {
    FixedClock clock(morning());
    Air a(clock);
    a.t = {};
    EXPECT_EQ(a.myrand(), 11111u + 41 + 1786);    // 12938
    EXPECT_EQ(a.myrand(), 12938u + 18467 + 1786); // 33191
    EXPECT_EQ(a.t.hour, 9);
    EXPECT_EQ(a.t.minute, 18);
    EXPECT_EQ(a.t.milliseconds, 250);

    clock.advance(std::chrono::milliseconds(1)); // 251 ms: second * ms grows by 7
    EXPECT_EQ(a.myrand(), 33191u + 6334 + 1786 + 7);
}

TEST(Stn, DrawsBothVoicesNumberAndGroupsInOrder) {
    FixedClock clock(morning());
    Air a(clock);
    a.rto = 7, a._f1 = 1, a.qrh = 2, a.sz = 1, a.katokana = 1, a.bw = 1, a.spark = 1, a.hand = 1;
    a.spacing = 3;
    a.stn();
    // Draws 12938, 33191, 41311, 69597, 90552, 108062, 121326, 152470.
    EXPECT_EQ(a.voice(1).spd, 20);
    EXPECT_EQ(a.voice(1).ton, 1591);
    EXPECT_EQ(a.voice(1).qsa, 2);
    EXPECT_EQ(a.voice(2).spd, 23);
    EXPECT_EQ(a.voice(2).ton, 1520);
    EXPECT_EQ(a.voice(2).qsa, 3);
    EXPECT_EQ(a.nr, 678);
    EXPECT_EQ(a.gr, 25);
    // Voice 1 is current; every keying switch is off again.
    EXPECT_EQ(a.spd, 20);
    EXPECT_EQ(a.ton, 1591);
    EXPECT_EQ(a.qsa, 2);
    EmissionParams expected;
    expected.spd = 20, expected.ton = 1591, expected.qsa = 2;
    EXPECT_EQ(a.params(), expected);
}

TEST(Stn, StaysInsideItsRangesOverManyDraws) {
    FixedClock clock(morning());
    Air a(clock);
    std::set<int> speeds, strengths;
    for (int i = 0; i < 2000; ++i) {
        clock.advance(std::chrono::milliseconds(37));
        a.stn_ext();
        for (int s : {a.voice(1).spd, a.voice(2).spd, a.voice(3).spd, a.voice(4).spd, a.voice(5).spd}) {
            ASSERT_GE(s, 18);
            ASSERT_LE(s, 25);
            speeds.insert(s);
        }
        for (int q : {a.voice(1).qsa, a.voice(2).qsa, a.voice(3).qsa, a.voice(4).qsa, a.voice(5).qsa}) {
            ASSERT_GE(q, 1);
            ASSERT_LE(q, 3);
            strengths.insert(q);
        }
        ASSERT_GE(a.voice(1).ton, 800);
        ASSERT_LE(a.voice(1).ton, 1999);
        ASSERT_GE(a.voice(2).ton, 800);
        ASSERT_LE(a.voice(2).ton, 1990);
        ASSERT_EQ(a.voice(2).ton % 10, 0);
        for (int tone : {a.voice(3).ton, a.voice(4).ton, a.voice(5).ton}) {
            ASSERT_GE(tone, 700);
            ASSERT_LE(tone, 1990);
            ASSERT_EQ(tone % 10, 0);
        }
        ASSERT_GE(a.nr, 10);
        ASSERT_LE(a.nr, 998);
        ASSERT_GE(a.gr, 15);
        ASSERT_LE(a.gr, 34);
    }
    EXPECT_EQ(speeds.size(), 8u);
    EXPECT_EQ(strengths.size(), 3u);
}

struct Derived {
    int spd, ton, sampling;
    Filter filter;
    int rto;
    int final_ton;
    unsigned dot_size;
    int final_spd;
};

class LoadParams : public ::testing::TestWithParam<Derived> {};

TEST_P(LoadParams, DerivesToneAndDotSize) {
    const Derived& d = GetParam();
    FixedClock clock(morning());
    RandomSource random;
    Keyer keyer(clock, random);
    EmissionParams& p = keyer.p;
    p.spd = d.spd, p.ton = d.ton, p.rto = d.rto;
    keyer.rx.sampling = d.sampling, keyer.rx.filter = d.filter;
    keyer.load_params(ParamChange::Render);
    EXPECT_EQ(p.ton, d.final_ton);
    EXPECT_EQ(keyer.dot_size, d.dot_size);
    EXPECT_EQ(p.spd, d.final_spd);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LoadParams,
    ::testing::Values(
        // One dot unit is 8 * dot_size samples at sampling * tone per second = 1.2 / spd s.
        Derived{20, 1000, 4, Filter::flt2, 0, 2000, 60, 20}, // 480 samples at 8000/s = 60 ms
        Derived{20, 1000, 4, Filter::flt1, 0, 1000, 30, 20}, // 240 samples at 4000/s
        Derived{20, 1000, 3, Filter::flt2, 0, 2000, 44, 20}, // 3 * 150 / 20 = 22, * 2
        Derived{20, 1000, 3, Filter::flt1, 0, 1000, 22, 20},
        Derived{20, 300, 4, Filter::flt2, 0, 600, 18, 20}, // 30 * 200 / (200000 / 600)
        Derived{20, 2500, 4, Filter::flt2, 0, 4000, 120, 20},
        Derived{20, 300, 4, Filter::flt1, 0, 500, 15, 20},
        Derived{20, 2500, 4, Filter::flt1, 0, 2000, 60, 20},
        Derived{20, 1000, 4, Filter::flt2, 5, 2000, 56,
                21}, // a bug key keys one word per minute faster
        Derived{600, 1000, 4, Filter::flt2, 0, 2000, 2, 600},
        Derived{601, 1000, 4, Filter::flt2, 0, 2000, 0, 601}));

TEST(LoadParams, SwitchesAdjustOnlyWhatChanged) {
    FixedClock clock(morning());
    RandomSource random;
    Keyer keyer(clock, random);
    EmissionParams& a = keyer.p;
    a.spd = 20, a.ton = 1000, a.rto = 5;
    keyer.load_params(ParamChange::Render);
    EXPECT_EQ(a.spd, 21);
    EXPECT_EQ(a.ton, 2000);

    keyer.load_params(ParamChange::Strength); // nothing is raised or doubled again
    EXPECT_EQ(a.spd, 21);
    EXPECT_EQ(a.ton, 2000);

    a.spd = 18;
    keyer.load_params(ParamChange::Speed);
    EXPECT_EQ(a.spd, 19);
    EXPECT_EQ(a.ton, 2000);

    a.ton = 700;
    keyer.load_params(ParamChange::Tone);
    EXPECT_EQ(a.ton, 1400);
    EXPECT_EQ(a.spd, 19);
    EXPECT_EQ(keyer.dot_size, 600u / 19 * 200 / (200000 / 1400));
}

TEST(CreateParams, AppendsTheSevenSwitchBytes) {
    FixedClock clock(morning());
    Air a(clock);
    a.send("QRV ");
    a.spd = 22, a.ton = 1234, a.qsa = 2;
    a.create_params();
    EXPECT_EQ(a.send_buf[0], std::string("QRV \x01\x16\x02\xD2\x04\x03\x02"));
}

// No byte of the switch is zero, which would end the text inside it: a tone with a
// zero low byte goes one hertz up, strength 0 goes as 6 (keyed as 0), speeds and
// tones outside what the bytes carry are held at their limits.
TEST(CreateParams, NoByteOfTheSwitchIsZero) {
    FixedClock clock(morning());
    Air a(clock);
    const auto bytes = [&](int spd, int ton, int qsa) {
        a.send_buf[0].clear();
        a.spd = spd, a.ton = ton, a.qsa = qsa;
        a.create_params();
        return a.send_buf[0];
    };
    EXPECT_EQ(bytes(22, 1280, 2), std::string("\x01\x16\x02\x01\x05\x03\x02"));
    EXPECT_EQ(bytes(22, 1234, 0), std::string("\x01\x16\x02\xD2\x04\x03\x06"));
    EXPECT_EQ(bytes(600, 200, 5), std::string("\x01\xFF\x02\x01\x01\x03\x05"));
    for (int ton = 100; ton <= 4000; ++ton)
        ASSERT_EQ(bytes(20, ton, 3).size(), 7u) << ton;
}

TEST(Send, KeepsASlotWithinItsLengthAndStopsAtAZeroByte) {
    FixedClock clock(morning());
    Air a(clock);
    a.send(std::string(9990, 'A'));
    a.send("0123456789XYZ");
    EXPECT_EQ(a.send_buf[0].size(), 9999u);
    EXPECT_EQ(a.send_buf[0].substr(9990), "012345678");

    a.open_slot = 1;
    a.send(std::string_view("AB\0CD", 5));
    EXPECT_EQ(a.send_buf[1], "AB");
}

} // namespace
} // namespace zenka
