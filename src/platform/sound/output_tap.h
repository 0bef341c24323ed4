#pragma once
// What the listener hears, handed from the audio thread to whoever looks at it (the
// band window's audio waterfall): the output's every block goes into a ring of its
// own, without blocking, locking or allocating; what the ring cannot take while
// nobody reads is dropped, and the reader always gets the latest.
//
// Threads: feed() on the audio thread only; latest() on one other thread.

#include "platform/sound/sample_ring.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zenka::sound {

class OutputTap {
  public:
    // 0.68 s at 48 kHz.
    static constexpr std::size_t kRingSamples = std::size_t{1} << 15;

    explicit OutputTap(std::size_t ring_samples = kRingSamples) : ring_(ring_samples) {}
    OutputTap(const OutputTap&) = delete;
    OutputTap& operator=(const OutputTap&) = delete;

    // Audio thread: the block just handed to the output.
    void feed(std::span<const float> block) noexcept;

    // Reader: what was fed since the last call, oldest first, into `out`; when more
    // came than `out` holds, the oldest of it is left out. Returns how many.
    std::size_t latest(std::span<float> out) noexcept;

    // Samples the full ring could not take.
    std::uint64_t dropped() const noexcept { return dropped_.load(std::memory_order_relaxed); }

  private:
    SampleRing ring_;
    std::atomic<std::uint64_t> dropped_{0};
};

} // namespace zenka::sound
