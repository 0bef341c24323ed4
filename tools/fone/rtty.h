#pragma once
// Radioteletype as heard on a receiver tuned for the classic 2125 Hz mark tone: ITA2
// characters of 1 start unit (space), 5 data units (first unit first) and 1.5 stop units
// (mark), on continuous-phase FSK with space above mark by the shift. The clip opens
// with the "RYRY..." test lines operators send while the other end tunes in, then the
// message, with idle mark before and after and a little band noise throughout.

#include "sound.h"

#include <cstdint>
#include <string_view>

namespace zenka::fone {

struct RttyClip {
    double baud;
    double shift_hz;
    std::string_view message; // sent after the RY lines
    std::uint64_t seed;       // of the band noise
};

constexpr double kRttyMarkHz = 2125.0;

Sound make_rtty(const RttyClip& clip);

// The clips of the receiver's recordings folder.
Sound make_rtty_50_170(); // a weather forecast
Sound make_rtty_50_425(); // a press line
Sound make_rtty_75_850(); // a ship's weather report

} // namespace zenka::fone
