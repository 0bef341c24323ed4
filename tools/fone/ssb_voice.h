#pragma once
// A coast station reading its traffic list and weather on single sideband, as a slightly
// mistuned receiver renders it: speech through a 300-2700 Hz transmitter filter and a
// speech processor, shifted up 120 Hz (the voice sounds a little high and "Donald Duck"
// like), slow fading, band noise, and the receiver's own 300-2700 Hz filter.

#include "sound.h"

namespace zenka::fone {

// Shifts every component of `x` up by `hz` (a single-sideband shift through the
// analytic signal; nothing mirrors).
Signal shift_frequency(const Signal& x, int rate, double hz);

// A speech processor: a fast-attack, slow-release gain that lifts the quiet syllables
// towards the loud ones, then a soft clipper.
Signal compress_speech(const Signal& x, int rate);

// Throws std::runtime_error when eSpeak NG cannot speak.
Sound make_ssb_voice();

} // namespace zenka::fone
