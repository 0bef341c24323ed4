#include "platform/sound/output_tap.h"

#include <algorithm>

namespace zenka::sound {

void OutputTap::feed(std::span<const float> block) noexcept {
    const std::size_t taken = ring_.push(block);
    if (taken < block.size()) dropped_.fetch_add(block.size() - taken, std::memory_order_relaxed);
}

std::size_t OutputTap::latest(std::span<float> out) noexcept {
    const std::size_t ready = ring_.available();
    if (ready > out.size()) ring_.drop(ready - out.size());
    const std::size_t n = std::min(ready, out.size());
    std::fill_n(out.begin(), n, 0.0f);
    return ring_.pop_add(out.first(n), 1.0f);
}

} // namespace zenka::sound
