#include "ssb_voice.h"

#include "band_noise.h"
#include "fir.h"
#include "shaping.h"
#include "speech.h"

#include <samplerate.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace zenka::fone {
namespace {

using std::numbers::pi;

constexpr int kRate = 8000;

constexpr const char* kMessage =
    "Zenka Radio, Zenka Radio, Zenka Radio. "
    "Traffic list at one two zero zero U T C. "
    "Traffic for: Nordstern, Baltic Star, Marianne. "
    "Weather for the German Bight: southwest five to six, veering west seven later. "
    "Sea moderate. Visibility good. "
    "Zenka Radio, out.";

Signal resample(const Sound& in, int rate) {
    std::vector<float> from(in.samples.begin(), in.samples.end());
    const double ratio = static_cast<double>(rate) / in.rate;
    std::vector<float> to(static_cast<std::size_t>(std::ceil(from.size() * ratio)) + 16);
    SRC_DATA data{};
    data.data_in = from.data();
    data.input_frames = static_cast<long>(from.size());
    data.data_out = to.data();
    data.output_frames = static_cast<long>(to.size());
    data.src_ratio = ratio;
    if (const int error = src_simple(&data, SRC_SINC_MEDIUM_QUALITY, 1); error != 0)
        throw std::runtime_error(std::string("resampling failed: ") + src_strerror(error));
    return Signal(to.begin(), to.begin() + data.output_frames_gen);
}

// Slow, deep fading: a few unrelated swells between about 0.25 and 1.
double fading(double t) {
    const double s = 0.5 * std::sin(2.0 * pi * 0.09 * t) +
                     0.3 * std::sin(2.0 * pi * 0.23 * t + 1.0) +
                     0.2 * std::sin(2.0 * pi * 0.41 * t + 2.0);
    return 0.625 + 0.375 * s;
}

} // namespace

Signal shift_frequency(const Signal& x, int rate, double hz) {
    const Signal quadrature = filter(x, hilbert_taps(255));
    Signal y(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double a = 2.0 * pi * hz * static_cast<double>(i) / rate;
        y[i] = x[i] * std::cos(a) - quadrature[i] * std::sin(a);
    }
    return y;
}

Signal compress_speech(const Signal& x, int rate) {
    const double attack = 1.0 - std::exp(-1.0 / (0.002 * rate));
    const double release = 1.0 - std::exp(-1.0 / (0.15 * rate));
    const double floor = 0.01; // below this nothing is lifted further: pauses stay quiet
    Signal y(x.size());
    double envelope = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double level = std::abs(x[i]);
        envelope += (level > envelope ? attack : release) * (level - envelope);
        y[i] = x[i] * std::pow(std::max(envelope, floor), -0.6) * 0.3;
    }
    soft_limit(y, 0.8);
    return y;
}

Sound make_ssb_voice() {
    Signal voice = resample(speak(kMessage, 150), kRate);
    scale_to_peak(voice, 0.5);

    const Taps passband = bandpass_taps(300, 2700, kRate, 255);
    voice = filter(compress_speech(filter(voice, passband), kRate), passband);
    voice = shift_frequency(voice, kRate, 120.0);
    for (std::size_t i = 0; i < voice.size(); ++i)
        voice[i] *= fading(static_cast<double>(i) / kRate);
    scale_to_rms(voice, 0.14);

    const auto lead = static_cast<std::size_t>(0.8 * kRate); // noise alone before and after
    Signal x;
    mix_into(x, voice, lead);
    x.resize(x.size() + lead, 0.0);
    const Signal noise = band_noise({.seconds = static_cast<double>(x.size()) / kRate,
                                     .rate = kRate,
                                     .seed = 0x53534232,
                                     .hiss_rms = 0.03,
                                     .crashes_per_second = 0.8,
                                     .crash_peak = 0.4});
    mix_into(x, noise);
    soft_limit(x, 0.9); // the receiver's limiter, its splatter then filtered away
    return {kRate, filter(x, passband)};
}

} // namespace zenka::fone
