#pragma once
// One station as the receiver hears it: the channel file's stream, its tone
// reshaped on its envelope (soft keying, clean note, drift and chirp), moved by
// the station's offset from the dial (a neighbour's beat note), and its path's
// fading. A spark's rough note is kept: it is converted to 48 kHz as it is, and
// offset, drift and chirp move it whole by a frequency shifter, the chirp
// starting when it comes up after 20 ms of quiet. In plain mode the file is
// converted to 48 kHz and goes into the mix exactly as it is.
//
// Threads: as ChannelStream; add() runs on the audio thread only.

#include "platform/channel_sound.h"
#include "platform/sound/channel_stream.h"
#include "platform/sound/drift.h"
#include "platform/sound/frequency_shifter.h"
#include "platform/sound/mix_levels.h"
#include "platform/sound/tone_shaper.h"
#include "platform/sound/wander.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>

namespace zenka::sound {

class ChannelPlay {
  public:
    // Envelope corner of the keying filter.
    static constexpr double kKeyingCornerHz = 100.0;
    // Fading and drift move this many samples at a time.
    static constexpr std::size_t kStep = 128;
    // A tone moved further up than this has left every filter far behind: it is
    // not made at all (it would fold back from the top of the band).
    static constexpr double kHighestHz = 0.45 * kMixRate;

    // `sound.offset_hz` moves the whole station up (or down, when negative);
    // `gain` scales it in the receiver's mix.
    ChannelPlay(const std::filesystem::path& file, const ChannelSound& sound, float gain = 1.0f);

    ChannelStream stream;

    // Audio thread: adds the next out.size() samples times `gain` (and the
    // station's own gain) onto `out`; returns how many file samples they took.
    std::size_t add(std::span<float> out, float gain, bool plain) noexcept;

  private:
    enum class Path { none, converted, shaped };

    void step_path() noexcept;
    std::size_t add_plain(std::span<float> out, float gain) noexcept;
    std::size_t add_shaped(std::span<float> piece, double gain) noexcept;
    std::size_t add_converted(std::span<float> piece, double gain) noexcept;
    void shift(std::span<float> piece) noexcept;
    void use(Path path) noexcept;

    ChannelSound sound_;
    double offset_hz_ = 0.0; // the station's own, fixed
    float gain_ = 1.0f;
    bool shaped_ = false; // a keyed tone the shaper can follow (not spark)
    bool audible_ = true; // not moved beyond kHighestHz
    Path path_ = Path::none;
    ToneShaper shaper_;
    bool shifted_ = false; // converted, and moved by an offset, drift or chirp
    FrequencyShifter shifter_{kMixRate};
    std::size_t quiet_ = 0;    // samples since the converted sound last sounded
    double spark_chirp_ = 0.0; // its chirp now
    Wander fading_;
    Drift drift_;
    double fade_from_ = 1.0, fade_to_ = 1.0; // gain across the current step
    double drift_hz_ = 0.0;
    std::size_t in_step_ = kStep; // samples done of the current step
    std::array<float, ToneShaper::kMaxPiece + 2> scratch_{};
};

} // namespace zenka::sound
