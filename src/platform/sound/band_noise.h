#pragma once
// The band noise as it plays: never the same stretch twice. The recorded loop
// gives the noise its texture (NoiseTexture): two read heads run through it;
// every few seconds the one that sounds hands over to the other, which has
// jumped to a random place, with a crossfade that keeps the power. What sounds
// is fresh noise of the loop's colour under the envelope of the place the
// heads are at, so even a place heard before comes back as new noise. Static
// crashes (bursts of noise that die away in tens of milliseconds, sizes spread
// wide) come at random at the rate the path asks for. A retune sends both
// heads somewhere new.
//
// Audio thread only, apart from construction. No allocation.

#include "platform/sound/noise_texture.h"
#include "platform/sound/random_draw.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zenka::sound {

class BandNoise {
  public:
    static constexpr double kGrainMinS = 2.0, kGrainMaxS = 5.0; // a head sounds this long
    static constexpr double kCrossfadeS = 0.4;

    BandNoise(double rate, std::uint64_t seed);

    // Jumps both heads to new places drawn from `seed`.
    void retune(std::uint64_t seed) noexcept;

    // Adds out.size() samples of noise of `texture` at `gain` onto `out`, with
    // crashes at `crash_rate_hz`.
    void add(std::span<float> out, const NoiseTexture& texture, float gain,
             double crash_rate_hz) noexcept;

  private:
    static constexpr std::size_t kOrder = NoiseTexture::kOrder;

    std::size_t random_place(std::size_t length) noexcept;
    void start_grain() noexcept;
    double next_crash_gap(double crash_rate_hz) noexcept;
    double coloured(const NoiseTexture& texture) noexcept;

    double rate_;
    RandomDraw random_;
    bool placed_ = false;
    std::size_t heads_[2] = {0, 0};
    int sounding_ = 0;           // the head that carries the noise between crossfades
    std::size_t grain_left_ = 0; // samples until the next crossfade starts
    std::size_t fade_left_ = 0;  // samples of the crossfade still to go
    double fade_c_ = 1.0, fade_s_ = 0.0, turn_c_ = 1.0, turn_s_ = 0.0;
    // The coloured noise's last outputs, twice over so that the latest kOrder
    // of them always lie in one row from past_at_ on.
    std::array<double, 2 * kOrder> past_{};
    std::size_t past_at_ = 0;
    double power_ = 0.0;       // running mean square of the noise as heard
    double crash_wait_ = -1.0; // samples until the next crash; < 0: not drawn
    double crash_level_ = 0.0; // the crash's present size
    double crash_decay_ = 0.0;
};

} // namespace zenka::sound
