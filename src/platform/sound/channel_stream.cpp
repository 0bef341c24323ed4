#include "platform/sound/channel_stream.h"

#include "platform/sound/mix_levels.h"

#include <algorithm>

namespace zenka::sound {

ChannelStream::ChannelStream(const std::filesystem::path& file)
    : file_(open_regular(file)), ring_(kCapacity) {
    if (!file_) {
        done_ = true;
        return;
    }
    rate_ = file_.rate();
    in_.resize(kReadChunk);
    if (file_.rate() != kMixRate) {
        resampler_.emplace(Quality::Fastest, static_cast<double>(kMixRate) / file_.rate());
        if (!*resampler_) {
            file_.close();
            done_ = true;
            return;
        }
        out_.resize(4096);
    }
}

void ChannelStream::fill(std::size_t target) {
    target = std::min(target, ring_.capacity());
    while (!done_ && !closed()) {
        const std::size_t space = ring_.space();
        if (ring_.capacity() - space >= target || space == 0) return;
        if (in_at_ == in_have_ && !in_last_) {
            in_have_ = file_.read_mono(in_);
            in_at_ = 0;
            in_last_ = in_have_ < in_.size();
            if (in_last_) file_.close(); // everything is read: let go of the file
        }
        const std::span<const float> input =
            std::span<const float>(in_).subspan(in_at_, in_have_ - in_at_);
        if (!resampler_) {
            in_at_ += ring_.push(input);
            done_ = in_last_ && in_at_ == in_have_;
            continue;
        }
        const auto step = resampler_->process(
            input, std::span<float>(out_).first(std::min(out_.size(), space)), in_last_);
        in_at_ += step.used;
        ring_.push(std::span<const float>(out_).first(step.made));
        if (step.made == 0 && step.used == 0 && (in_last_ || in_at_ < in_have_)) done_ = true;
    }
}

} // namespace zenka::sound
