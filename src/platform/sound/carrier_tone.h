#pragma once
// The steady carrier as the listener hears it: a sine at the carrier wave's
// pitch, peak = the wave's peak times the carrier gain, starting at phase 0 and
// running on with continuous phase for as long as it sounds, so there is no
// seam to click at. Only the audio thread moves its phase.

#include "platform/sound/carrier_wave.h"
#include "platform/sound/mix_levels.h"

#include <cmath>
#include <numbers>
#include <span>

namespace zenka::sound {

class CarrierTone {
  public:
    // `wave` must be audible().
    explicit CarrierTone(const CarrierWave& wave)
        : step_(wave.pitch_hz / kMixRate), level_(kCarrierGain * wave.peak) {}

    // Audio thread: adds the next out.size() samples onto `out`.
    void add(std::span<float> out) noexcept {
        for (float& v : out) {
            v += static_cast<float>(level_ * std::sin(2.0 * std::numbers::pi * phase_));
            phase_ += step_;
            if (phase_ >= 1.0) phase_ -= 1.0;
        }
    }

  private:
    double step_;        // cycles per output sample, below one half
    double level_;       // peak in the mix
    double phase_ = 0.0; // in cycles, [0, 1)
};

} // namespace zenka::sound
