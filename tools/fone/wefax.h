#pragma once
// HF radio facsimile (weather charts) at 120 lines per minute, index of cooperation 576:
// frequency modulation around 1900 Hz, 1500 Hz black to 2300 Hz white. The sequence:
// start signal (black/white alternating at 300 Hz) for 5 s, phasing (black lines, each
// opening with a white pulse of 5 % of the line) for 30 s, the chart lines, then the
// stop signal (alternating at 450 Hz) for 5 s.

#include "sound.h"

namespace zenka::fone {

// Brightness 0 (black) .. 1 (white) -> the frequency sent.
constexpr double fax_hz(double brightness) {
    return 1500.0 + 800.0 * brightness;
}

Sound make_fax();

} // namespace zenka::fone
