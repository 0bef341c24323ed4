#include "platform/sound/receiver_chain.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zenka::sound {
namespace {

// A fourth-order Butterworth low-pass is down 6 dB where (f / corner)^8 = 3.
const double kCwCornerHz = ReceiverChain::kCwWidthHz / 2.0 / std::pow(3.0, 1.0 / 8.0);

} // namespace

ReceiverChain::ReceiverChain(double rate)
    : flt1_{Butterworth4::lowpass(kFlt1HighHz, rate), Butterworth4::highpass(kFlt1LowHz, rate)},
      flt2_{Butterworth4::lowpass(kFlt2HighHz, rate), Butterworth4::highpass(kFlt2LowHz, rate)},
      cw_{Butterworth4::lowpass(kCwCornerHz, rate), Butterworth4::lowpass(kCwCornerHz, rate),
          Phasor{}, std::cos(2.0 * std::numbers::pi * kCwCentreHz / rate),
          -std::sin(2.0 * std::numbers::pi * kCwCentreHz / rate)},
      attack_(1.0 - std::exp(-1.0 / (kAgcAttackS * rate))),
      release_(1.0 - std::exp(-1.0 / (kAgcReleaseS * rate))) {}

double ReceiverChain::Cw::step(double x) noexcept {
    // Down: x e^(-j w n), low-passed; up: twice the real part of that times
    // e^(j w n).
    const double zr = re.step(x * lo.re);
    const double zi = im.step(x * lo.im);
    const double y = 2.0 * (zr * lo.re + zi * lo.im);
    lo.turn(turn_re, turn_im);
    return y;
}

template <typename Stage> void ReceiverChain::run(std::span<float> io, Stage& filter) noexcept {
    for (float& v : io) {
        const double x = filter.step(v);
        const double size = std::fabs(x);
        level_ += (size > level_ ? attack_ : release_) * (size - level_);
        gain_ = level_ > kAgcThreshold ? kAgcThreshold / level_ : 1.0;
        v = static_cast<float>(x * gain_);
    }
}

void ReceiverChain::process(std::span<float> io, Filter filter, bool cw) noexcept {
    if (cw) {
        run(io, cw_);
        cw_.lo.renormalise();
    } else {
        run(io, narrow(filter) ? flt1_ : flt2_);
    }
}

} // namespace zenka::sound
