#include "platform/sound/resampler.h"

#include <samplerate.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace zenka::sound {

void Resampler::Deleter::operator()(SRC_STATE_tag* state) const {
    src_delete(state);
}

Resampler::Resampler(Quality quality, double ratio) : ratio_(ratio) {
    if (!(ratio > 0.0) || src_is_valid_ratio(ratio) == 0) return;
    int error = 0;
    const int type = quality == Quality::Fastest ? SRC_SINC_FASTEST : SRC_SINC_MEDIUM_QUALITY;
    state_.reset(src_new(type, 1, &error));
}

Resampler::Step Resampler::process(std::span<const float> in, std::span<float> out, bool last) {
    if (!state_) return {};
    // libsamplerate refuses a null input even when there is none (the last call
    // that drains it has none).
    static const float kNothing = 0.0f;
    SRC_DATA data{};
    data.data_in = in.empty() ? &kNothing : in.data();
    data.input_frames = static_cast<long>(in.size());
    data.data_out = out.data();
    data.output_frames = static_cast<long>(out.size());
    data.end_of_input = last ? 1 : 0;
    data.src_ratio = ratio_;
    if (src_process(state_.get(), &data) != 0) return {};
    return {static_cast<std::size_t>(data.input_frames_used),
            static_cast<std::size_t>(data.output_frames_gen)};
}

void Resampler::reset() {
    if (state_) src_reset(state_.get());
}

namespace {

constexpr std::size_t kChunk = 4096;

// Feeds the converter from `input` (which fills a buffer and returns how much it
// wrote, 0 at the end) and hands every converted piece to `output`, which returns
// false once it wants no more.
void convert(Resampler& resampler, const std::function<std::size_t(std::span<float>)>& input,
             const std::function<bool(std::span<const float>)>& output) {
    std::array<float, kChunk> in{};
    std::array<float, kChunk> out{};
    std::size_t have = 0;
    std::size_t at = 0;
    bool last = false;
    for (;;) {
        if (at == have && !last) {
            have = input(in);
            at = 0;
            last = have < in.size();
        }
        const auto step =
            resampler.process(std::span<const float>(in).subspan(at, have - at), out, last);
        at += step.used;
        if (step.made > 0 && !output(std::span<const float>(out.data(), step.made))) return;
        if (step.made == 0 && step.used == 0 && (last || at < have)) return; // drained, or stuck
    }
}

} // namespace

std::vector<float> resample(std::span<const float> in, double ratio, Quality quality) {
    if (ratio == 1.0) return {in.begin(), in.end()};
    Resampler resampler(quality, ratio);
    if (!resampler) return {};
    std::vector<float> result;
    result.reserve(static_cast<std::size_t>(std::ceil(static_cast<double>(in.size()) * ratio)) +
                   16);
    std::size_t next = 0;
    convert(
        resampler,
        [&](std::span<float> buffer) {
            const std::size_t n = std::min(buffer.size(), in.size() - next);
            std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(next), n, buffer.begin());
            next += n;
            return n;
        },
        [&](std::span<const float> piece) {
            result.insert(result.end(), piece.begin(), piece.end());
            return true;
        });
    return result;
}

std::vector<float> resample_loop(std::span<const float> loop, double ratio, Quality quality) {
    const std::size_t length = loop.size();
    if (length == 0 || !(ratio > 0.0)) return {};
    const auto period = static_cast<std::size_t>(std::llround(static_cast<double>(length) * ratio));
    if (period == length) return {loop.begin(), loop.end()};
    if (period == 0) return {};

    // Whole periods of padding on both sides cover the filter's reach (about 50
    // input samples for the medium converter, more when rates go down), so the
    // middle period is converted exactly as in an endless repetition. With the
    // exact ratio period / length, output sample pad * period falls on input
    // sample pad * length, the start of a period.
    constexpr std::size_t kReach = 1024;
    const std::size_t pad = (kReach + length - 1) / length;
    const std::size_t total_in = (2 * pad + 1) * length;
    const std::size_t skip = pad * period;
    Resampler resampler(quality, static_cast<double>(period) / static_cast<double>(length));
    if (!resampler) return {};

    std::vector<float> result;
    result.reserve(period);
    std::size_t next = 0;
    std::size_t made = 0;
    convert(
        resampler,
        [&](std::span<float> buffer) {
            const std::size_t n = std::min(buffer.size(), total_in - next);
            for (std::size_t i = 0; i < n; ++i)
                buffer[i] = loop[(next + i) % length];
            next += n;
            return n;
        },
        [&](std::span<const float> piece) {
            for (const float v : piece) {
                if (made >= skip && result.size() < period) result.push_back(v);
                ++made;
            }
            return result.size() < period;
        });
    if (result.size() != period) return {};
    return result;
}

} // namespace zenka::sound
