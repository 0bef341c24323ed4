#pragma once
// A sound output that plays nothing and writes down every call as a line of
// text, for tests of the engine: "open_channel 3 /tmp/ZENKA03.WAV",
// "close_channel 3", "open_neighbour 5 /tmp/N05.WAV", "close_neighbour 5",
// "loop_carrier /tmp/carrier.wav", "stop_carrier",
// "play_recording fone/rtt-001.wav", "close_recording fone/rtt-001.wav",
// "start_noise", "stop_noise", "start_recording /tmp/a.wav wav",
// "stop_recording". What a channel or a neighbour is to sound like,
// the receiver and plain mode are kept apart from the lines (channel_sound(k),
// neighbour_sound(i), receiver(), plain()). Safe to call from several threads
// at once.

#include "platform/sound/output_tap.h"
#include "platform/sound_output.h"

#include <array>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace zenka::sound {

class NullSound final : public SoundOutput {
  public:
    explicit NullSound(int devices = 1) : devices_(devices) {}

    int device_count() const override { return devices_.load(); }
    void set_device_count(int devices) { devices_.store(devices); }

    using SoundOutput::open_channel;
    void open_channel(int k, const std::filesystem::path& file, const ChannelSound& sound) override;
    void close_channel(int k) override;
    void open_neighbour(int i, const std::filesystem::path& file,
                        const NeighbourSound& sound) override;
    void close_neighbour(int i) override;
    void loop_carrier(const std::filesystem::path& file) override;
    void stop_carrier() override;
    void play_recording(std::string_view name) override;
    void close_recording(std::string_view name) override;
    void start_noise() override;
    void stop_noise() override;
    void set_receiver(const ReceiverSound& receiver) override;
    void set_plain_audio(bool plain) override;
    // A recording that records nothing: it runs from start_recording to
    // stop_recording or to end_recording.
    std::string start_recording(const std::filesystem::path& file,
                                RecordingFormat format) override;
    RecordingStatus stop_recording() override;
    RecordingStatus recording() const override;
    // The recording stops by itself, as a full disk stops one, with `message`.
    void end_recording(const std::string& message);

    // The latest of each.
    ChannelSound channel_sound(int k) const;
    NeighbourSound neighbour_sound(int i) const;
    ReceiverSound receiver() const;
    bool plain() const;

    // What is heard: a block played as a device would play it goes to the tap.
    OutputTap& output_tap() { return tap_; }
    void play_block(std::span<const float> block) noexcept { tap_.feed(block); }

    // The calls so far, oldest first.
    std::vector<std::string> calls() const;
    void clear();

  private:
    void note(std::string line);

    std::atomic<int> devices_;
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
    std::array<ChannelSound, kChannels> sounds_{};
    std::array<NeighbourSound, kNeighbours> neighbours_{};
    ReceiverSound receiver_{};
    bool plain_ = false;
    RecordingStatus recording_;
    OutputTap tap_;
};

} // namespace zenka::sound
