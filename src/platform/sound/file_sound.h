#pragma once
// A sound output that mixes into a 48 kHz mono WAV file instead of a device; a
// file too long for the 32-bit sizes of a WAV is written as RF64, the WAV with
// 64-bit sizes.
// Time stands still between calls to advance(), which renders that much of the
// mix at once on the calling thread; every other call takes effect at the
// current end of the output. No threads of its own: the same calls give the
// same file every time. A recording taps the same mix and is written after
// every block, on the thread that advances.

#include "platform/sound/mixer.h"
#include "platform/sound/recorder.h"
#include "platform/sound_output.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

struct sf_private_tag; // libsndfile's SNDFILE

namespace zenka::sound {

class FileSound final : public SoundOutput {
  public:
    enum class Format { Pcm16, Float };
    enum class Container { Wave, Rf64 };
    static constexpr std::size_t kBlock = 512; // samples mixed at a time
    // The most a RIFF chunk can hold, and what the head of a WAV file may take of it.
    static constexpr std::uint64_t kRiffLimit = 0xFFFFFFFFull;
    static constexpr std::uint64_t kHeadRoom = 1024;

    // A plain WAV while `samples` of `format` and the file's head fit into
    // `limit` bytes, else RF64.
    static Container container_for(std::uint64_t samples, Format format,
                                   std::uint64_t limit = kRiffLimit);

    // An output file that cannot be created leaves device_count() at 0 and
    // advance() doing nothing.
    FileSound(const std::filesystem::path& out, RecordingsFolder folder,
              Format format = Format::Pcm16, Container container = Container::Wave);
    // Writes into the open descriptor `fd`, which stays the caller's.
    FileSound(int fd, RecordingsFolder folder, Format format = Format::Pcm16,
              Container container = Container::Wave);
    ~FileSound() override; // completes the file
    FileSound(const FileSound&) = delete;
    FileSound& operator=(const FileSound&) = delete;

    int device_count() const override { return file_ ? 1 : 0; }

    using SoundOutput::open_channel;
    void open_channel(int k, const std::filesystem::path& file,
                      const ChannelSound& sound) override {
        mixer_.open_channel(k, file, sound);
    }
    void close_channel(int k) override { mixer_.close_channel(k); }
    void open_neighbour(int i, const std::filesystem::path& file,
                        const NeighbourSound& sound) override {
        mixer_.open_neighbour(i, file, sound);
    }
    void close_neighbour(int i) override { mixer_.close_neighbour(i); }
    void loop_carrier(const std::filesystem::path& file) override { mixer_.loop_carrier(file); }
    void stop_carrier() override { mixer_.stop_carrier(); }
    void play_recording(std::string_view name) override { mixer_.play_recording(name); }
    void close_recording(std::string_view name) override { mixer_.close_recording(name); }
    void start_noise() override { mixer_.start_noise(); }
    void stop_noise() override { mixer_.stop_noise(); }
    void set_receiver(const ReceiverSound& r) override { mixer_.set_receiver(r); }
    void set_plain_audio(bool plain) override { mixer_.set_plain(plain); }
    std::string start_recording(const std::filesystem::path& file,
                                RecordingFormat format) override {
        return recorder_.start(file, format);
    }
    RecordingStatus stop_recording() override { return recorder_.stop(); }
    RecordingStatus recording() const override { return recorder_.status(); }

    // Renders the next `span` (48 samples per millisecond) of the mix.
    void advance(std::chrono::milliseconds span);
    void advance_samples(std::uint64_t samples);
    // Samples rendered so far.
    std::uint64_t position() const;

    // Completes the file; false when any write failed (from the first failure on,
    // nothing more is written).
    bool finish();
    bool failed() const { return failed_; }
    // What failed, empty while nothing has.
    const std::string& error() const { return error_; }

  private:
    void start(sf_private_tag* file);
    void fail(const char* what);

    struct Closer {
        void operator()(sf_private_tag* file) const;
    };

    Mixer mixer_;
    Recorder recorder_{Recorder::Writer::caller};
    mutable std::mutex rendering_;
    std::unique_ptr<sf_private_tag, Closer> file_;
    std::uint64_t position_ = 0;
    bool failed_ = false;
    std::string error_;
};

} // namespace zenka::sound
