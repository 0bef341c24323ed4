#pragma once
// The band noise as it plays: never the same seconds twice. Two read heads run
// through the recorded noise loop; every few seconds the one that sounds hands
// over to the other, which has jumped to a random place, with a crossfade that
// keeps the power. Static crashes (bursts of noise that die away in tens of
// milliseconds, sizes spread wide) come at random at the rate the path asks
// for. A retune sends both heads somewhere new.
//
// Audio thread only, apart from construction. No allocation.

#include "platform/sound/random_draw.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zenka::sound {

class BandNoise {
  public:
    static constexpr double kGrainMinS = 2.0, kGrainMaxS = 5.0; // a head sounds this long
    static constexpr double kCrossfadeS = 0.4;

    BandNoise(double rate, std::uint64_t seed);

    // Jumps both heads to new places drawn from `seed`.
    void retune(std::uint64_t seed) noexcept;

    // Adds out.size() samples of `loop` at `gain` onto `out`, with crashes at
    // `crash_rate_hz`.
    void add(std::span<float> out, const std::vector<float>& loop, float gain,
             double crash_rate_hz) noexcept;

  private:
    std::size_t random_place(std::size_t length) noexcept;
    void start_grain() noexcept;
    double next_crash_gap(double crash_rate_hz) noexcept;

    double rate_;
    RandomDraw random_;
    bool placed_ = false;
    std::size_t heads_[2] = {0, 0};
    int sounding_ = 0;           // the head that carries the noise between crossfades
    std::size_t grain_left_ = 0; // samples until the next crossfade starts
    std::size_t fade_left_ = 0;  // samples of the crossfade still to go
    double fade_c_ = 1.0, fade_s_ = 0.0, turn_c_ = 1.0, turn_s_ = 0.0;
    double power_ = 0.0;       // running mean square of the loop as read
    double crash_wait_ = -1.0; // samples until the next crash; < 0: not drawn
    double crash_level_ = 0.0; // the crash's present size
    double crash_decay_ = 0.0;
};

} // namespace zenka::sound
