#pragma once
// SplitMix64 with its own uniform and normal draws: unlike the std:: distributions it
// gives the same numbers on every platform and library, so the sounds are reproducible.

#include <cstdint>

namespace zenka::fone {

class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform in [low, high).
    double between(double low, double high) { return low + (high - low) * uniform(); }
    // Standard normal (Box-Muller).
    double gauss();

  private:
    std::uint64_t state_;
};

} // namespace zenka::fone
