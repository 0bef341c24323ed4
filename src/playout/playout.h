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
#include <functional>
#include <string>
#include <vector>

namespace zenka {

struct PlayReport {
    std::array<std::uint32_t, Composition::kSlots> duration_ms{}; // 0: the channel stays silent
    std::vector<std::string> errors;                              // files that could not be written
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
    // Stops the carrier, every channel and every recording.
    void stop_all() { channels.stop_all_devs(); }
    // Stops everything and deletes the channel files and the carrier file.
    void close_files();

    std::filesystem::path channel_file(int k) const;
    std::filesystem::path carrier_file() const;

    // Sees every S-meter reading: the strength of each sound started, in order.
    std::function<void(int qsa)> on_meter;

    SoundOutput& out;
    const Clock& clock;
    const std::filesystem::path workdir;
    Keyer keyer;

  private:
    void meter(int qsa);
    void log(const LogRecord& r);
    // Draws of the path for channel k (-1: the receiver) at this retune.
    std::uint64_t path_seed(int freq, int k) const;

    std::uint64_t retunes_ = 0;
    DiagnosticLog* log_;

  public:
    // Last, so that its watchers have ended before anything they log through goes.
    SoundChannels channels;
};

// What the keyer takes from the receiver's settings.
KeyerSetup keyer_setup(const ReceiverSettings& s);

} // namespace zenka
