#include "synth/sample_sink.h"

#include <algorithm>

namespace zenka {

void SampleSink::begin(RewriteFile* file, std::uint64_t offset, std::uint64_t limit) {
    file_ = file;
    offset_ = offset;
    written_ = 0;
    limit_ = limit;
    pending_ = 0;
    failed_ = false;
    dropped_ = false;
}

void SampleSink::repeat(const Pattern* pattern, std::uint64_t cycles) {
    if (pattern == nullptr || failed_) return;
    const std::uint64_t wanted = cycles * pattern->period;
    std::uint64_t bytes = std::min(wanted, limit_ - written_);
    if (bytes < wanted) dropped_ = true;
    if (runs_seen_ != nullptr && bytes > 0 && written_ < until_ && pattern != &silence_pattern())
        note(pattern, written_, written_ + bytes);
    written_ += bytes;
    // A run right after one of the same pattern grows it while the bank has room
    // (every run is a whole number of periods, so the phase carries on).
    if (bytes > 0 && pending_ > 0 && runs_[pending_ - 1].data == pattern->bank) {
        ByteRun& last = runs_[pending_ - 1];
        const std::size_t grow = static_cast<std::size_t>(
            std::min<std::uint64_t>(bytes, pattern->bank_size - last.size));
        last.size += grow;
        bytes -= grow;
    }
    while (bytes > 0) {
        const auto chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(bytes, pattern->bank_size));
        runs_[pending_++] = {pattern->bank, chunk};
        bytes -= chunk;
        if (pending_ == kRuns) flush();
    }
}

void SampleSink::note(const Pattern* pattern, std::uint64_t from, std::uint64_t to) {
    std::vector<SoundRun>& runs = *runs_seen_;
    if (!runs.empty() && runs.back().to == from && runs.back().pattern == pattern)
        runs.back().to = to;
    else
        runs.push_back({from, to, pattern});
}

void SampleSink::flush() {
    if (pending_ == 0 || failed_) return;
    std::uint64_t size = 0;
    for (std::size_t i = 0; i < pending_; ++i)
        size += runs_[i].size;
    if (file_ != nullptr &&
        !file_->write_at(offset_, std::span<const ByteRun>(runs_.data(), pending_)))
        failed_ = true;
    offset_ += size;
    pending_ = 0;
}

bool SampleSink::end() {
    flush();
    return !failed_;
}

} // namespace zenka
