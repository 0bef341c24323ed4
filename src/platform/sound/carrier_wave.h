#pragma once
// What the carrier file holds, measured once when the carrier is requested: the
// pitch and the peak of its steady wave. The engine writes a square wave of two
// samples a period (pitch = half the sample rate), which no resampler can carry
// to 48 kHz; the mixer plays a sine at the measured pitch instead.
//
// The period is measured from the rising crossings of the wave's middle line,
// with hysteresis (the wave must fall below half its negative peak before the
// next rise counts), each crossing placed between its two samples by linear
// interpolation. The pitch is the sample rate over the mean distance between the
// first and the last rise, so a whole file of periods gives it to a small
// fraction of a hertz.

#include "platform/sound/mix_levels.h"
#include "platform/sound/sound_file.h"
#include "platform/sound/unique_fd.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace zenka::sound {

struct CarrierWave {
    double pitch_hz = 0.0; // 0: the file holds no repeating wave
    double peak = 0.0;     // half the distance from the lowest to the highest sample

    // Something to hear at 48 kHz.
    bool audible() const { return peak > 0.0 && pitch_hz > 0.0 && pitch_hz < kMixRate / 2.0; }
};

inline CarrierWave measure_wave(std::span<const float> samples, int rate) {
    if (samples.empty() || rate <= 0) return {};
    const auto [lowest, highest] = std::minmax_element(samples.begin(), samples.end());
    CarrierWave wave;
    wave.peak = (static_cast<double>(*highest) - *lowest) / 2.0;
    if (wave.peak <= 0.0) return wave;
    const double middle = (static_cast<double>(*highest) + *lowest) / 2.0;
    const double arm = -wave.peak / 2.0;

    bool armed = false;
    std::size_t rises = 0;
    double first = 0.0;
    double last = 0.0;
    double before = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double v = samples[i] - middle;
        if (v < arm) {
            armed = true;
        } else if (armed && v >= 0.0) {
            // Armed means every sample since the arming one was below the middle,
            // `before` included.
            const double at = static_cast<double>(i) - 1.0 + before / (before - v);
            if (rises == 0) first = at;
            last = at;
            ++rises;
            armed = false;
        }
        before = v;
    }
    if (rises >= 2 && last > first)
        wave.pitch_hz = rate * static_cast<double>(rises - 1) / (last - first);
    return wave;
}

// The carrier file is some tens of kilobytes; more than this is not looked at.
inline constexpr std::size_t kMaxCarrierFrames = std::size_t{1} << 20;

// Reads and measures `file`; nothing when it is not a sound file that holds samples.
inline std::optional<CarrierWave> read_carrier_wave(const std::filesystem::path& file) {
    SoundFile sound(open_regular(file));
    if (!sound) return std::nullopt;
    const auto claimed = static_cast<std::size_t>(std::max<std::int64_t>(sound.frames(), 0));
    std::vector<float> samples(std::min(claimed, kMaxCarrierFrames));
    samples.resize(sound.read_mono(samples));
    if (samples.empty()) return std::nullopt;
    return measure_wave(samples, sound.rate());
}

} // namespace zenka::sound
