#pragma once
// What the receiver asks of its sound output. Every call returns at once and the
// sounds play asynchronously; a sound that cannot be opened stays silent. Calls
// may come from the user-interface thread and from the channel watchers at once.

#include <filesystem>
#include <string_view>

namespace zenka {

class SoundOutput {
  public:
    static constexpr int kChannels = 7;

    virtual ~SoundOutput() = default;

    // How many output devices there are; 0 means the receiver is silent.
    virtual int device_count() const = 0;

    // Channel k (0 .. 6): play the channel file once from its start.
    virtual void open_channel(int k, const std::filesystem::path& file) = 0;
    // Stop channel k and let go of its file; harmless when it is not open.
    virtual void close_channel(int k) = 0;

    // Loop the carrier file, unless a carrier already sounds: then nothing changes.
    virtual void loop_carrier(const std::filesystem::path& file) = 0;
    virtual void stop_carrier() = 0;

    // A recording by its name in the recordings folder, "fone/rtt-001.wav": played
    // once, closed by the same name. Names outside that folder are never opened.
    virtual void play_recording(std::string_view name) = 0;
    virtual void close_recording(std::string_view name) = 0;

    // The band noise ("fone/noise.wav"), looping until it is stopped.
    virtual void start_noise() = 0;
    virtual void stop_noise() = 0;
};

} // namespace zenka
