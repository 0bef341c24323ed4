#pragma once
// What the receiver asks of its sound output. Every call returns at once and the
// sounds play asynchronously; a sound that cannot be opened stays silent. Calls
// may come from the user-interface thread and from the channel watchers at once.

#include "platform/channel_sound.h"
#include "platform/recording_status.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zenka {

class SoundOutput {
  public:
    static constexpr int kChannels = 7;
    static constexpr int kNeighbours = 12;

    virtual ~SoundOutput() = default;

    // How many output devices there are; 0 means the receiver is silent.
    virtual int device_count() const = 0;

    // Channel k (0 .. 6): play the channel file once from its start, heard
    // through its path and transmitter as `sound` describes.
    virtual void open_channel(int k, const std::filesystem::path& file,
                              const ChannelSound& sound) = 0;
    // The same, steady and without drift.
    void open_channel(int k, const std::filesystem::path& file) { open_channel(k, file, {}); }
    // Stop channel k and let go of its file; harmless when it is not open.
    virtual void close_channel(int k) = 0;

    // Neighbour i (0 .. 11), a station near the dial beside the seven channels:
    // its channel file played once from its start like a channel's, its beat
    // note moved as `sound` says, through the same filter and AGC. Plain audio
    // leaves the neighbours out.
    virtual void open_neighbour(int i, const std::filesystem::path& file,
                                const NeighbourSound& sound) = 0;
    // Stop neighbour i and let go of its file; harmless when it is not open.
    virtual void close_neighbour(int i) = 0;

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

    // The receiver's filter, attenuator and band noise after a retune.
    virtual void set_receiver(const ReceiverSound& receiver) = 0;
    // Plain audio: the channel files, noise and recordings summed as they are,
    // without the receiver's shaping, fading, filter or AGC, and without the
    // neighbours.
    virtual void set_plain_audio(bool plain) = 0;

    // Records what the listener hears, the final mix at 48 kHz, from the next
    // block on and across every retune, into a new file at `file` (or, when that
    // name is taken, "NAME (2).EXT" ...), written beside it and put in place when
    // the recording stops. Empty, or why it cannot start, in one line.
    virtual std::string start_recording(const std::filesystem::path& file,
                                        RecordingFormat format) = 0;
    // Stops and completes the recording; harmless when none runs.
    virtual RecordingStatus stop_recording() = 0;
    // The recording running or the last one: its file, length and size, and
    // why it stopped when it stopped by itself (a full disk).
    virtual RecordingStatus recording() const = 0;
};

} // namespace zenka
