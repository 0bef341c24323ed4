#pragma once
// The mix runs at 48 kHz in float. Every source has a fixed gain that leaves
// headroom, and the sum passes a soft limiter: untouched up to the knee, then
// bending smoothly (matching slope at the knee) towards full scale, which it
// only approaches. Seven stations near 0.75 full scale plus noise, carrier and a
// recording therefore never wrap around or clip hard.

#include <cmath>

namespace zenka::sound {

inline constexpr int kMixRate = 48000;

inline constexpr float kChannelGain = 0.25f;
inline constexpr float kNoiseGain = 0.25f;
inline constexpr float kCarrierGain = 0.25f;
inline constexpr float kRecordingGain = 0.5f;

// The attenuator takes the band noise down by 10 dB.
inline constexpr double kAttenuatorNoise = 0.31622776601683794;

inline constexpr float kLimiterKnee = 0.5f;

inline float soft_limit(float x) {
    const float size = std::fabs(x);
    if (size <= kLimiterKnee) return x;
    constexpr float room = 1.0f - kLimiterKnee;
    const float bent = kLimiterKnee + room * std::tanh((size - kLimiterKnee) / room);
    return std::copysign(bent, x);
}

} // namespace zenka::sound
