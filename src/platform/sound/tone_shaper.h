#pragma once
// The receiver's view of one keyed tone. The channel file is a tone of known
// pitch with square-cornered keying and strong harmonics. The shaper works on
// the file's own samples: it mixes them down to a complex envelope about that
// pitch, passes the envelope through a fourth-order low-pass (the transmitter's
// keying filter: edges of about 4 ms, nothing left a few hundred hertz from the
// tone, no harmonics), and, at the output rate, interpolates the envelope
// (cubic, between envelope samples) and puts it back on a tone at the pitch
// plus an offset that the caller moves (drift, a neighbour's beat note) and
// that it adds itself at every key-down (chirp). Only the last step runs at the
// output rate, and it is a few multiplications a sample. Every element is
// delayed alike (by the filter and two file samples), so the timing of the
// keying is kept.

#include "platform/sound/biquad.h"
#include "platform/sound/phasor.h"

#include <array>
#include <cstddef>
#include <span>

namespace zenka::sound {

class ToneShaper {
  public:
    // Output samples handled by one call of add() at most.
    static constexpr std::size_t kMaxPiece = 256;

    ToneShaper() = default;
    // The tone at `pitch_hz` in a file at `file_rate` samples a second (at most
    // `out_rate`), heard at `out_rate`; the envelope passes up to `corner_hz`; a
    // key-down starts `chirp_hz` off pitch, dying away with a time constant of
    // 25 ms.
    ToneShaper(double pitch_hz, double corner_hz, double chirp_hz, int file_rate, int out_rate);

    // How many file samples the next `n` output samples take.
    std::size_t needs(std::size_t n) const noexcept;
    // Audio thread: adds out.size() (at most kMaxPiece) samples of the shaped
    // tone, `offset_hz` off its pitch, onto `out`, times a gain that starts at
    // `gain` and moves by `slope` a sample. `in` holds the needs(out.size()) file
    // samples they take (zeros where the file has none).
    void add(std::span<float> out, std::span<const float> in, double offset_hz, double gain,
             double slope) noexcept;
    // Nothing left ringing.
    bool quiet() const noexcept;
    // Starts again as if nothing had been heard.
    void reset() noexcept;

  private:
    void push(double re, double im) noexcept;
    void set_turn(double offset_hz, double chirp_hz, std::size_t samples) noexcept;

    int file_rate_ = 1, out_rate_ = 1;
    double pitch_hz_ = 0.0;
    double lo_re_ = 1.0, lo_im_ = 0.0; // one file sample's turn down from the pitch
    Phasor lo_;                        // the mix-down phasor, at the file rate
    Butterworth4 re_, im_;
    double peak_ = 0.0; // slowly falling peak of the envelope power, for key-down
    double peak_decay_ = 1.0;
    bool keyed_ = false;
    bool first_ = true; // the first envelope sample is still to be taken
    int acc_ = 0;       // where the output is between two envelope samples, in
                        // units of 1 / out_rate_ of a file sample
    // The last four envelope samples; the output runs between the middle two.
    std::array<double, 4> h_re_{}, h_im_{};
    std::array<double, 4> c_re_{}, c_im_{}; // the cubic through them
    Phasor up_;                             // the output tone's phasor
    double turn_re_ = 1.0, turn_im_ = 0.0;  // its turn a sample
    double chirp_hz_ = 0.0;
    double chirp_now_ = 0.0;   // chirp offset at the next output sample
    double chirp_decay_ = 1.0; // a sample
    std::array<double, kMaxPiece + 2> e_re_{}, e_im_{};
};

} // namespace zenka::sound
