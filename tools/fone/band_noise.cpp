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

Signal white(std::size_t n, Random& random) {
    Signal x(n);
    for (double& v : x)
        v = random.gauss();
    return x;
}

// One return stroke: a noise burst with a fast attack and an exponential decay, added
// around the loop.
void add_stroke(Signal& x, std::size_t start, double amplitude, double decay_s, int rate,
                Random& random) {
    const double attack = 0.0003 * rate;
    const double decay = decay_s * rate;
    const auto length = static_cast<std::size_t>(attack + 6.0 * decay);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i);
        const double envelope = t < attack ? t / attack : std::exp(-(t - attack) / decay);
        x[(start + i) % x.size()] += amplitude * envelope * random.gauss();
    }
}

// A lightning event: one to four strokes 15 to 80 ms apart, each trailing a short
// rumble. Most events are weak; strength falls off steeply (cube of a uniform draw).
Signal crashes(const NoiseRecipe& r, std::size_t n, Random& random) {
    Signal x(n, 0.0);
    const auto events = static_cast<int>(std::lround(r.crashes_per_second * r.seconds));
    for (int e = 0; e < events; ++e) {
        auto at = static_cast<std::size_t>(random.uniform() * static_cast<double>(n));
        const double u = random.uniform();
        const double strength = r.crash_peak * (0.05 + 0.95 * u * u * u);
        const int strokes = 1 + static_cast<int>(random.uniform() * 4.0);
        for (int s = 0; s < strokes; ++s) {
            const double a = strength * random.between(0.3, 1.0);
            add_stroke(x, at, a, random.between(0.0005, 0.006), r.rate, random);
            add_stroke(x, at, 0.15 * a, random.between(0.02, 0.06), r.rate, random);
            at += static_cast<std::size_t>(random.between(0.015, 0.08) * r.rate);
        }
    }
    return x;
}

} // namespace

Signal band_noise(const NoiseRecipe& r) {
    Random random(r.seed);
    const auto n = static_cast<std::size_t>(std::lround(r.seconds * r.rate));

    // Hiss through a 200-3000 Hz passband, plus a rumble below 700 Hz.
    Signal hiss = filter_circular(white(n, random), bandpass_taps(200, 3000, r.rate, 127));
    const Signal rumble = filter_circular(white(n, random), bandpass_taps(120, 700, r.rate, 255));
    for (std::size_t i = 0; i < n; ++i)
        hiss[i] += 0.8 * rumble[i];
    scale_to_rms(hiss, r.hiss_rms);

    // The band breathes a little: three slow swells per loop, so the ends still meet.
    for (std::size_t i = 0; i < n; ++i)
        hiss[i] *=
            1.0 + 0.12 * std::sin(2.0 * pi * 3.0 * static_cast<double>(i) / static_cast<double>(n));

    // The crashes arrive wideband; the receiver's limiter clips the worst of them and its
    // audio filter then removes the splatter.
    Signal x = crashes(r, n, random);
    for (std::size_t i = 0; i < n; ++i)
        x[i] += hiss[i];
    soft_limit(x, 0.8);
    x = filter_circular(x, bandpass_taps(150, 3100, r.rate, 255));
    return x;
}

Sound make_noise_loop() {
    const NoiseRecipe recipe{.seconds = 30.0,
                             .rate = 8000,
                             .seed = 0x5A454E4B41ull,
                             .hiss_rms = 0.05,
                             .crashes_per_second = 2.5,
                             .crash_peak = 0.9};
    return {recipe.rate, band_noise(recipe)};
}

} // namespace zenka::fone
