#include "woodpecker.h"

#include "band_noise.h"
#include "fir.h"
#include "random.h"
#include "shaping.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace zenka::fone {
namespace {

using std::numbers::pi;

constexpr int kRate = 8000;
constexpr double kSeconds = 15.0;

// One pulse: a 6 ms linear sweep from 400 to 2800 Hz under a Hann envelope.
Signal pulse() {
    const double length = 0.006, from = 400.0, to = 2800.0;
    const auto n = static_cast<std::size_t>(length * kRate);
    Signal p(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double phase = from * t + 0.5 * (to - from) / length * t * t;
        const double envelope = 0.5 - 0.5 * std::cos(2.0 * pi * t / length);
        p[i] = envelope * std::sin(2.0 * pi * phase);
    }
    return p;
}

} // namespace

Sound make_woodpecker() {
    const auto n = static_cast<std::size_t>(kSeconds * kRate);
    const Signal one = pulse();
    Random random(0x4F544852);
    Signal x(n, 0.0);
    const auto period = static_cast<std::size_t>(kRate / kRadarPulsesPerSecond);
    for (std::size_t at = period / 2; at + period / 2 <= n; at += period) {
        const double t = static_cast<double>(at) / kRate;
        const double fade = 0.7 + 0.3 * std::sin(2.0 * pi * 0.17 * t); // slow fading
        const double a = fade * random.between(0.85, 1.0);
        const double echo = random.between(0.2, 0.45);
        const auto delay = static_cast<std::size_t>(random.between(0.002, 0.004) * kRate);
        for (std::size_t i = 0; i < one.size(); ++i) {
            x[at + i] += a * one[i];
            x[at + delay + i] += a * echo * one[i];
        }
    }
    // The receiver's filter rings a little after each pulse.
    x = filter(x, bandpass_taps(300, 2900, kRate, 63));
    scale_to_peak(x, 0.7);
    mix_into(x, band_noise({.seconds = kSeconds,
                            .rate = kRate,
                            .seed = 0x4F544853,
                            .hiss_rms = 0.03,
                            .crashes_per_second = 0.8,
                            .crash_peak = 0.15}));
    soft_limit(x, 0.95);
    return {kRate, x};
}

} // namespace zenka::fone
