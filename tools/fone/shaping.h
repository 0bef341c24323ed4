#pragma once
// Small level and envelope helpers shared by the recordings.

#include "sound.h"

#include <cstddef>

namespace zenka::fone {

double rms(const Signal& x);
void scale_to_rms(Signal& x, double target);
// Scales so the largest magnitude becomes `peak`.
void scale_to_peak(Signal& x, double peak);
// Raised-cosine fade in over the first and out over the last `seconds`.
void fade_ends(Signal& x, int rate, double seconds);
// A receiver's limiter: linear when quiet, approaching +-ceiling smoothly when loud.
void soft_limit(Signal& x, double ceiling);
// x[offset + i] += y[i], growing x when y runs past its end.
void mix_into(Signal& x, const Signal& y, std::size_t offset = 0);

} // namespace zenka::fone
