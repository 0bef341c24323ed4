#pragma once
// Moves every component of a signal by the same number of hertz (single-sideband
// frequency shift), for notes that have no single pitch to follow, such as a
// spark transmitter's. Two chains of four first-order allpass sections give two
// outputs 90 degrees apart across the audio band (Niemitalo's design); their
// analytic signal is turned by the offset's phasor and its real part kept.

#include "platform/sound/phasor.h"

#include <array>
#include <span>

namespace zenka::sound {

class FrequencyShifter {
  public:
    explicit FrequencyShifter(double rate) : rate_(rate) {}

    // Audio thread: shifts io in place by `offset_hz` (which may change per call).
    void process(std::span<float> io, double offset_hz) noexcept;

  private:
    struct Allpass {
        double a2 = 0.0;
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
        double step(double x) noexcept {
            const double y = a2 * (x + y2) - x2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            return y;
        }
    };
    static std::array<Allpass, 4> chain(const std::array<double, 4>& a);

    double rate_;
    std::array<Allpass, 4> re_ =
        chain({0.6923877778065, 0.9360654322959, 0.9882295226860, 0.9987488452737});
    std::array<Allpass, 4> im_ =
        chain({0.4021921162426, 0.8561710882420, 0.9722909545651, 0.9952884791278});
    double re_delay_ = 0.0; // the real chain's output one sample late
    Phasor turn_;           // the offset's phasor
};

} // namespace zenka::sound
