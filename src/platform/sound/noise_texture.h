#pragma once
// What the band noise is made of, taken once from its recorded loop: how loud
// the loop is from moment to moment (its envelope, a point every 0.5 ms, from
// the power over 1 ms about it) and the colour of its sound (an all-pole
// filter fitted to the loop with its envelope taken out). BandNoise plays fresh
// random noise of that colour under the envelope of the place its read head
// is at: the crashes, swells and hiss of the recording where they are, but
// never the same waveform twice, so no stretch of the band noise ever comes
// back, however often the loop goes round.
//
// Built off the audio thread (it reads the whole loop); read-only afterwards.

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace zenka::sound {

class NoiseTexture {
  public:
    static constexpr std::size_t kStep = 24; // samples between envelope points
    static constexpr std::size_t kOrder = 16;

    explicit NoiseTexture(std::span<const float> loop);

    // The loop's length in samples.
    std::size_t length() const noexcept { return length_; }
    // The loop's rms about sample `at` (less than length()).
    double envelope(std::size_t at) const noexcept {
        const std::size_t i = at / kStep;
        const double along = static_cast<double>(at - i * kStep) / kStep;
        const double a = envelope_[i];
        return a + along * (envelope_[i + 1] - a);
    }
    // The colour: noise y[n] = drive() u[n] - sum a[k] y[n - 1 - k] of white
    // u of unit power has unit power and the loop's spectrum.
    const std::array<double, kOrder>& colour() const noexcept { return colour_; }
    double drive() const noexcept { return drive_; }

  private:
    std::size_t length_ = 0;
    std::vector<double> envelope_; // one point more than the loop needs: the first again
    std::array<double, kOrder> colour_{};
    double drive_ = 0.0;
};

} // namespace zenka::sound
