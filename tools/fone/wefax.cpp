#include "wefax.h"

#include "band_noise.h"
#include "fir.h"
#include "shaping.h"
#include "weather_chart.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace zenka::fone {
namespace {

constexpr int kRate = 11025;
constexpr double kLineS = 0.5; // 120 lines per minute
constexpr int kChartLines = 36;

struct Segment {
    double seconds;
    double (*brightness)(double t); // t: seconds into the segment
};

// Black and white alternate `hz` times a second (a square wave of `hz`).
template <int Hz> double alternating(double t) {
    return std::fmod(t * Hz, 1.0) < 0.5 ? 1.0 : 0.0;
}

double phasing(double t) {
    return std::fmod(t, kLineS) < 0.05 * kLineS ? 1.0 : 0.0;
}

// The chart lines cover a band across the middle of the chart.
double chart(double t) {
    const double line = std::floor(t / kLineS);
    const double x = std::fmod(t, kLineS) / kLineS;
    return weather_chart(x, 0.45 + 0.1 * line / kChartLines);
}

constexpr Segment kSequence[] = {
    {5.0, alternating<300>},
    {30.0, phasing},
    {kChartLines * kLineS, chart},
    {5.0, alternating<450>},
};

} // namespace

Sound make_fax() {
    Signal video;
    for (const Segment& s : kSequence) {
        const auto n = static_cast<std::size_t>(std::lround(s.seconds * kRate));
        for (std::size_t i = 0; i < n; ++i)
            video.push_back(s.brightness(static_cast<double>(i) / kRate));
    }
    // The transmitter's video filter: about one picture element (1/3620 s) of rise time.
    video = filter(video, lowpass_taps(1500, kRate, 63));

    Signal x(video.size());
    double phase = 0.0;
    for (std::size_t i = 0; i < video.size(); ++i) {
        x[i] = 0.35 * std::sin(2.0 * std::numbers::pi * phase);
        phase += fax_hz(video[i]) / kRate;
        phase -= std::floor(phase);
    }
    fade_ends(x, kRate, 0.01);

    const double lead = 0.5;
    const auto offset = static_cast<std::size_t>(lead * kRate);
    Signal out = band_noise({.seconds = static_cast<double>(x.size()) / kRate + 2.0 * lead,
                             .rate = kRate,
                             .seed = 0x46415831,
                             .hiss_rms = 0.02,
                             .crashes_per_second = 0.4,
                             .crash_peak = 0.25});
    mix_into(out, x, offset);
    return {kRate, out};
}

} // namespace zenka::fone
