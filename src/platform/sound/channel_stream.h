#pragma once
// One playing of one channel file: the file is decoded a piece at a time into a
// bounded ring of its own samples, at its own rate, so an emission of hours
// never sits in memory. The audio thread takes the samples as they are (for the
// receiver's envelope path) or converted to 48 kHz. Each open_channel makes a
// new stream; a closed stream is never fed or heard again, whatever happens to
// its file afterwards.
//
// Threads: fill() runs on one producer thread at a time (the opener before the
// stream is published, the feeder after); take(), convert(), restart() and
// ended() run on the audio thread; close() and closed() anywhere.

#include "platform/sound/resampler.h"
#include "platform/sound/sample_ring.h"
#include "platform/sound/sound_file.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace zenka::sound {

class ChannelStream {
  public:
    // File samples buffered: 0.68 s at 48 kHz, 2 s at 16 kHz.
    static constexpr std::size_t kCapacity = 32768;
    // File samples read before the stream plays: at any rate up to 48 kHz, more
    // than a block of the mix needs.
    static constexpr std::size_t kPrefill = 4096;

    // A file that cannot be played makes a stream that is silent and done.
    explicit ChannelStream(const std::filesystem::path& file);

    // Producer: reads until `target` samples are buffered (at most kCapacity) or
    // the file is used up. Does nothing once closed.
    void fill(std::size_t target = kCapacity);
    // Producer: the whole file is in the ring (or the file could not be read).
    bool drained() const { return done_; }
    // The file's own sample rate; 0 when it could not be opened.
    int rate() const { return rate_; }

    // Audio thread: moves up to out.size() of the file's samples into `out`;
    // returns how many.
    std::size_t take(std::span<float> out) noexcept;
    struct Converted {
        std::size_t made = 0; // samples at 48 kHz written
        std::size_t used = 0; // file samples they took
    };
    // Audio thread: writes up to out.size() samples of the file at 48 kHz.
    Converted convert(std::span<float> out) noexcept;
    // Audio thread: conversion starts afresh from where the stream is heard up
    // to; take() goes on from there too.
    void restart() noexcept;
    // Audio thread: every sample of the file is in the ring or taken: what the
    // ring holds is all that is left.
    bool ended() const noexcept { return ended_.load(std::memory_order_acquire); }

    // Audio thread only: whether this stream has been heard yet.
    bool heard = false;

    void close() noexcept { closed_.store(true, std::memory_order_relaxed); }
    bool closed() const noexcept { return closed_.load(std::memory_order_relaxed); }

  private:
    static constexpr std::size_t kReadChunk = 1024; // file samples per read

    void finish() noexcept;

    SoundFile file_;
    int rate_ = 0;
    SampleRing ring_;
    std::vector<float> in_;
    std::size_t in_at_ = 0;
    std::size_t in_have_ = 0;
    bool in_last_ = false; // in_ holds the file's last samples
    bool done_ = false;
    std::atomic<bool> ended_{false};
    std::atomic<bool> closed_{false};
    // Audio thread. The converter reads ahead of what it has made (it keeps
    // some input of its own): the ring lets go only of the samples that the
    // output has passed, so that take() goes on from where the sound is.
    std::optional<Resampler> resampler_;   // none at 48 kHz
    std::size_t ahead_ = 0;                // samples the converter holds beyond the ring's start
    std::uint64_t made_ = 0, dropped_ = 0; // since the converter started
};

} // namespace zenka::sound
