#pragma once
// A bounded ring of float samples between exactly one producer thread and one
// consumer thread (the audio callback). Neither side ever blocks or allocates;
// the storage is allocated once, when the ring is made.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <memory>
#include <span>

namespace zenka::sound {

class SampleRing {
  public:
    // `capacity` is rounded up to a power of two.
    explicit SampleRing(std::size_t capacity);

    std::size_t capacity() const { return mask_ + 1; }

    // Producer: room for this many samples.
    std::size_t space() const noexcept;
    // Producer: appends as many of `samples` as fit; returns how many did.
    std::size_t push(std::span<const float> samples) noexcept;

    // Consumer: samples ready to be read.
    std::size_t available() const noexcept;
    // Consumer: adds up to out.size() samples, times `gain`, onto `out`;
    // returns how many were taken.
    std::size_t pop_add(std::span<float> out, float gain) noexcept;
    // Consumer: the ready samples after the first `skip` of them that lie in one
    // piece of storage (up to the wrap), to be read in place and then dropped.
    std::span<const float> peek(std::size_t skip = 0) const noexcept;
    // Consumer: lets go of the first n ready samples (n at most available()).
    void drop(std::size_t n) noexcept;

  private:
    std::unique_ptr<float[]> data_;
    std::size_t mask_;
    // Running totals of samples written and read; the difference is the fill.
    alignas(64) std::atomic<std::size_t> written_{0};
    alignas(64) std::atomic<std::size_t> read_{0};
};

} // namespace zenka::sound
