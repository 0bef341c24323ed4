#include "fsk_keyer.h"

#include <cmath>
#include <numbers>

namespace zenka::fone {

void FskKeyer::key(bool mark, double seconds) {
    end_time_ += seconds * rate_;
    const double step = (mark ? mark_hz_ : space_hz_) / rate_;
    const auto end = static_cast<std::size_t>(std::lround(end_time_));
    while (out_.size() < end) {
        out_.push_back(std::sin(2.0 * std::numbers::pi * phase_));
        phase_ += step;
        phase_ -= std::floor(phase_);
    }
}

void FskKeyer::key_bits(std::uint32_t bits, int count, double seconds) {
    for (int i = 0; i < count; ++i)
        key(((bits >> i) & 1u) != 0, seconds);
}

} // namespace zenka::fone
