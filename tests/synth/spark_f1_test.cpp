#include "support/temp_folder.h"
#include "synth/keyer.h"
#include "synth/wave_bytes.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

using test::Bytes;
using test::operator+;
using test::repeated;
using test::silent;
using test::tone;

class SparkAndF1 : public ::testing::Test {
  protected:
    SparkAndF1() : clock(*parse_utc("2026-12-08T22:30:00Z")), keyer(clock, random) {}

    Bytes render(std::string_view text) {
        keyer.last_space = 0;
        keyer.render(folder / "out.wav", text, p, rx);
        return test::samples_of(test::read_bytes(folder / "out.wav"));
    }

    test::TempFolder folder;
    FixedClock clock;
    RandomSource random;
    Keyer keyer;
    EmissionParams p; // 20 wpm
    KeyerSetup rx;
};

Bytes burst(int qsa) {
    static const Bytes kBursts[6] = {
        {136, 120, 132, 124, 130, 126}, {144, 112, 139, 117, 134, 122},
        {160, 96, 150, 106, 140, 116},  {192, 64, 171, 85, 150, 106},
        {224, 32, 192, 64, 160, 96},    {255, 0, 224, 32, 192, 64, 160, 96},
    };
    Bytes b = kBursts[qsa];
    b.resize(20, 128);
    return b;
}

Bytes f1_cycles(std::size_t cycles, int qsa) {
    static const Bytes kCycles[6] = {
        {128, 128, 129, 130, 129, 128, 128, 128, 127, 126, 127, 127},
        {128, 132, 134, 136, 134, 132, 128, 124, 122, 120, 122, 124},
        {128, 136, 140, 144, 140, 136, 128, 120, 116, 112, 116, 120},
        {128, 144, 152, 160, 152, 144, 128, 112, 104, 96, 104, 112},
        {128, 160, 176, 192, 176, 160, 128, 96, 80, 64, 80, 96},
        {128, 176, 200, 224, 200, 176, 128, 80, 56, 32, 56, 80},
    };
    return repeated(kCycles[qsa], cycles);
}

TEST_F(SparkAndF1, SparkDotIsHalfADotOfBurstsThenAnOrdinaryGap) {
    for (int qsa = 0; qsa <= 5; ++qsa) {
        p.spark = 1, p.ton = 2000, p.qsa = qsa; // the filter is forced on: dot_size 60
        EXPECT_EQ(render("E"), silent(960) + repeated(burst(qsa), 30) + silent(480) + silent(960))
            << qsa;
    }
}

TEST_F(SparkAndF1, SparkDashAndOddDotSizes) {
    p.spark = 1, p.spd = 19, p.ton = 1970, p.qsa = 3; // 31 * 1970 / 1000 = 61: still 30 bursts
    EXPECT_EQ(render("A"), silent(976) + repeated(burst(3), 30) + silent(488) +
                               repeated(burst(3), 90) + silent(488) + silent(976));
    EXPECT_EQ(keyer.wavehdr.sample_rate, 7880u);
}

TEST_F(SparkAndF1, SparkLeavesTheFilterAsItWas) {
    p.spark = 1, p.ton = 2000, p.qsa = 3, rx.filter = Filter::flt2;
    render("E");
    EXPECT_EQ(keyer.rx.filter, Filter::flt1); // rendered through the narrow filter
    EXPECT_EQ(rx.filter, Filter::flt2);       // the receiver's own setting is a copy

    // The next emission without spark keys with the receiver's filter again.
    p.spark = 0;
    render("E");
    EXPECT_EQ(keyer.rx.filter, Filter::flt2);
    EXPECT_EQ(keyer.wavehdr.sample_rate, 16000u); // tone doubled without the filter
}

TEST_F(SparkAndF1, F1FillsEveryGapWithTheLowerTone) {
    p._f1 = 1, rx.filter = Filter::flt1, p.ton = 1000, p.qsa = 1; // dot_size 30
    // Leading space, mark, element gap, letter gap: every gap is dot_size cycles of 12.
    EXPECT_EQ(render("E"), f1_cycles(30, 1) + tone(30, 1) + f1_cycles(30, 1) + f1_cycles(30, 1));
    p.ton = 1000, p.qsa = 4;
    EXPECT_EQ(render("T "), f1_cycles(30, 4) + tone(90, 4) + f1_cycles(30, 4) + f1_cycles(30, 4) +
                                f1_cycles(30, 4));
}

TEST_F(SparkAndF1, F1WithInvertedKeyingWritesBothToneFillsForASpace) {
    p._f1 = 1, p.bw = 1, rx.filter = Filter::flt1, p.ton = 1000, p.qsa = 2; // dot_size 30
    // The word space is the F1 gap and then the inverted tone; the letter gap is F1 only.
    EXPECT_EQ(render("E"),
              f1_cycles(30, 2) + tone(30, 2) + silent(30) + tone(30, 2) + f1_cycles(30, 2));
}

TEST_F(SparkAndF1, DataBurstSpeedsStillRender) {
    p._f1 = 1, p.spd = 200, p.ton = 1000, p.qsa = 2; // dot_size 3 * 2 = 6
    const Bytes out = render("ZZ");
    const Bytes z = tone(18, 2) + f1_cycles(6, 2) + tone(18, 2) + f1_cycles(6, 2) + tone(6, 2) +
                    f1_cycles(6, 2) + tone(6, 2) + f1_cycles(6, 2) + f1_cycles(6, 2);
    EXPECT_EQ(out, f1_cycles(6, 2) + z + z);
}

} // namespace
} // namespace zenka
