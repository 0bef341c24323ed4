#pragma once
// Continuous-phase frequency-shift keying: the oscillator only changes frequency at a
// keying edge, its phase runs on, so the keying itself makes no clicks. Element lengths
// may be fractional in samples (75 baud at 8000 samples/s); edges then fall on the
// nearest sample and no timing error accumulates.

#include "sound.h"

#include <cstdint>
#include <vector>

namespace zenka::fone {

class FskKeyer {
  public:
    FskKeyer(int rate, double mark_hz, double space_hz)
        : rate_(rate), mark_hz_(mark_hz), space_hz_(space_hz) {}

    // Sends mark (true) or space (false) for `seconds`.
    void key(bool mark, double seconds);
    // Sends the units of `bits`, first unit in bit 0, each `seconds` long; 1 is mark.
    void key_bits(std::uint32_t bits, int count, double seconds);

    const Signal& samples() const { return out_; }

  private:
    int rate_;
    double mark_hz_, space_hz_;
    double phase_ = 0.0;    // cycles
    double end_time_ = 0.0; // where the last element ends, in samples
    Signal out_;
};

} // namespace zenka::fone
