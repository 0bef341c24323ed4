#include "platform/sound/receiver_chain.h"

#include <algorithm>
#include <cmath>

namespace zenka::sound {

ReceiverChain::ReceiverChain(double rate)
    : flt1_{Butterworth4::lowpass(kFlt1HighHz, rate), Butterworth4::highpass(kFlt1LowHz, rate)},
      flt2_{Butterworth4::lowpass(kFlt2HighHz, rate), Butterworth4::highpass(kFlt2LowHz, rate)},
      attack_(1.0 - std::exp(-1.0 / (kAgcAttackS * rate))),
      release_(1.0 - std::exp(-1.0 / (kAgcReleaseS * rate))) {}

void ReceiverChain::process(std::span<float> io, Filter filter) noexcept {
    Band& band = narrow(filter) ? flt1_ : flt2_;
    for (float& v : io) {
        const double x = band.step(v);
        const double size = std::fabs(x);
        level_ += (size > level_ ? attack_ : release_) * (size - level_);
        gain_ = level_ > kAgcThreshold ? kAgcThreshold / level_ : 1.0;
        v = static_cast<float>(x * gain_);
    }
}

} // namespace zenka::sound
