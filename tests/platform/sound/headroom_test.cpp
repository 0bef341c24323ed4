// Seven loud stations, noise, carrier and a recording at once: the sum is
// bent by the soft limiter, never wrapped around or clipped flat.

#include "platform/sound/mix_levels.h"
#include "platform/sound/sound_files.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zenka::test {
namespace {

using sound::soft_limit;

TEST(SoftLimit, LeavesQuietSumsAlone) {
    for (const float x : {0.0f, 0.1f, -0.1f, 0.25f, -0.33f, 0.4999f, 0.5f, -0.5f})
        EXPECT_EQ(soft_limit(x), x);
}

TEST(SoftLimit, BendsSmoothlyAndMonotonicallyBelowFullScale) {
    float previous = soft_limit(-50.0f);
    for (int i = -50000; i <= 50000; ++i) {
        const float x = static_cast<float>(i) * 0.001f;
        const float y = soft_limit(x);
        ASSERT_GE(y, previous) << x;
        ASSERT_LE(std::fabs(y), 1.0f) << x;
        ASSERT_EQ(soft_limit(-x), -y) << x;
        if (std::fabs(x) > 0.55f && std::fabs(x) < 3.0f) {
            ASSERT_LT(std::fabs(y), std::fabs(x)) << x;
        }
        previous = y;
    }
    // Slope 1 at the knee: no kink where limiting starts.
    EXPECT_NEAR(soft_limit(0.5f + 1e-3f) - 0.5f, 1e-3f, 1e-5f);
    // Strictly rising through the range a mix reaches.
    EXPECT_LT(soft_limit(1.0f), soft_limit(1.5f));
    EXPECT_LT(soft_limit(1.5f), soft_limit(2.5f));
    EXPECT_LT(soft_limit(2.5f), 1.0f);
    EXPECT_GT(soft_limit(1.0f), 0.85f);
    EXPECT_EQ(soft_limit(1e9f), 1.0f);
}

// A square wave at 0.75 full scale (8-bit +-96), `period` samples long.
Samples8 square(std::size_t count, std::size_t period) {
    Samples8 s(count);
    for (std::size_t i = 0; i < count; ++i)
        s[i] = (i % period) < period / 2 ? 224 : 32;
    return s;
}

TEST(Headroom, EverythingAtOnceIsTheLimitedSumOfItsParts) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    std::vector<std::filesystem::path> channels;
    for (int k = 0; k < 7; ++k) {
        channels.push_back(folder / ("ZENKA0" + std::to_string(k) + ".WAV"));
        write_channel_file(channels.back(), 8000, square(16000, 16)); // 500 Hz, in phase
    }
    // Noise, carrier and recording at full scale, in phase with the stations.
    std::vector<std::int16_t> noise(9600);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = (i % 96) < 48 ? 32767 : -32767;
    write_wav16(folder / "fone/noise.wav", 48000, noise);
    Samples8 loud(9600);
    for (std::size_t i = 0; i < loud.size(); ++i)
        loud[i] = (i % 96) < 48 ? 255 : 1;
    write_wav8(folder / "carrier.wav", 48000, loud);
    write_wav8(folder / "fone/rtt-001.wav", 48000, loud);

    constexpr std::uint64_t kLength = 48000;
    const auto all = render(folder, [&](sound::FileSound& s) {
        for (int k = 0; k < 7; ++k)
            s.open_channel(k, channels[static_cast<std::size_t>(k)]);
        s.start_noise();
        s.loop_carrier(folder / "carrier.wav");
        s.play_recording("fone/rtt-001.wav");
        s.advance_samples(kLength);
    });
    // Each part alone stays below the limiter's knee, so it comes out as it went in.
    std::vector<std::vector<float>> parts;
    for (int k = 0; k < 7; ++k) {
        parts.push_back(render(folder, [&](sound::FileSound& s) {
            s.open_channel(k, channels[static_cast<std::size_t>(k)]);
            s.advance_samples(kLength);
        }));
    }
    parts.push_back(render(folder, [&](sound::FileSound& s) {
        s.start_noise();
        s.advance_samples(kLength);
    }));
    parts.push_back(render(folder, [&](sound::FileSound& s) {
        s.loop_carrier(folder / "carrier.wav");
        s.advance_samples(kLength);
    }));
    parts.push_back(render(folder, [&](sound::FileSound& s) {
        s.play_recording("fone/rtt-001.wav");
        s.advance_samples(kLength);
    }));
    ASSERT_EQ(all.size(), kLength);

    float loudest_sum = 0.0f;
    float loudest_out = 0.0f;
    for (std::size_t i = 0; i < kLength; ++i) {
        float sum = 0.0f;
        for (const auto& p : parts) {
            ASSERT_EQ(p.size(), kLength);
            ASSERT_LE(std::fabs(p[i]), sound::kLimiterKnee);
            sum += p[i];
        }
        loudest_sum = std::max(loudest_sum, std::fabs(sum));
        loudest_out = std::max(loudest_out, std::fabs(all[i]));
        ASSERT_NEAR(all[i], soft_limit(sum), 1e-5f) << i;
        ASSERT_LE(std::fabs(all[i]), 1.0f) << i;
        if (std::fabs(sum) > 0.1f) { // no wrap-around
            ASSERT_EQ(std::signbit(all[i]), std::signbit(sum)) << i;
        }
    }
    EXPECT_GT(loudest_sum, 2.0f); // the sum was far beyond full scale ...
    EXPECT_LT(loudest_out, 1.0f); // ... and still never reached it
    EXPECT_GT(loudest_out, 0.99f);
}

} // namespace
} // namespace zenka::test
