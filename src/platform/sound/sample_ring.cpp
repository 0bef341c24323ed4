#include "platform/sound/sample_ring.h"

#include <bit>

namespace zenka::sound {

SampleRing::SampleRing(std::size_t capacity)
    : data_(std::make_unique<float[]>(std::bit_ceil(std::max<std::size_t>(capacity, 2)))),
      mask_(std::bit_ceil(std::max<std::size_t>(capacity, 2)) - 1) {}

std::size_t SampleRing::space() const noexcept {
    return capacity() -
           (written_.load(std::memory_order_relaxed) - read_.load(std::memory_order_acquire));
}

std::size_t SampleRing::push(std::span<const float> samples) noexcept {
    const std::size_t w = written_.load(std::memory_order_relaxed);
    const std::size_t n = std::min(samples.size(), space());
    const std::size_t at = w & mask_;
    const std::size_t first = std::min(n, capacity() - at);
    std::copy_n(samples.data(), first, data_.get() + at);
    std::copy_n(samples.data() + first, n - first, data_.get());
    written_.store(w + n, std::memory_order_release);
    return n;
}

std::size_t SampleRing::available() const noexcept {
    return written_.load(std::memory_order_acquire) - read_.load(std::memory_order_relaxed);
}

std::size_t SampleRing::pop_add(std::span<float> out, float gain) noexcept {
    const std::size_t r = read_.load(std::memory_order_relaxed);
    const std::size_t n = std::min(out.size(), available());
    const std::size_t at = r & mask_;
    const std::size_t first = std::min(n, capacity() - at);
    const float* a = data_.get() + at;
    for (std::size_t i = 0; i < first; ++i)
        out[i] += gain * a[i];
    const float* b = data_.get();
    for (std::size_t i = first; i < n; ++i)
        out[i] += gain * b[i - first];
    read_.store(r + n, std::memory_order_release);
    return n;
}

std::span<const float> SampleRing::peek(std::size_t skip) const noexcept {
    const std::size_t ready = available();
    if (skip >= ready) return {};
    const std::size_t at = (read_.load(std::memory_order_relaxed) + skip) & mask_;
    return {data_.get() + at, std::min(ready - skip, capacity() - at)};
}

void SampleRing::drop(std::size_t n) noexcept {
    const std::size_t r = read_.load(std::memory_order_relaxed);
    read_.store(r + std::min(n, available()), std::memory_order_release);
}

} // namespace zenka::sound
