#pragma once
// The classic C runtime rand(): a linear congruential generator seeded with 1,
// giving 15-bit results (41, 18467, 6334, 26500, ...). Each context owns one, so
// the same clock and the same context always compose the same traffic.

#include <cstdint>

namespace zenka {

class CrtRand {
  public:
    int rand() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }
    void reset(std::uint32_t seed = 1) { state_ = seed; }

  private:
    std::uint32_t state_ = 1;
};

} // namespace zenka
