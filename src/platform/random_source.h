#pragma once
// The random source of a session: the runtime's rand() and the seed that myrand()
// mixes the clock into. It outlives every retune, so one clock and one source
// always compose and key the same traffic.

#include "platform/clock.h"
#include "platform/crt_rand.h"

#include <cstdint>

namespace zenka {

class RandomSource {
  public:
    // myrand(): the next value, mixing in the snapshot `t` just read from the clock.
    std::uint32_t next(const SystemTime& t) {
        seed += static_cast<std::uint32_t>(rand() + t.day + t.hour + t.minute +
                                           t.second * t.milliseconds);
        seed += 1;
        return seed;
    }
    // The runtime's rand(), for the few choices that use it directly.
    int rand() { return crt_.rand(); }
    // Starts the runtime's generator from another state (it starts from 1).
    void seed_runtime(std::uint32_t state) { crt_.reset(state); }

    std::uint32_t seed = 11111;

  private:
    CrtRand crt_;
};

} // namespace zenka
