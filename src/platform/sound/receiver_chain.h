#pragma once
// What the receiver does to the sum of everything it hears: the audio filter
// (FLT1 about 1 kHz wide, FLT2 about 2 kHz, fourth-order skirts on both sides,
// or the narrow CW filter) and a slow AGC that turns the gain down when a
// strong signal comes up, and with it the noise, and lets it back up over a
// second or so.
//
// The CW filter works like a crystal filter at the intermediate frequency: the
// sum is mixed down by the beat note the receiver assumes (kBeatPitchHz), both
// halves of the result pass a fourth-order low-pass and are mixed up again, so
// its passband lies evenly (in hertz) about that pitch, and a station tuned
// off it fades into the skirts alike on either side.

#include "platform/audio_filter.h"
#include "platform/channel_sound.h"
#include "platform/sound/biquad.h"
#include "platform/sound/phasor.h"

#include <span>

namespace zenka::sound {

class ReceiverChain {
  public:
    // The -3 dB edges of the two filters.
    static constexpr double kFlt1LowHz = 300.0, kFlt1HighHz = 1300.0;
    static constexpr double kFlt2LowHz = 300.0, kFlt2HighHz = 2300.0;
    // The CW filter: this wide at -6 dB, about kBeatPitchHz.
    static constexpr double kCwWidthHz = 500.0;
    static constexpr double kCwCentreHz = kBeatPitchHz;
    // The AGC holds peaks to this level; below it the gain stays 1.
    static constexpr double kAgcThreshold = 0.08;
    static constexpr double kAgcAttackS = 0.002, kAgcReleaseS = 0.8;

    explicit ReceiverChain(double rate);

    // Audio thread: filters `io` in place through the CW filter (cw), else FLT1 or
    // FLT2, then through the AGC.
    void process(std::span<float> io, Filter filter, bool cw = false) noexcept;

    // How much of a tone at `hz` the filter lets through (1 = all), as the
    // filters at the mixing rate give it: the figure the receiver ranks its
    // neighbours by.
    static double response(double hz, Filter filter, bool cw = false) noexcept;

    // The AGC's gain now (1 = no reduction).
    double agc_gain() const noexcept { return gain_; }

  private:
    struct Band {
        Butterworth4 low, high;
        double step(double x) noexcept { return low.step(high.step(x)); }
    };
    struct Cw {
        Butterworth4 re, im;
        Phasor lo;
        double turn_re = 1.0, turn_im = 0.0;
        double step(double x) noexcept;
    };
    // The filter, then the AGC, sample by sample.
    template <typename Stage> void run(std::span<float> io, Stage& filter) noexcept;

    Band flt1_, flt2_;
    Cw cw_;
    double attack_, release_;
    double level_ = 0.0; // peak follower of the filtered sum
    double gain_ = 1.0;
};

} // namespace zenka::sound
