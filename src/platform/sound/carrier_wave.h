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

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>

namespace zenka::sound {

struct CarrierWave {
    double pitch_hz = 0.0; // 0: the file holds no repeating wave
    double peak = 0.0;     // half the distance from the lowest to the highest sample

    // Something to hear at 48 kHz.
    bool audible() const { return peak > 0.0 && pitch_hz > 0.0 && pitch_hz < kMixRate / 2.0; }
};

// The pitch and peak of the steady wave in `samples` at `rate` samples a second.
CarrierWave measure_wave(std::span<const float> samples, int rate);

// The carrier file is some tens of kilobytes; more than this is not looked at.
inline constexpr std::size_t kMaxCarrierFrames = std::size_t{1} << 20;

// Reads and measures `file`; nothing when it is not a sound file that holds samples.
std::optional<CarrierWave> read_carrier_wave(const std::filesystem::path& file);

} // namespace zenka::sound
