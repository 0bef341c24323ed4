// The receiver hears every keyed tone through its envelope, worked at the
// file's own rate: at every channel rate the tone comes out at its pitch, its
// level and its length; frequency-shift keying keeps both its tones; and plain
// audio switched on and off during an emission loses nothing of it.

#include "platform/sound/mix_levels.h"
#include "platform/sound/sound_files.h"
#include "platform/sound/tone_measure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zenka::test {
namespace {

using std::chrono::milliseconds;
constexpr double kRate = 48000.0;

// Amplitude of `hz` in s[from, from + count).
double amplitude(const std::vector<float>& s, std::size_t from, std::size_t count, double hz) {
    return 2.0 * std::sqrt(goertzel(s, from, count, hz, kRate)) / static_cast<double>(count);
}

// Power of `hz` in s[from, from + count) through a Hann window.
double hann_power(const std::vector<float>& s, std::size_t from, std::size_t count, double hz) {
    double re = 0.0, im = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i);
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * t / count);
        const double a = 2.0 * std::numbers::pi * hz * t / kRate;
        re += w * s[from + i] * std::cos(a);
        im -= w * s[from + i] * std::sin(a);
    }
    return re * re + im * im;
}

class EnvelopePath : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(EnvelopePath, ToneKeepsItsPitchLevelAndLength) {
    const std::uint32_t rate = GetParam();
    const double pitch = rate / 8.0;
    TempFolder folder;
    const auto file = folder / "ZENKA00.WAV";
    write_channel_file(file, rate, keyed8(rate / 4, 0, 1, 16)); // 2 s
    const auto out = render(
        folder,
        [&](sound::FileSound& s) {
            ReceiverSound r;
            r.filter = Filter::flt2;
            r.seed = 1;
            s.set_receiver(r);
            s.open_channel(0, file);
            s.advance(milliseconds(2500));
        },
        {}, Heard::Receiver);
    ASSERT_EQ(out.size(), 2500u * 48);
    const std::size_t from = 24000, count = 48000; // 0.5 .. 1.5 s
    EXPECT_NEAR(strongest_hz(out, from, count, pitch), pitch, 0.01);
    // Its level through FLT2 (whose skirts take a little off low pitches).
    const double x =
        std::tan(std::numbers::pi * 300.0 / kRate) / std::tan(std::numbers::pi * pitch / kRate);
    const double y =
        std::tan(std::numbers::pi * pitch / kRate) / std::tan(std::numbers::pi * 2300.0 / kRate);
    const double filter = 1.0 / std::sqrt((1.0 + std::pow(x, 8.0)) * (1.0 + std::pow(y, 8.0)));
    EXPECT_NEAR(amplitude(out, from, count, pitch) /
                    ((sound::kChannelGain * cycle_fundamental(16)) * filter),
                1.0, 0.01);
    // A clean tone: 5% off it there is next to nothing (measured through a
    // Hann window, whose own leakage that far off is far smaller).
    const double p = hann_power(out, from, count, pitch);
    EXPECT_LT(hann_power(out, from, count, 0.95 * pitch), p * 1e-5);
    EXPECT_LT(hann_power(out, from, count, 1.05 * pitch), p * 1e-5);
    if (pitch < 500.0) return; // below FLT2's passband its skirt rings at the edges
    // Length: 2 s from the four silent head samples on. Where the level (rms
    // over whole periods) passes half the tone's, at either end: 2 s apart
    // within 1 ms, both delayed alike by less than 10 ms.
    const double period = kRate / pitch;
    const auto window = static_cast<std::size_t>(std::lround(std::ceil(96.0 / period) * period));
    const double half = 0.5 * amplitude(out, from, count, pitch) / std::sqrt(2.0);
    double first = -1.0, last = -1.0;
    for (std::size_t i = 0; i + window <= out.size(); ++i) {
        if (rms(out, i, window) > half) {
            if (first < 0.0) first = static_cast<double>(i);
            last = static_cast<double>(i);
        }
    }
    const double start = 4.0 * kRate / rate;
    EXPECT_NEAR(last - first, 2.0 * kRate, 48.0);
    EXPECT_GT(first + window / 2.0, start);
    EXPECT_LT(first + window / 2.0 - start, 480.0);
}

INSTANTIATE_TEST_SUITE_P(Rates, EnvelopePath,
                         ::testing::Values(1500u, 2000u, 4000u, 6000u, 8000u, 11025u, 12000u,
                                           16000u));

TEST(EnvelopePath, FrequencyShiftKeyingKeepsBothItsTones) {
    // Marks of the 8-sample cycle (1000 Hz at 8000 samples/s) and gaps of the
    // 12-sample one (667 Hz), 60 ms each.
    const auto cycle = [](std::size_t period, int a) {
        Samples8 c(period);
        for (std::size_t n = 0; n < period; ++n)
            c[n] = static_cast<std::uint8_t>(
                128 + std::lround(a * std::sin(2.0 * std::numbers::pi * n / period)));
        return c;
    };
    const Samples8 mark = cycle(8, 16), space = cycle(12, 16);
    Samples8 file_samples;
    for (int r = 0; r < 20; ++r) {
        for (int i = 0; i < 60; ++i)
            file_samples.insert(file_samples.end(), mark.begin(), mark.end());
        for (int i = 0; i < 40; ++i)
            file_samples.insert(file_samples.end(), space.begin(), space.end());
    }
    TempFolder folder;
    const auto file = folder / "ZENKA00.WAV";
    write_channel_file(file, 8000, file_samples);
    ChannelSound f1;
    f1.f1 = true;
    const auto out = render(
        folder,
        [&](sound::FileSound& s) {
            s.open_channel(0, file, f1);
            s.advance(milliseconds(2400));
        },
        {}, Heard::Receiver);
    // Over whole mark-space periods: both tones at about the same level, and
    // nothing beside them (the plain file's harmonics and images are gone).
    const std::size_t from = 12 * 480 * 4, count = 10 * 5760; // 10 periods of 120 ms
    const double m = amplitude(out, from, count, 1000.0);
    const double s = amplitude(out, from, count, 8000.0 / 12.0);
    EXPECT_NEAR(decibels(m / s), 0.0, 1.0);
    EXPECT_GT(m, 0.3 * (sound::kChannelGain * cycle_fundamental(16)));
    for (const double away : {2500.0, 3000.0, 7000.0})
        EXPECT_LT(decibels(amplitude(out, from, count, away) / m), -50.0) << away;
}

TEST(EnvelopePath, PlainAudioSwitchedDuringAnEmissionLosesNothing) {
    // A 1000 Hz tone keyed 60 ms on, 60 ms off for 3 s; plain audio on and
    // off every 0.4 s. The keying goes on in time whichever way it is heard.
    TempFolder folder;
    const auto file = folder / "ZENKA00.WAV";
    write_channel_file(file, 8000, keyed8(60, 60, 25, 16));
    const auto out = render(
        folder,
        [&](sound::FileSound& s) {
            s.open_channel(0, file);
            for (int i = 0; i < 8; ++i) {
                s.set_plain_audio(i % 2 == 1);
                s.advance(milliseconds(400));
            }
        },
        {}, Heard::Receiver);
    ASSERT_EQ(out.size(), 3200u * 48);
    // The middle of every mark sounds, every gap is quiet, in both ways of
    // hearing (away from the switches).
    int marks = 0;
    for (int r = 0; r < 25; ++r) {
        const auto mark = static_cast<std::size_t>((0.5 + 120.0 * r + 30.0) * 48.0);
        const auto gap = mark + 60 * 48;
        if (mark % 19200 < 960 || mark % 19200 > 19200 - 960) continue;
        if (gap % 19200 < 960 || gap % 19200 > 19200 - 960) continue;
        EXPECT_GT(rms(out, mark - 480, 960),
                  0.5 * (sound::kChannelGain * cycle_fundamental(16)) / std::sqrt(2.0))
            << r;
        EXPECT_LT(rms(out, gap - 480, 960), 0.05 * (sound::kChannelGain * cycle_fundamental(16)))
            << r;
        ++marks;
    }
    EXPECT_GT(marks, 15);
}

} // namespace
} // namespace zenka::test
