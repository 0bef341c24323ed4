// Channel files at their own sample rates come out of the 48 kHz mix at the
// same pitch and the same length.

#include "platform/sound/mix_levels.h"
#include "platform/sound/sound_files.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zenka::test {
namespace {

// The engine's tone: one 8-sample cycle per mark period, pitch = rate / 8.
Samples8 keyed_tone(std::size_t cycles) {
    static const Samples8 kCycle = {128, 176, 224, 176, 128, 80, 32, 80};
    Samples8 s;
    for (std::size_t i = 0; i < cycles; ++i)
        s.insert(s.end(), kCycle.begin(), kCycle.end());
    return s;
}

class ChannelPitch : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(ChannelPitch, ToneKeepsItsPitchAndLength) {
    const std::uint32_t rate = GetParam();
    const double pitch = rate / 8.0;
    const std::size_t cycles = rate / 4; // two seconds
    TempFolder folder;
    const auto file = folder / "ZENKA00.WAV";
    write_channel_file(file, rate, keyed_tone(cycles));

    const auto out = render(folder, [&](sound::FileSound& s) {
        s.open_channel(0, file);
        s.advance(std::chrono::milliseconds(2500));
    });
    ASSERT_EQ(out.size(), 2500u * 48);

    // The strongest frequency within +-10% of the tone, in steps of 0.05%.
    const std::size_t from = 4800; // 0.1 s .. 1.9 s
    const std::size_t count = 86400;
    double best = 0.0;
    double best_power = 0.0;
    for (double f = 0.9 * pitch; f <= 1.1 * pitch; f += 0.0005 * pitch) {
        const double p = goertzel(out, from, count, f, 48000.0);
        if (p > best_power) {
            best_power = p;
            best = f;
        }
    }
    EXPECT_NEAR(best, pitch, 0.01 * pitch);
    EXPECT_NEAR(best, pitch, 0.002 * pitch); // in fact far closer than 1%
    // A clean tone: 5% off pitch there is next to nothing.
    EXPECT_LT(goertzel(out, from, count, 0.95 * pitch, 48000.0), best_power * 1e-3);
    EXPECT_LT(goertzel(out, from, count, 1.05 * pitch, 48000.0), best_power * 1e-3);

    // Level: the fundamental of the cycle, at the channel gain.
    const Samples8 cycle = keyed_tone(1);
    double fundamental = 0.0;
    for (std::size_t n = 0; n < 8; ++n)
        fundamental += 0.25 * level8(cycle[n]) *
                       std::sin(2.0 * std::numbers::pi * static_cast<double>(n) / 8.0);
    const double amplitude = 2.0 * std::sqrt(goertzel(out, from, count, pitch, 48000.0)) / count;
    EXPECT_NEAR(amplitude, sound::kChannelGain * fundamental,
                0.02 * sound::kChannelGain * fundamental);

    // Length: four silent head samples, then 2 s of tone, then silence.
    const double start = 4.0 * 48000.0 / rate;
    const double end = start + 2.0 * 48000.0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (std::fabs(out[i]) > 0.01f) last = i;
    }
    EXPECT_NEAR(static_cast<double>(last), end, 48000.0 / rate + 48.0);
    for (std::size_t i = static_cast<std::size_t>(end) + 480; i < out.size(); ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
}

INSTANTIATE_TEST_SUITE_P(Rates, ChannelPitch,
                         ::testing::Values(1500u, 6000u, 8000u, 11025u, 16000u));

} // namespace
} // namespace zenka::test
