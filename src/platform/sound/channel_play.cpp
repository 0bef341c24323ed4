#include "platform/sound/channel_play.h"

#include "platform/sound/mix_levels.h"
#include "platform/sound/random_draw.h"

#include <algorithm>
#include <cmath>

namespace zenka::sound {
namespace {

constexpr double kStepRate = static_cast<double>(kMixRate) / ChannelPlay::kStep;
// The slow wander of a drifting transmitter bends at one cycle in 30 s.
constexpr double kDriftCornerHz = 1.0 / 30.0;

} // namespace

ChannelPlay::ChannelPlay(const std::filesystem::path& file, const ChannelSound& sound)
    : stream(file), sound_(sound), quiet_(kMixRate) {
    const int rate = stream.rate();
    if (rate > 0 && !sound.spark) {
        // A mark is an 8-sample cycle (pitch rate / 8); frequency-shift keying
        // fills the gaps with a 12-sample cycle, so one shaper follows both from
        // between them with a wider envelope.
        const double mark = rate / 8.0;
        const double pitch = sound.f1 ? rate * 5.0 / 48.0 : mark;
        const double corner = sound.f1 ? 1.6 * rate / 48.0 + kKeyingCornerHz : kKeyingCornerHz;
        if (pitch + corner < kMixRate / 2.0) {
            shaper_ = ToneShaper(pitch, corner, sound.chirp_hz, kMixRate);
            shaped_ = true;
        }
    }
    shifted_ = sound.spark && (sound.drift_hz > 0.0 || sound.chirp_hz > 0.0);
    if (sound.fade_rate_hz > 0.0 && sound.fade_depth > 0.0)
        fading_ = Wander(sound.fade_rate_hz, kStepRate, mix_seed(sound.seed, 1));
    if (sound.drift_hz > 0.0) drift_ = Wander(kDriftCornerHz, kStepRate, mix_seed(sound.seed, 2));
    step_path();
    fade_from_ = fade_to_;
}

void ChannelPlay::step_path() noexcept {
    fade_from_ = fade_to_;
    if (sound_.fade_rate_hz > 0.0 && sound_.fade_depth > 0.0) {
        const double depth = std::clamp(sound_.fade_depth, 0.0, 1.0);
        fade_to_ = (1.0 - depth) + depth * std::abs(fading_.step());
    }
    if (sound_.drift_hz > 0.0) offset_hz_ = sound_.drift_hz * drift_.step().real();
    in_step_ = 0;
}

void ChannelPlay::shift_spark(std::span<float> piece) noexcept {
    constexpr std::size_t kQuiet = kMixRate / 50; // 20 ms
    bool onset = false;
    for (const float v : piece) {
        if (std::fabs(v) > 1e-3f) {
            onset = onset || quiet_ >= kQuiet;
            quiet_ = 0;
        } else {
            ++quiet_;
        }
    }
    if (onset) spark_chirp_ = sound_.chirp_hz;
    shifter_.process(piece, offset_hz_ + spark_chirp_);
    spark_chirp_ *= std::exp(-static_cast<double>(piece.size()) / (0.025 * kMixRate));
}

std::size_t ChannelPlay::add(std::span<float> out, float gain, bool plain) noexcept {
    if (plain) return stream.pop_add(out, gain);
    std::size_t got = 0;
    std::size_t done = 0;
    while (done < out.size()) {
        if (in_step_ == kStep) step_path();
        const std::size_t n = std::min(out.size() - done, kStep - in_step_);
        const std::span<float> piece(scratch_.data(), n);
        std::fill(piece.begin(), piece.end(), 0.0f);
        const std::size_t taken = stream.pop_add(piece, 1.0f);
        got += taken;
        if (taken == 0 && (!shaped_ || shaper_.quiet())) {
            // Nothing from the file and nothing ringing: silence, exactly.
            shaper_.reset();
            in_step_ += n;
            done += n;
            continue;
        }
        if (shaped_) shaper_.process(piece, offset_hz_);
        if (shifted_) shift_spark(piece);
        // The fading gain moves in a straight line across the step.
        const double slope = (fade_to_ - fade_from_) / static_cast<double>(kStep);
        for (std::size_t i = 0; i < n; ++i) {
            const double fade = fade_from_ + slope * static_cast<double>(in_step_ + i);
            out[done + i] += static_cast<float>(gain * fade) * piece[i];
        }
        in_step_ += n;
        done += n;
    }
    return got;
}

} // namespace zenka::sound
