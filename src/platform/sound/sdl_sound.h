#pragma once
// The sound output on an SDL2 audio device: mono float at 48 kHz in periods of
// kPeriod samples (512 = 10.7 ms). The device's callback runs the mixer; a
// feeder thread tops up the channel streams every 5 ms (and at once after an
// open) and a loader thread decodes recordings, carrier and noise on request.
// A recording taps the mix in the callback; its writer has a thread of its own
// while it runs. The output tap gets every block as well.
// Without an audio device, device_count() is 0 and every call is accepted and
// does nothing.

#include "platform/sound/mixer.h"
#include "platform/sound/output_tap.h"
#include "platform/sound/recorder.h"
#include "platform/sound/worker.h"
#include "platform/sound_output.h"

#include <cstdint>
#include <memory>

namespace zenka::sound {

class SdlSound final : public SoundOutput {
  public:
    static constexpr int kPeriod = 512;

    // What the libraries under SDL say while the device opens and closes (ALSA's
    // and PulseAudio's complaints on a machine without a sound card, SDL's own
    // log): hidden unless asked for, as for diagnostics.
    enum class LibraryMessages { hidden, shown };

    explicit SdlSound(RecordingsFolder folder = RecordingsFolder::locate(),
                      LibraryMessages messages = LibraryMessages::hidden);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    int device_count() const override { return devices_; }

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
    std::string start_recording(const std::filesystem::path& file,
                                RecordingFormat format) override;
    RecordingStatus stop_recording() override { return recorder_.stop(); }
    RecordingStatus recording() const override { return recorder_.status(); }

    // Every block the device plays, for a view of what is heard.
    OutputTap& output_tap() { return tap_; }

    // The mixer behind the device, for measurements; null without a device.
    const Mixer* mixer() const { return mixer_.get(); }

  private:
    static void callback(void* self, std::uint8_t* stream, int bytes);

    LibraryMessages messages_;
    bool audio_started_ = false; // SDL's audio subsystem is ours to quit
    std::uint32_t device_ = 0;
    int devices_ = 0;
    Recorder recorder_{Recorder::Writer::own_thread};
    OutputTap tap_;
    std::unique_ptr<Mixer> mixer_;
    std::unique_ptr<Worker> feeder_;
    std::unique_ptr<Worker> loader_;
};

} // namespace zenka::sound
