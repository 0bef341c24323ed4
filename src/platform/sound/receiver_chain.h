#pragma once
// What the receiver does to the sum of everything it hears: the audio filter
// (FLT1 about 1 kHz wide, FLT2 about 2 kHz, fourth-order skirts on both sides)
// and a slow AGC that turns the gain down when a strong signal comes up, and
// with it the noise, and lets it back up over a second or so.

#include "platform/audio_filter.h"
#include "platform/sound/biquad.h"

#include <span>

namespace zenka::sound {

class ReceiverChain {
  public:
    // The -3 dB edges of the two filters.
    static constexpr double kFlt1LowHz = 300.0, kFlt1HighHz = 1300.0;
    static constexpr double kFlt2LowHz = 300.0, kFlt2HighHz = 2300.0;
    // The AGC holds peaks to this level; below it the gain stays 1.
    static constexpr double kAgcThreshold = 0.08;
    static constexpr double kAgcAttackS = 0.002, kAgcReleaseS = 0.8;

    explicit ReceiverChain(double rate);

    // Audio thread: filters `io` in place through FLT1 or FLT2, then through the AGC.
    void process(std::span<float> io, Filter filter) noexcept;

    // The AGC's gain now (1 = no reduction).
    double agc_gain() const noexcept { return gain_; }

  private:
    struct Band {
        Butterworth4 low, high;
        double step(double x) noexcept { return low.step(high.step(x)); }
    };
    Band flt1_, flt2_;
    double attack_, release_;
    double level_ = 0.0; // peak follower of the filtered sum
    double gain_ = 1.0;
};

} // namespace zenka::sound
