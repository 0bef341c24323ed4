#pragma once
// A sound output that plays nothing and has no device. Outputs that watch or pass
// on only some of the calls derive from it and override those.

#include "platform/sound_output.h"

namespace zenka {

class SilentOutput : public SoundOutput {
  public:
    int device_count() const override { return 0; }
    using SoundOutput::open_channel;
    void open_channel(int, const std::filesystem::path&, const ChannelSound&) override {}
    void close_channel(int) override {}
    void open_neighbour(int, const std::filesystem::path&, const NeighbourSound&) override {}
    void close_neighbour(int) override {}
    void loop_carrier(const std::filesystem::path&) override {}
    void stop_carrier() override {}
    void play_recording(std::string_view) override {}
    void close_recording(std::string_view) override {}
    void start_noise() override {}
    void stop_noise() override {}
    void set_receiver(const ReceiverSound&) override {}
    void set_plain_audio(bool) override {}
    std::string start_recording(const std::filesystem::path&, RecordingFormat) override {
        return "there is no sound output to record";
    }
    RecordingStatus stop_recording() override { return {}; }
    RecordingStatus recording() const override { return {}; }
};

} // namespace zenka
