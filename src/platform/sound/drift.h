#pragma once
// The slow drift of a transmitter's frequency: the pitch moves smoothly from
// one place to the next within `reach_hz` either side of its own, each move at
// least kLeastMove x reach_hz long and taking 12 - 30 s along a raised cosine
// (so it starts and ends gently and is never faster than about a quarter of
// the reach a second). A minute therefore always holds one whole move: the
// pitch wanders at least that far in every minute. Stepped at a control rate,
// far below the audio rate.

#include "platform/sound/random_draw.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace zenka::sound {

class Drift {
  public:
    static constexpr double kMoveMinS = 12.0, kMoveMaxS = 30.0;
    static constexpr double kLeastMove = 0.6; // of the reach

    Drift() = default;
    // `step_hz`: how often step() runs.
    Drift(double reach_hz, double step_hz, std::uint64_t seed)
        : random_(seed), reach_(reach_hz), step_hz_(step_hz) {
        from_ = random_.between(-reach_, reach_);
        next_move();
    }

    // The offset from the pitch now, in Hz.
    double step() noexcept {
        const double along = 0.5 - 0.5 * std::cos(std::numbers::pi * done_ / steps_);
        const double now = from_ + (to_ - from_) * along;
        if (++done_ >= steps_) {
            from_ = to_;
            next_move();
        }
        return now;
    }

  private:
    // The next place: anywhere within the reach at least kLeastMove x reach
    // from here (there is always room on the farther side).
    void next_move() noexcept {
        const double least = kLeastMove * reach_;
        const double below =
            std::fmax(0.0, from_ - least + reach_); // room in [-reach, from - least]
        const double above =
            std::fmax(0.0, reach_ - from_ - least); // room in [from + least, reach]
        const double pick = random_.between(0.0, below + above);
        to_ = pick < below ? -reach_ + pick : from_ + least + (pick - below);
        steps_ = std::floor(random_.between(kMoveMinS, kMoveMaxS) * step_hz_);
        if (steps_ < 1.0) steps_ = 1.0;
        done_ = 0.0;
    }

    RandomDraw random_;
    double reach_ = 0.0, step_hz_ = 1.0;
    double from_ = 0.0, to_ = 0.0;
    double done_ = 0.0, steps_ = 1.0; // steps of the current move: done and in all
};

} // namespace zenka::sound
