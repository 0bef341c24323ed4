// The band noise loops with no gap and no repeated sample.

#include "platform/sound/mix_levels.h"
#include "platform/sound/resampler.h"
#include "platform/sound/sound_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace zenka::test {
namespace {

using std::chrono::milliseconds;

TEST(LoopSeam, NoiseAt48kHzIsTheSourceRepeatedExactly) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    const auto noise = white16(12345, 2, 32767);
    write_wav16(folder / "fone/noise.wav", 48000, noise);
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.start_noise();
        s.advance(milliseconds(2000));
    });
    ASSERT_EQ(out.size(), 96000u);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float source = static_cast<float>(noise[i % noise.size()]) / 32768.0f;
        ASSERT_EQ(out[i], sound::kNoiseGain * source) << "sample " << i;
    }
}

TEST(LoopSeam, NoiseAtAnUnevenRateRepeatsWithoutAStep) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    // Three cycles of a sine in 1000 samples at 11025 Hz: 1000 * 48000 / 11025 =
    // 4353.7 output samples, so the loop is 4354 samples long.
    std::vector<std::int16_t> loop(1000);
    for (std::size_t i = 0; i < loop.size(); ++i)
        loop[i] = static_cast<std::int16_t>(
            std::lround(20000.0 * std::sin(2.0 * std::numbers::pi * 3.0 * i / 1000.0)));
    write_wav16(folder / "fone/noise.wav", 11025, loop);
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.start_noise();
        s.advance(milliseconds(1000));
    });
    ASSERT_EQ(out.size(), 48000u);
    constexpr std::size_t kPeriod = 4354;
    for (std::size_t i = kPeriod; i < out.size(); ++i)
        ASSERT_EQ(out[i], out[i - kPeriod]) << i;
    // The step across a seam is no larger than the steps inside the loop.
    float largest_inside = 0.0f;
    for (std::size_t i = 1; i < kPeriod; ++i)
        largest_inside = std::max(largest_inside, std::fabs(out[i] - out[i - 1]));
    EXPECT_GT(largest_inside, 0.0f);
    for (std::size_t seam = kPeriod; seam < out.size(); seam += kPeriod)
        EXPECT_LE(std::fabs(out[seam] - out[seam - 1]), largest_inside * 1.001f) << seam;
}

TEST(LoopSeam, ResampledLoopHasTheRoundedLengthAndTheSourceShape) {
    std::vector<float> loop(100);
    for (std::size_t i = 0; i < loop.size(); ++i)
        loop[i] = static_cast<float>(std::sin(2.0 * std::numbers::pi * i / 100.0));
    const auto twice = sound::resample_loop(loop, 2.0, sound::Quality::Medium);
    ASSERT_EQ(twice.size(), 200u);
    for (std::size_t i = 0; i < twice.size(); ++i)
        ASSERT_NEAR(twice[i], std::sin(2.0 * std::numbers::pi * i / 200.0), 1e-3) << i;
    EXPECT_EQ(sound::resample_loop(loop, 48000.0 / 11025.0, sound::Quality::Medium).size(), 435u);
    EXPECT_EQ(sound::resample_loop(loop, 1.0, sound::Quality::Medium), loop);
    EXPECT_TRUE(sound::resample_loop({}, 2.0, sound::Quality::Medium).empty());
}

// The cost of a loop is one conversion of its period and a little, at every
// rate and for every length, not a conversion of several periods.
TEST(LoopSeam, ALoopIsConvertedOnceWhateverItsRateAndLength) {
    for (const int rate : {200, 8000, 11025, 22050, 44100, 96000, 192000}) {
        const double ratio = 48000.0 / rate;
        for (const std::size_t length :
             {std::size_t{1000}, std::size_t{2003}, std::min<std::size_t>(rate * 120u, 5760000u),
              std::size_t{5292001}}) {
            const sound::LoopPlan plan = sound::plan_loop(length, ratio);
            EXPECT_EQ(plan.period, static_cast<std::size_t>(std::llround(length * ratio)));
            // The medium converter's reach (46 input samples, 46 / ratio going down) before
            // and after.
            const auto reach = static_cast<std::size_t>(std::ceil(46.0 / std::min(ratio, 1.0)));
            EXPECT_GE(plan.lead, reach) << rate << " Hz, " << length;
            EXPECT_GE(plan.input - plan.lead - length, reach) << rate << " Hz, " << length;
            EXPECT_LE(plan.input, length + 2048) << rate << " Hz, " << length;
            // The period starts on the loop's start, or less than one output sample after it.
            const double start = static_cast<double>(plan.skip) * length / plan.period;
            EXPECT_GE(start, static_cast<double>(plan.lead)) << rate << " Hz, " << length;
            EXPECT_LT(start - plan.lead, static_cast<double>(length) / plan.period);
        }
    }
    EXPECT_EQ(sound::plan_loop(12345, 1.0).input, 0u); // kept as it is
}

// 2003 samples at 11025 Hz give a period of 8721 samples that shares no factor with
// them: no output sample falls on the loop's start, and the period begins a
// fraction of a sample late, the same at every seam.
TEST(LoopSeam, ALoopWhoseStartFallsBetweenOutputSamplesRepeatsSeamlessly) {
    std::vector<float> loop(2003);
    for (std::size_t i = 0; i < loop.size(); ++i)
        loop[i] = static_cast<float>(std::sin(2.0 * std::numbers::pi * 3.0 * i / 2003.0));
    const auto out = sound::resample_loop(loop, 48000.0 / 11025.0, sound::Quality::Medium);
    ASSERT_EQ(out.size(), 8721u);
    double best = 1.0, delay = -1.0;
    for (int step = 0; step < 1000; ++step) {
        const double d = step / 1000.0;
        double worst = 0.0;
        for (std::size_t i = 0; i < out.size(); ++i)
            worst = std::max(worst, std::fabs(out[i] - std::sin(2.0 * std::numbers::pi * 3.0 *
                                                                (i + d) / 8721.0)));
        if (worst < best) best = worst, delay = d;
    }
    EXPECT_LT(best, 2e-3) << "delay " << delay;
    EXPECT_GT(delay, 0.0);
    // Across the seam the wave steps on as it does inside the loop.
    const double expected_step = std::sin(2.0 * std::numbers::pi * 3.0 * delay / 8721.0) -
                                 std::sin(2.0 * std::numbers::pi * 3.0 * (delay - 1) / 8721.0);
    EXPECT_NEAR(out.front() - out.back(), expected_step, 2e-3);
}

} // namespace
} // namespace zenka::test
