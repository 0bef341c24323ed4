#include "platform/sound/channel_play.h"

#include "platform/sound/mix_levels.h"
#include "platform/sound/random_draw.h"

#include <algorithm>
#include <cmath>

namespace zenka::sound {
namespace {

constexpr double kStepRate = static_cast<double>(kMixRate) / ChannelPlay::kStep;

} // namespace

ChannelPlay::ChannelPlay(const std::filesystem::path& file, const ChannelSound& sound, float gain)
    : stream(file), sound_(sound), offset_hz_(sound.offset_hz), gain_(gain), quiet_(kMixRate) {
    const int rate = stream.rate();
    if (rate > 0 && rate <= kMixRate && !sound.spark) {
        // A mark is an 8-sample cycle (pitch rate / 8); frequency-shift keying
        // fills the gaps with a 12-sample cycle, so one shaper follows both from
        // between them with a wider envelope.
        const double mark = rate / 8.0;
        const double pitch = sound.f1 ? rate * 5.0 / 48.0 : mark;
        const double corner = sound.f1 ? 1.6 * rate / 48.0 + kKeyingCornerHz : kKeyingCornerHz;
        shaper_ = ToneShaper(pitch, corner, sound.chirp_hz, rate, kMixRate);
        shaped_ = true;
        audible_ = std::fabs(pitch + offset_hz_) < kHighestHz;
    }
    shifted_ = !shaped_ && (offset_hz_ != 0.0 || sound.drift_hz > 0.0 || sound.chirp_hz > 0.0);
    if (sound.fade_rate_hz > 0.0 && sound.fade_depth > 0.0)
        fading_ = Wander(sound.fade_rate_hz, kStepRate, mix_seed(sound.seed, 1));
    if (sound.drift_hz > 0.0) drift_ = Drift(sound.drift_hz, kStepRate, mix_seed(sound.seed, 2));
    step_path();
    fade_from_ = fade_to_;
}

void ChannelPlay::step_path() noexcept {
    fade_from_ = fade_to_;
    if (sound_.fade_rate_hz > 0.0 && sound_.fade_depth > 0.0) {
        const double depth = std::clamp(sound_.fade_depth, 0.0, 1.0);
        fade_to_ = (1.0 - depth) + depth * std::abs(fading_.step());
    }
    if (sound_.drift_hz > 0.0) drift_hz_ = drift_.step();
    in_step_ = 0;
}

// The stream is read one way or the other; a change of way starts the new one
// afresh from where the stream is.
void ChannelPlay::use(Path path) noexcept {
    if (path == path_) return;
    if (path_ == Path::shaped) stream.restart();
    if (path_ == Path::converted) shaper_.reset();
    path_ = path;
}

std::size_t ChannelPlay::add_plain(std::span<float> out, float gain) noexcept {
    use(Path::converted);
    std::size_t used = 0;
    for (std::size_t done = 0; done < out.size();) {
        const std::size_t n = std::min(out.size() - done, kStep);
        const auto got = stream.convert(std::span<float>(scratch_.data(), n));
        for (std::size_t i = 0; i < got.made; ++i)
            out[done + i] += gain * scratch_[i];
        used += got.used;
        if (got.made < n) break; // the stream has nothing more for now
        done += n;
    }
    return used;
}

// The next piece of the station's tone through the shaper.
std::size_t ChannelPlay::add_shaped(std::span<float> piece, double gain) noexcept {
    const std::size_t want = shaper_.needs(piece.size());
    const std::span<float> in(scratch_.data(), want);
    const std::size_t taken = stream.take(in);
    if (taken == 0 && shaper_.quiet()) {
        // Nothing from the file and nothing ringing: silence, exactly.
        shaper_.reset();
        return 0;
    }
    std::fill(in.begin() + static_cast<std::ptrdiff_t>(taken), in.end(), 0.0f);
    const double slope = (fade_to_ - fade_from_) / static_cast<double>(kStep);
    const double fade = fade_from_ + slope * static_cast<double>(in_step_);
    shaper_.add(piece, in, offset_hz_ + drift_hz_, gain * fade, gain * slope);
    return taken;
}

void ChannelPlay::shift(std::span<float> piece) noexcept {
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
    shifter_.process(piece, offset_hz_ + drift_hz_ + spark_chirp_);
    spark_chirp_ *= std::exp(-static_cast<double>(piece.size()) / (0.025 * kMixRate));
}

// The next piece converted to 48 kHz as it is (a spark's note), moved whole.
std::size_t ChannelPlay::add_converted(std::span<float> piece, double gain) noexcept {
    const std::span<float> in(scratch_.data(), piece.size());
    const auto got = stream.convert(in);
    if (got.made == 0) return 0;
    std::fill(in.begin() + static_cast<std::ptrdiff_t>(got.made), in.end(), 0.0f);
    if (shifted_) shift(in);
    // The fading gain moves in a straight line across the step.
    const double slope = (fade_to_ - fade_from_) / static_cast<double>(kStep);
    for (std::size_t i = 0; i < in.size(); ++i) {
        const double fade = fade_from_ + slope * static_cast<double>(in_step_ + i);
        piece[i] += static_cast<float>(gain * fade) * in[i];
    }
    return got.used;
}

std::size_t ChannelPlay::add(std::span<float> out, float gain, bool plain) noexcept {
    if (plain) return add_plain(out, gain);
    if (!audible_) return 0;
    use(shaped_ ? Path::shaped : Path::converted);
    const double level = static_cast<double>(gain) * gain_;
    std::size_t used = 0;
    std::size_t done = 0;
    while (done < out.size()) {
        if (in_step_ == kStep) step_path();
        const std::size_t n = std::min(out.size() - done, kStep - in_step_);
        const std::span<float> piece = out.subspan(done, n);
        used += shaped_ ? add_shaped(piece, level) : add_converted(piece, level);
        in_step_ += n;
        done += n;
    }
    return used;
}

} // namespace zenka::sound
