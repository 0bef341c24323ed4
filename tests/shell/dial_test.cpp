// The dial as typed: every position of it reads back as itself, and everything off
// it is refused with the reason a listener needs to correct it.

#include "shell/dial.h"
#include "shell/receiver.h"

#include <gtest/gtest.h>

#include <string>

namespace zenka {
namespace {

using E = DialReading::Error;

TEST(Dial, EveryPositionReadsBackAsItself) {
    for (int f = kDialLowest; f <= kDialHighest; ++f) {
        const std::string shown = dial_text(f);
        ASSERT_EQ(shown, std::to_string(f / 10) + "." + std::to_string(f % 10));
        const DialReading r = read_khz(shown);
        ASSERT_TRUE(r.ok()) << shown;
        ASSERT_EQ(r.freq, f) << shown;
        // The panel's read-out shows the same figures.
        ASSERT_EQ(Receiver::readout(f), "   " + shown + " kHz");
    }
}

TEST(Dial, SaysWhyATextIsNoPositionOfIt) {
    struct Case {
        const char* text;
        E error;
        int freq;
    };
    for (const Case& c : {
             Case{"500", E::none, 5000},        Case{"0500.10", E::none, 5001},
             Case{"10", E::none, 100},          Case{"1000.4", E::none, 10004},
             Case{"136.5", E::none, 1365},      Case{"9.9", E::below, 0},
             Case{"9.99", E::below, 0},         Case{"0", E::below, 0},
             Case{"-500", E::below, 0},         Case{"1000.5", E::above, 0},
             Case{"1000.41", E::above, 0},      Case{"99999999999999999999", E::above, 0},
             Case{"500.05", E::off_raster, 0},  Case{"500.01", E::off_raster, 0},
             Case{"", E::not_a_number, 0},      Case{"500 kHz", E::not_a_number, 0},
             Case{"5e2", E::not_a_number, 0},   Case{"nan", E::not_a_number, 0},
             Case{"0x1f4", E::not_a_number, 0}, Case{" 500", E::not_a_number, 0},
         }) {
        const DialReading r = read_khz(c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        EXPECT_EQ(r.freq, c.freq) << c.text;
    }
}

} // namespace
} // namespace zenka
