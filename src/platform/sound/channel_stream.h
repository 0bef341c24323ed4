#pragma once
// One playing of one channel file: the file is decoded and converted to 48 kHz
// a piece at a time into a bounded ring, so an emission of hours never sits in
// memory. Each open_channel makes a new stream; a closed stream is never fed or
// heard again, whatever happens to its file afterwards.
//
// Threads: fill() runs on one producer thread at a time (the opener before the
// stream is published, the feeder after); pop_add() runs on the audio thread;
// close() and closed() anywhere.

#include "platform/sound/resampler.h"
#include "platform/sound/sample_ring.h"
#include "platform/sound/sound_file.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace zenka::sound {

class ChannelStream {
  public:
    static constexpr std::size_t kCapacity = 32768; // 0.68 s at 48 kHz
    static constexpr std::size_t kPrefill = 4096;   // 85 ms, converted before the stream plays

    // A file that cannot be played makes a stream that is silent and done.
    explicit ChannelStream(const std::filesystem::path& file);

    // Producer: converts until `target` samples are buffered (at most kCapacity)
    // or the file is used up. Does nothing once closed.
    void fill(std::size_t target = kCapacity);
    // Producer: the whole file is in the ring (or the file could not be read).
    bool drained() const { return done_; }
    // The file's own sample rate; 0 when it could not be opened.
    int rate() const { return rate_; }

    // Audio thread: adds up to out.size() samples times `gain` onto `out`.
    std::size_t pop_add(std::span<float> out, float gain) noexcept {
        return ring_.pop_add(out, gain);
    }
    // Audio thread only: whether this stream has been heard yet.
    bool heard = false;

    void close() noexcept { closed_.store(true, std::memory_order_relaxed); }
    bool closed() const noexcept { return closed_.load(std::memory_order_relaxed); }

  private:
    static constexpr std::size_t kReadChunk = 1024; // input samples per read

    SoundFile file_;
    int rate_ = 0;
    std::optional<Resampler> resampler_; // none at 48 kHz: samples pass unchanged
    SampleRing ring_;
    std::vector<float> in_;
    std::vector<float> out_;
    std::size_t in_at_ = 0;
    std::size_t in_have_ = 0;
    bool in_last_ = false; // in_ holds the file's last samples
    bool done_ = false;
    std::atomic<bool> closed_{false};
};

} // namespace zenka::sound
