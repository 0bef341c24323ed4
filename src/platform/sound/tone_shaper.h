#pragma once
// The receiver's view of one keyed tone. The channel file is a tone of known
// pitch with square-cornered keying and strong harmonics; the shaper mixes it
// down to a complex envelope about that pitch, passes the envelope through a
// fourth-order low-pass (the transmitter's keying filter: edges of about 4 ms,
// nothing left a few hundred hertz from the tone, no harmonics), and mixes it up
// again to the pitch plus an offset that the caller moves (drift) and that it
// adds itself at every key-down (chirp). Every element is delayed alike, so
// the timing of the keying is kept.

#include "platform/sound/biquad.h"
#include "platform/sound/phasor.h"

#include <cstddef>
#include <span>

namespace zenka::sound {

class ToneShaper {
  public:
    ToneShaper() = default;
    // The tone at `pitch_hz`; the envelope passes up to `corner_hz`; a key-down
    // starts `chirp_hz` off pitch, dying away with a time constant of 25 ms.
    ToneShaper(double pitch_hz, double corner_hz, double chirp_hz, double rate);

    // Audio thread: replaces in[] by the shaped tone, `offset_hz` off its pitch.
    void process(std::span<float> io, double offset_hz) noexcept;
    // Nothing left ringing.
    bool quiet() const noexcept;
    void reset() noexcept;

  private:
    double rate_ = 48000.0;
    double turn_re_ = 1.0, turn_im_ = 0.0; // one sample's turn at the pitch
    Phasor lo_;                            // the pitch's phasor
    Phasor up_;                            // the offset's phasor
    Butterworth4 re_, im_;
    double chirp_hz_ = 0.0;
    double chirp_now_ = 0.0; // current chirp offset
    double chirp_decay_ = 1.0;
    double peak_ = 0.0; // slowly falling peak of the envelope, for key-down
    double peak_decay_ = 1.0;
    bool keyed_ = false;
    double last_power_ = 0.0;
};

} // namespace zenka::sound
