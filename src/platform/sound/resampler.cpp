#include "platform/sound/resampler.h"

#include <samplerate.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numeric>

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

LoopPlan plan_loop(std::size_t length, double ratio) {
    LoopPlan plan;
    if (length == 0 || !(ratio > 0.0)) return plan;
    plan.period = static_cast<std::size_t>(std::llround(static_cast<double>(length) * ratio));
    if (plan.period == 0 || plan.period == length) return plan;
    // Input before and after the period covers the filter's reach (about 46
    // input samples for the medium converter, 46 / ratio when the rate goes
    // down), so the period is converted exactly as in an endless repetition.
    // With the exact ratio period / length, output j stands for input
    // j * length / period: a lead-in of a multiple of length / gcd(length,
    // period) puts an output sample on the start of the loop. Where that
    // multiple would be long, a lead-in of the reach alone starts the period
    // less than one output sample late, which repeats just as seamlessly.
    // Either way the work is one period and a little, whatever the rate.
    constexpr std::size_t kAlignedLeadMax = 1024;
    const std::size_t reach = 64 * static_cast<std::size_t>(std::ceil(std::max(1.0, 1.0 / ratio)));
    const std::size_t step = length / std::gcd(length, plan.period);
    plan.lead = step <= kAlignedLeadMax ? (reach + step - 1) / step * step : reach;
    plan.input = plan.lead + length + reach;
    plan.skip = (plan.lead * plan.period + length - 1) / length;
    return plan;
}

std::vector<float> resample_loop(std::span<const float> loop, double ratio, Quality quality) {
    const std::size_t length = loop.size();
    const LoopPlan plan = plan_loop(length, ratio);
    const std::size_t period = plan.period;
    if (period == 0) return {};
    if (period == length) return {loop.begin(), loop.end()};
    Resampler resampler(quality, static_cast<double>(period) / static_cast<double>(length));
    if (!resampler) return {};
    const std::size_t first = (length - plan.lead % length) % length; // where the lead-in starts

    std::vector<float> result;
    result.reserve(period);
    std::size_t next = 0;
    std::size_t made = 0;
    convert(
        resampler,
        [&](std::span<float> buffer) {
            const std::size_t n = std::min(buffer.size(), plan.input - next);
            for (std::size_t i = 0; i < n; ++i)
                buffer[i] = loop[(first + next + i) % length];
            next += n;
            return n;
        },
        [&](std::span<const float> piece) {
            for (const float v : piece) {
                if (made >= plan.skip && result.size() < period) result.push_back(v);
                ++made;
            }
            return result.size() < period;
        });
    if (result.size() != period) return {};
    return result;
}

} // namespace zenka::sound
