#pragma once
// Windowed-sinc FIR filters (Blackman window, odd length, linear phase). Filtering is
// centred: the output is aligned with the input, with no group delay to account for.

#include "sound.h"

#include <vector>

namespace zenka::fone {

using Taps = std::vector<double>;

Taps lowpass_taps(double cutoff_hz, int rate, int length);
Taps bandpass_taps(double low_hz, double high_hz, int rate, int length);
// Quadrature (90 degree) filter: cos -> sin within the passband.
Taps hilbert_taps(int length);

// Zero outside the signal.
Signal filter(const Signal& x, const Taps& taps);
// The signal taken as one period of an endless loop: the filter wraps around the ends,
// so the result loops without a seam.
Signal filter_circular(const Signal& x, const Taps& taps);

} // namespace zenka::fone
