#pragma once
// Measurements on recordings: tone levels (Goertzel), instantaneous frequency (a
// quadrature FM discriminator), spectra and percentiles. Written independently of the
// synthesis code, so the checks do not share its mistakes.

#include <cstddef>
#include <vector>

namespace zenka::fone_test {

using Samples = std::vector<double>;

// Amplitude of the `hz` component of x[begin, begin + count) (1.0 for a full-scale sine).
double tone_amplitude(const Samples& x, std::size_t begin, std::size_t count, double hz, int rate);

// Frequency in Hz at every sample: x mixed down by `centre_hz`, low-passed to
// `half_band_hz`, and the phase advance per sample measured.
Samples instantaneous_frequency(const Samples& x, int rate, double centre_hz, double half_band_hz);

// Windowed-sinc low-pass (Blackman window, odd length), centred: no delay.
Samples lowpass(const Samples& x, int rate, double cutoff_hz, int length);

// Mean power spectrum from Hann-windowed blocks of `block` samples; bin k is k * rate / block Hz.
Samples power_spectrum(const Samples& x, std::size_t block);

// The p-th fraction (0..1) of `values`, by nearest rank.
double percentile(Samples values, double p);

} // namespace zenka::fone_test
