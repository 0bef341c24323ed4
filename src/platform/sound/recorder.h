#pragma once
// A recording of the final mix: the audio thread taps every block it hands to
// the device (or to the file) into a ring, without blocking, locking or
// allocating; a writer moves the ring into a WAV (16-bit, RF64 past 4 GiB) or
// FLAC file through libsndfile, written beside its name by AtomicFile and put
// in place, never over another file, when the recording stops.
//
// The disk is reserved ahead of what is written (fallocate, or a look at the
// free space where a file system cannot reserve), so that a full disk stops the
// recording before a write fails: what was recorded up to then is completed as
// a valid file and kept, and status() says why it stopped.
//
// Threads: tap() on the audio thread; start(), stop() and status() on any
// other; drain() on the writer, which is a thread of the recorder's own
// (Writer::own_thread, every 50 ms) or the caller (Writer::caller, after every
// block: a rendering output without threads).

#include "platform/recording_status.h"
#include "platform/sound/sample_ring.h"
#include "platform/sound/worker.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <span>
#include <string>

namespace zenka::sound {

class Recorder {
  public:
    enum class Writer { own_thread, caller };
    // 5.5 s at 48 kHz: what a stalled disk may hold up before samples are lost.
    static constexpr std::size_t kRingSamples = std::size_t{1} << 18;
    // Free space kept for completing the file, and reserved ahead of the writes.
    static constexpr std::uint64_t kSlack = 64 * 1024;
    static constexpr std::uint64_t kAhead = 256 * 1024;

    explicit Recorder(Writer writer, std::size_t ring_samples = kRingSamples);
    ~Recorder(); // stops and completes a recording that runs
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Audio thread: the block just mixed, kept while a recording runs.
    void tap(std::span<const float> block) noexcept;

    // As SoundOutput::start_recording: empty, or why not.
    std::string start(const std::filesystem::path& file, RecordingFormat format);
    RecordingStatus stop();
    RecordingStatus status() const;

    // The writer: moves what was tapped into the file.
    void drain();

  private:
    struct Take;

    void disarm() noexcept;
    void write_locked();
    bool room_for(std::size_t samples);
    void finish_locked(std::string why);

    const Writer writer_kind_;
    SampleRing ring_;
    // Audio thread and control: a recording runs; the audio thread is in tap().
    std::atomic<bool> armed_{false};
    std::atomic<bool> tapping_{false};
    std::atomic<std::uint64_t> tapped_{0}; // samples into the ring
    std::atomic<std::uint64_t> lost_{0};   // samples the full ring could not take

    std::mutex control_;    // one start() or stop() at a time
    std::mutex file_mutex_; // the writer's: guards take_
    std::unique_ptr<Take> take_;
    std::uint64_t written_ = 0; // samples in the file; guarded by file_mutex_

    mutable std::mutex status_mutex_;
    RecordingStatus status_; // but seconds, bytes and lost, kept below
    std::atomic<std::uint64_t> bytes_{0};
    std::atomic<std::uint64_t> kept_{0}; // samples of a finished recording

    std::unique_ptr<Worker> writer_; // last: stops first
};

} // namespace zenka::sound
