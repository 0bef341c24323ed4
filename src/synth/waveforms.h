#pragma once
// The sample patterns that marks and gaps are built from, each prepared once as a
// bank of repeated cycles so that a run of any length is written from it directly.

#include <cstddef>
#include <cstdint>

namespace zenka {

struct Pattern {
    const std::uint8_t* bank; // the cycle repeated to bank_size bytes
    std::size_t bank_size;    // a whole number of periods
    std::size_t period;       // samples per cycle
};

constexpr std::uint8_t kSilence = 0x80;

// Silence, one sample per "cycle".
const Pattern& silence_pattern();
// The 8-sample tone cycle of a mark at strength 0 .. 5; nullptr for any other strength.
const Pattern* mark_pattern(int qsa);
// The peak of a mark's cycle above the middle (128) at strength 0 .. 5; 0 for any other.
int mark_amplitude(int qsa);
// The 20-sample damped burst of a spark mark.
const Pattern* spark_pattern(int qsa);
// The 12-sample cycle of the lower tone that fills frequency-shift keyed gaps.
const Pattern* f1_pattern(int qsa);

} // namespace zenka
