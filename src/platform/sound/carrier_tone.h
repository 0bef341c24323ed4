#pragma once
// The steady carrier as the listener hears it: a sine at the carrier wave's
// pitch, peak = the wave's peak times the carrier gain, starting at phase 0 and
// running on with continuous phase for as long as it sounds, so there is no
// seam to click at. Only the audio thread moves its phase: a unit phasor turned
// by a fixed step each sample (no sine per sample), put back on the unit circle
// after every block.

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
        : turn_cos_(std::cos(2.0 * std::numbers::pi * wave.pitch_hz / kMixRate)),
          turn_sin_(std::sin(2.0 * std::numbers::pi * wave.pitch_hz / kMixRate)),
          level_(kCarrierGain * wave.peak) {}

    // Audio thread: adds the next out.size() samples onto `out`.
    void add(std::span<float> out) noexcept {
        for (float& v : out) {
            v += static_cast<float>(level_ * im_);
            const double re = re_ * turn_cos_ - im_ * turn_sin_;
            im_ = re_ * turn_sin_ + im_ * turn_cos_;
            re_ = re;
        }
        const double length = std::sqrt(re_ * re_ + im_ * im_);
        if (length > 0.0) {
            re_ /= length;
            im_ /= length;
        }
    }

  private:
    double turn_cos_, turn_sin_; // one sample's turn of the phasor
    double level_;               // peak in the mix
    double re_ = 1.0, im_ = 0.0; // the phasor: sin of the phase is im_, starting at 0
};

} // namespace zenka::sound
