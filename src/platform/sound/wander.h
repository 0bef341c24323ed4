#pragma once
// A slow complex Gaussian random process of unit power: white noise through a
// one-pole filter (an Ornstein-Uhlenbeck process) and a second, equal one-pole
// smoother, scaled back to unit power. Its magnitude is Rayleigh distributed,
// the fading of a sky wave made of many paths; its real part is a smooth
// wander. Stepped at a control rate, far below the audio rate.

#include "platform/sound/random_draw.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace zenka::sound {

class Wander {
  public:
    Wander() = default;
    // `corner_hz`: where the spectrum bends down; `step_hz`: how often step() runs.
    Wander(double corner_hz, double step_hz, std::uint64_t seed) : random_(seed) {
        r_ = std::exp(-2.0 * std::numbers::pi * corner_hz / step_hz);
        drive_ = std::sqrt(1.0 - r_ * r_);
        // The smoother leaves (1 + r^2) / (1 + r)^2 of the unit power.
        scale_ = (1.0 + r_) / std::sqrt(1.0 + r_ * r_);
        // Start as if it had always run: state from the stationary distribution.
        x_ = draw() * std::sqrt(0.5);
        y_ = x_;
    }

    std::complex<double> step() noexcept {
        x_ = r_ * x_ + drive_ * std::sqrt(0.5) * draw();
        y_ = r_ * y_ + (1.0 - r_) * x_;
        return y_ * scale_;
    }

  private:
    std::complex<double> draw() noexcept { return {random_.gaussian(), random_.gaussian()}; }

    RandomDraw random_;
    double r_ = 0.0, drive_ = 0.0, scale_ = 1.0;
    std::complex<double> x_{}, y_{};
};

} // namespace zenka::sound
