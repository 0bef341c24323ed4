// The RTTY clips read by minimodem, an independent teleprinter decoder: each prints its
// RY test lines and its message with the 2125 Hz mark and its own shift, and not the
// message with any other shift.

#include "fone_audio.h"
#include "support/run_command.h"

#include <gtest/gtest.h>

#include <string>

namespace zenka::fone_test {
namespace {

using zenka::test::quoted;
using zenka::test::Ran;
using zenka::test::run;

struct Clip {
    const char* file;
    int baud;
    int space_hz;
    const char* message;
};

constexpr Clip kClips[] = {
    {"rtt-001.wav", 50, 2295,
     "FORECAST GERMAN BIGHT: SW 5 TO 6, VEERING W 7 LATER. SEA 2.5 M.\r\n"},
    {"rtt-001.mp3", 50, 2550,
     "PRESS 0800 UTC: KIEL HARBOUR CLOSED (ICE), PILOTS ON STATION 3.\r\n"},
    {"rtt-002.wav", 75, 2975,
     "SHIP REPORT 1200 UTC: 54.3 N 007.9 E, WIND 240/15 KT, PRESSURE 1013.2 HPA, VIS 10 KM.\r\n"},
};

constexpr const char* kRyLine = "RYRYRYRYRYRYRYRYRYRYRYRY\r\n";

std::string minimodem(const std::string& file, int baud, int space_hz) {
    const Ran r = run(quoted(ZENKA_MINIMODEM) + " --rx " + std::to_string(baud) +
                          " --baudot --stopbits 1.5 -M 2125 -S " + std::to_string(space_hz) +
                          " -q -f " + quoted(fone_file(file)),
                      false);
    EXPECT_EQ(r.status, 0);
    return r.out;
}

TEST(FoneTeleprinter, MinimodemPrintsTheTestLinesAndTheMessage) {
    for (const Clip& c : kClips) {
        SCOPED_TRACE(c.file);
        const std::string text = minimodem(c.file, c.baud, c.space_hz);
        const std::string expected = std::string(kRyLine) + kRyLine + c.message;
        EXPECT_NE(text.find(expected), std::string::npos) << text;
    }
}

TEST(FoneTeleprinter, NoOtherShiftReadsTheMessage) {
    for (const Clip& c : kClips) {
        for (const Clip& other : kClips) {
            if (other.space_hz == c.space_hz) continue;
            SCOPED_TRACE(std::string(c.file) + " read with space " +
                         std::to_string(other.space_hz));
            const std::string text = minimodem(c.file, c.baud, other.space_hz);
            EXPECT_EQ(text.find(c.message), std::string::npos) << text;
        }
    }
}

} // namespace
} // namespace zenka::fone_test
