#include "platform/sound/tone_shaper.h"

#include <cmath>
#include <numbers>

namespace zenka::sound {

ToneShaper::ToneShaper(double pitch_hz, double corner_hz, double chirp_hz, double rate)
    : rate_(rate), turn_re_(std::cos(2.0 * std::numbers::pi * pitch_hz / rate)),
      turn_im_(-std::sin(2.0 * std::numbers::pi * pitch_hz / rate)),
      re_(Butterworth4::lowpass(corner_hz, rate)), im_(Butterworth4::lowpass(corner_hz, rate)),
      chirp_hz_(chirp_hz), chirp_decay_(std::exp(-1.0 / (0.025 * rate))),
      peak_decay_(std::exp(-1.0 / (2.0 * rate))) {}

void ToneShaper::process(std::span<float> io, double offset_hz) noexcept {
    const double two_pi_over_rate = 2.0 * std::numbers::pi / rate_;
    for (float& v : io) {
        const double x = v;
        // Down: x times e^(-j w n); the low-pass keeps the envelope about the pitch.
        const double zr = 2.0 * re_.step(x * lo_.re);
        const double zi = 2.0 * im_.step(x * lo_.im);
        const double power = zr * zr + zi * zi;
        peak_ = std::max(power, peak_ * peak_decay_);
        const bool keyed = power > 0.25 * peak_ && power > 1e-10;
        if (keyed && !keyed_) chirp_now_ = chirp_hz_;
        keyed_ = keyed;
        chirp_now_ *= chirp_decay_;
        // Up: the offset turns its own phasor by a small angle (second-order
        // rotation, renormalised after the block).
        const double a = two_pi_over_rate * (offset_hz + chirp_now_);
        up_.turn(1.0 - 0.5 * a * a, a);
        // Re(z * conj(lo) * up): back at the pitch, moved by the offset.
        const double br = lo_.re * up_.re + lo_.im * up_.im; // conj(lo) * up, real
        const double bi = lo_.re * up_.im - lo_.im * up_.re; // conj(lo) * up, imaginary
        v = static_cast<float>(zr * br - zi * bi);
        last_power_ = power;
        lo_.turn(turn_re_, turn_im_);
    }
    lo_.renormalise();
    up_.renormalise();
}

bool ToneShaper::quiet() const noexcept {
    return last_power_ < 1e-14;
}

void ToneShaper::reset() noexcept {
    re_.reset();
    im_.reset();
    peak_ = 0.0;
    keyed_ = false;
    last_power_ = 0.0;
}

} // namespace zenka::sound
