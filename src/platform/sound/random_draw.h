#pragma once
// A small, fast random source for the audio thread: splitmix64, with uniform
// and Gaussian draws. No state beyond one word, no allocation.

#include <cmath>
#include <cstdint>
#include <numbers>

namespace zenka::sound {

class RandomDraw {
  public:
    explicit RandomDraw(std::uint64_t seed = 0) : state_(seed) {}

    std::uint64_t next() noexcept {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in (0, 1].
    double uniform() noexcept { return (static_cast<double>(next() >> 11) + 1.0) * 0x1.0p-53; }
    // Uniform in [lo, hi).
    double between(double lo, double hi) noexcept { return lo + (hi - lo) * (1.0 - uniform()); }
    // Standard normal (Box-Muller, one of the pair).
    double gaussian() noexcept {
        return std::sqrt(-2.0 * std::log(uniform())) * std::cos(2.0 * std::numbers::pi * uniform());
    }

  private:
    std::uint64_t state_;
};

// Mixes a value into a seed.
constexpr std::uint64_t mix_seed(std::uint64_t seed, std::uint64_t value) {
    std::uint64_t z = seed ^ (value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2));
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace zenka::sound
