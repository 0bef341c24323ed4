#pragma once
// The playout: turns a Composition into sound. It writes the channel files and the
// carrier file into the working folder, starts the carrier and the recordings,
// starts every channel with its watcher, reports the S-meter and writes the
// pass's diagnostic records. Used by the panel, `render` and `key --play`.

#include "compose/composition.h"
#include "platform/clock.h"
#include "platform/random_source.h"
#include "platform/sound_output.h"
#include "playout/diagnostic_log.h"
#include "playout/sound_channels.h"
#include "synth/keyer.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zenka {

struct PlayReport {
    std::array<std::uint32_t, Composition::kSlots> duration_ms{}; // 0: the channel stays silent
    int neighbours = 0; // neighbours started
    std::vector<std::string> errors;                              // files that could not be written
    std::vector<int> meter; // the S-meter readings: each strength shown, in order
    // Channel k's text as it is keyed: when each character starts, from the start of the
    // channel (the moment play() returned); empty for a channel that stays silent.
    std::array<std::vector<CharStart>, Composition::kSlots> chars{};
};

class Playout {
  public:
    // Channel files go into `workdir`; hand keying draws from `random`. Records go to
    // `log` when one is given.
    Playout(SoundOutput& out, const Clock& clock, RandomSource& random,
            std::filesystem::path workdir, DiagnosticLog* log = nullptr);
    // Stops everything and waits for the watchers.
    ~Playout();
    Playout(const Playout&) = delete;
    Playout& operator=(const Playout&) = delete;

    // Plays what a pass composed, on channels that are free.
    PlayReport play(const Composition& c);
    // Renders slot k into its channel file and starts it with its watcher.
    RenderResult start_channel(int k, const Slot& slot, const ReceiverSettings& settings);
    // Plays a channel file already written on channel k until `duration_ms` from now.
    void play_file(int k, const std::filesystem::path& file, std::uint32_t duration_ms);
    // Channel k's deadline as a tick count; 0 when the channel is free.
    std::uint32_t deadline(int k) const { return channels_.timer(k); }
    // Stops the carrier, every channel, every neighbour and every recording.
    void stop_all();
    // Stops everything and deletes the channel files and the carrier file.
    void close_files();

    // The band noise and the receiver's sound.
    void start_noise() { out_.start_noise(); }
    void stop_noise() { out_.stop_noise(); }
    void set_plain_audio(bool plain) { out_.set_plain_audio(plain); }
    // The narrow CW filter in place of FLT1/FLT2, from now and for every retune after.
    void set_cw_filter(bool on);
    int device_count() const { return out_.device_count(); }

    std::filesystem::path channel_file(int k) const;
    std::filesystem::path neighbour_file(int i) const;
    std::filesystem::path carrier_file() const;

  private:
    void log(const LogRecord& r);
    void play_neighbours(const Composition& c, PlayReport& report);
    // Draws of the path for channel k (-1: the receiver) at this retune.
    std::uint64_t path_seed(int freq, int k) const;

    SoundOutput& out_;
    const Clock& clock_;
    const std::filesystem::path workdir_;
    Keyer keyer_;
    // The neighbours are keyed by a keyer of their own, so that their hand keying
    // leaves the session's random source as it is.
    RandomSource neighbour_random_;
    Keyer neighbour_keyer_;
    int neighbours_open_ = 0; // neighbours 0 .. this - 1 may sound
    std::uint64_t retunes_ = 0;
    DiagnosticLog* log_;
    std::vector<int>* meter_ = nullptr; // the report being played into
    bool cw_filter_ = false;
    ReceiverSound receiver_; // what the output was last told of the receiver
    // Last, so that its watchers have ended before anything they log through goes.
    SoundChannels channels_;
};

// What the keyer takes from the receiver's settings.
KeyerSetup keyer_setup(const ReceiverSettings& s);

} // namespace zenka
