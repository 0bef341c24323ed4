#include "platform/sound/receiver_chain.h"

#include "platform/sound/mix_levels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zenka::sound {
namespace {

// A fourth-order Butterworth low-pass is down 6 dB where (f / corner)^8 = 3.
const double kCwCornerHz = ReceiverChain::kCwWidthHz / 2.0 / std::pow(3.0, 1.0 / 8.0);

// |H| of a fourth-order Butterworth low-pass at `ratio` = f / corner.
double butterworth4(double ratio) {
    return 1.0 / std::sqrt(1.0 + std::pow(ratio, 8.0));
}

// f / corner as the bilinear transform at the mixing rate sees it.
double warped(double f, double corner) {
    const double rate = kMixRate;
    return std::tan(std::numbers::pi * std::min(f, 0.49 * rate) / rate) /
           std::tan(std::numbers::pi * corner / rate);
}

} // namespace

double ReceiverChain::response(double hz, Filter filter, bool cw) noexcept {
    hz = std::fabs(hz);
    if (cw) return butterworth4(warped(std::fabs(hz - kCwCentreHz), kCwCornerHz));
    const double low = narrow(filter) ? kFlt1LowHz : kFlt2LowHz;
    const double high = narrow(filter) ? kFlt1HighHz : kFlt2HighHz;
    if (hz <= 0.0) return 0.0;
    return butterworth4(warped(hz, high)) * butterworth4(1.0 / warped(hz, low));
}

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
