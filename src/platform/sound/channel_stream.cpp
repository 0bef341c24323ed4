#include "platform/sound/channel_stream.h"

#include "platform/sound/mix_levels.h"

#include <algorithm>

namespace zenka::sound {

ChannelStream::ChannelStream(const std::filesystem::path& file)
    : file_(open_regular(file)), ring_(kCapacity) {
    if (!file_) {
        finish();
        return;
    }
    rate_ = file_.rate();
    in_.resize(kReadChunk);
    if (file_.rate() != kMixRate) {
        resampler_.emplace(Quality::Fastest, static_cast<double>(kMixRate) / file_.rate());
        if (!*resampler_) {
            file_.close();
            rate_ = 0;
            finish();
        }
    }
}

void ChannelStream::finish() noexcept {
    done_ = true;
    ended_.store(true, std::memory_order_release);
}

void ChannelStream::fill(std::size_t target) {
    target = std::min(target, ring_.capacity());
    while (!done_ && !closed()) {
        const std::size_t space = ring_.space();
        if (ring_.capacity() - space >= target || space == 0) return;
        if (in_at_ == in_have_) {
            in_have_ = file_.read_mono(in_);
            in_at_ = 0;
            in_last_ = in_have_ < in_.size();
            if (in_last_) file_.close(); // everything is read: let go of the file
        }
        in_at_ += ring_.push(std::span<const float>(in_).subspan(in_at_, in_have_ - in_at_));
        if (in_last_ && in_at_ == in_have_) finish();
    }
}

std::size_t ChannelStream::take(std::span<float> out) noexcept {
    std::size_t done = 0;
    while (done < out.size()) {
        const std::span<const float> ready = ring_.peek();
        const std::size_t n = std::min(ready.size(), out.size() - done);
        if (n == 0) break;
        std::copy_n(ready.data(), n, out.data() + done);
        ring_.drop(n);
        done += n;
    }
    return done;
}

ChannelStream::Converted ChannelStream::convert(std::span<float> out) noexcept {
    if (!resampler_) {
        const std::size_t n = take(out);
        return {n, n};
    }
    Converted c;
    while (c.made < out.size()) {
        // Read before looking at the ring: when the file has ended, everything
        // left is in it, so a view of all of it is the last input there is.
        const bool ended_now = ended();
        const std::span<const float> ready = ring_.peek(ahead_);
        const bool last = ended_now && ahead_ + ready.size() == ring_.available();
        const auto step = resampler_->process(ready, out.subspan(c.made), last);
        ahead_ += step.used;
        c.made += step.made;
        c.used += step.used;
        if (step.made == 0 && step.used == 0) break; // waiting for input, or drained
    }
    // Output sample j stands for input sample j x rate / 48000: what lies
    // wholly behind the output is let go of.
    made_ += c.made;
    const std::uint64_t passed = std::min<std::uint64_t>(
        made_ * static_cast<std::uint64_t>(rate_) / kMixRate, dropped_ + ahead_);
    ring_.drop(static_cast<std::size_t>(passed - dropped_));
    ahead_ -= static_cast<std::size_t>(passed - dropped_);
    dropped_ = passed;
    return c;
}

void ChannelStream::restart() noexcept {
    if (!resampler_) return;
    resampler_->reset();
    ahead_ = 0;
    made_ = 0;
    dropped_ = 0;
}

} // namespace zenka::sound
