#pragma once
// The seven sound channels. Each plays its channel file on the sound output and
// has a deadline (a tick count; 0 = free) and a watcher thread that frees the
// channel when the deadline passes. Freeing a channel happens exactly once,
// whether the watcher or a stop gets there first, and its playback is closed
// before its deadline reads 0: a channel seen free can be started again at once
// without an old close cutting off the new emission.

#include "compose/composition.h"
#include "platform/clock.h"
#include "platform/sound_output.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

namespace zenka {

class SoundChannels {
  public:
    // Sees the record a watcher makes when it frees its channel at the deadline; called
    // from the watcher's thread.
    using Logger = std::function<void(const LogRecord& record)>;
    static constexpr int kChannels = SoundOutput::kChannels;

    SoundChannels(SoundOutput& out, const Clock& clock, Logger log);
    // Stops everything and waits for every watcher to end.
    ~SoundChannels();
    SoundChannels(const SoundChannels&) = delete;
    SoundChannels& operator=(const SoundChannels&) = delete;

    // Starts playing channel k's file, heard as `sound` says.
    void sound(int k, const std::filesystem::path& file, const ChannelSound& sound = {});
    // Sets channel k's deadline `ms` from now and starts its watcher. `record` holds
    // the emission's own values (frequency, parameters) for the watcher's record.
    void timer_start(int k, std::uint32_t ms, LogRecord record = {});
    // Stops the carrier, frees every channel and closes every recording.
    void stop_all_devs();

    // Channel k's deadline; 0 when the channel is free.
    std::uint32_t timer(int k) const;

    SoundOutput& out() { return out_; }

  private:
    struct Channel {
        std::mutex claim; // held while a channel is being freed
        std::atomic<std::uint32_t> deadline{0};
        std::mutex mutex;
        std::condition_variable finish_event;
        bool finished = false; // the auto-reset finish event, guarded by mutex
        std::thread watcher;
    };

    void watch(int k, std::uint32_t deadline, LogRecord record);
    void signal_finish(Channel& c);
    void release(int k);
    // Frees channel k if it is still busy (closing it, and logging the stop when the
    // watcher does it); returns the deadline it had, or 0 if it was already free.
    std::uint32_t free_channel(int k, LogRecord* at_deadline);

    SoundOutput& out_;
    const Clock& clock_;
    Logger log_;
    std::array<Channel, kChannels> channels_;
};

} // namespace zenka
