#pragma once
// One station as the receiver hears it: the channel file's stream, its tone
// reshaped (soft keying, clean note, drift and chirp) and its path's fading. A
// spark's rough note is kept; drift and chirp move it whole, by a frequency
// shifter, the chirp starting when it comes up after 20 ms of quiet.
// In plain mode the stream's samples go into the mix exactly as they are.
//
// Threads: as ChannelStream; add() runs on the audio thread only.

#include "platform/channel_sound.h"
#include "platform/sound/channel_stream.h"
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

    ChannelPlay(const std::filesystem::path& file, const ChannelSound& sound);

    ChannelStream stream;

    // Audio thread: adds the next out.size() samples times `gain`; returns how
    // many came from the file.
    std::size_t add(std::span<float> out, float gain, bool plain) noexcept;

  private:
    void step_path() noexcept;
    void shift_spark(std::span<float> piece) noexcept;

    ChannelSound sound_;
    bool shaped_ = false; // a keyed tone the shaper can follow (not spark)
    ToneShaper shaper_;
    bool shifted_ = false; // a spark that drifts or chirps
    FrequencyShifter shifter_{kMixRate};
    std::size_t quiet_ = 0;    // samples since the spark last sounded
    double spark_chirp_ = 0.0; // its chirp now
    Wander fading_, drift_;
    double fade_from_ = 1.0, fade_to_ = 1.0; // gain across the current step
    double offset_hz_ = 0.0;
    std::size_t in_step_ = kStep; // samples done of the current step
    std::array<float, kStep> scratch_{};
};

} // namespace zenka::sound
