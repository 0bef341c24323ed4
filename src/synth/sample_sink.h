#pragma once
// Collects the runs of a render as references into the pattern banks and hands
// them to the file in large gathered writes: no per-sample work, no buffer that
// grows with the length of the text.

#include "platform/rewrite_file.h"
#include "synth/waveforms.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zenka {

// A stretch of sound in the output: bytes [from, to) of one pattern.
struct SoundRun {
    std::uint64_t from = 0;
    std::uint64_t to = 0;
    const Pattern* pattern = nullptr;
};

class SampleSink {
  public:
    // Starts writing at `offset` of `file`; at most `limit` bytes are kept. With no
    // file the sink only counts.
    void begin(RewriteFile* file, std::uint64_t offset, std::uint64_t limit);
    // `cycles` whole periods of `pattern`; a null pattern writes nothing.
    void repeat(const Pattern* pattern, std::uint64_t cycles);
    void silence(std::uint64_t samples) { repeat(&silence_pattern(), samples); }
    // From now on notes into `runs` every run of sound (any pattern but silence) that
    // starts before byte `until`, a run of the same pattern that goes on from the last
    // one growing it; null stops noting.
    void track(std::vector<SoundRun>* runs, std::uint64_t until) {
        runs_seen_ = runs;
        until_ = until;
    }
    // Writes what is pending; false if any write failed.
    bool end();

    std::uint64_t written() const { return written_; }
    bool failed() const { return failed_; }
    // True once `limit` was reached: everything after it is dropped.
    bool full() const { return written_ >= limit_; }
    // True when something was dropped at the limit.
    bool dropped() const { return dropped_; }

  private:
    void flush();
    void note(const Pattern* pattern, std::uint64_t from, std::uint64_t to);

    static constexpr std::size_t kRuns = 1024;
    std::array<ByteRun, kRuns> runs_{};
    std::size_t pending_ = 0;
    RewriteFile* file_ = nullptr;
    std::uint64_t offset_ = 0;  // file offset of the first pending run
    std::uint64_t written_ = 0; // bytes accepted so far
    std::uint64_t limit_ = 0;
    bool failed_ = false;
    bool dropped_ = false;
    std::vector<SoundRun>* runs_seen_ = nullptr;
    std::uint64_t until_ = 0;
};

} // namespace zenka
