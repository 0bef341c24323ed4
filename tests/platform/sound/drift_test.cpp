// A transmitter's drift by qrh, measured on a minute of rendered sound, and the
// drift's own promise (a whole move in every minute, slow and smooth) over many
// stations.

#include "platform/sound/drift.h"
#include "platform/sound/sound_files.h"
#include "platform/sound/tone_measure.h"
#include "playout/path_sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace zenka::test {
namespace {

// The pitch of a steady 1000 Hz station in every second of `seconds`, heard
// as the playout has a station with this qrh sound (on VLF by day: no fading).
std::vector<double> pitch_by_second(int qrh, std::uint64_t seed, std::size_t seconds) {
    TempFolder folder;
    const auto file = folder / "ZENKA00.WAV";
    write_channel_file(file, 8000, keyed8(1000 * (seconds + 1), 0, 1, 16));
    EmissionParams params;
    params.qrh = qrh;
    ReceiverSettings settings;
    settings.freq = 200;
    SystemTime noon;
    noon.year = 2026;
    noon.month = 1;
    noon.day = 15;
    noon.hour = 12;
    const ChannelSound sound = channel_sound(params, settings, noon, seed);
    const auto out = render(
        folder,
        [&](sound::FileSound& s) {
            s.open_channel(0, file, sound);
            s.advance(std::chrono::seconds(seconds + 1));
        },
        {}, Heard::Receiver);
    std::vector<double> pitch;
    double last = 1000.0;
    for (std::size_t w = 1; w <= seconds; ++w) {
        // Within 20 Hz of the last second's (found afresh from 30 Hz about
        // the station's pitch the first time).
        if (w == 1) {
            double best = 0.0;
            for (double f = 970.0; f <= 1030.0; f += 1.0) {
                const double p = goertzel(out, w * 48000, 48000, f, 48000.0);
                if (p > best) {
                    best = p;
                    last = f;
                }
            }
        }
        last = strongest_hz(out, w * 48000, 48000, last);
        pitch.push_back(last);
    }
    return pitch;
}

TEST(QrhDrift, OneWandersFiveHertzAMinuteAndTwoMoreSlowly) {
    for (const std::uint64_t seed : {1u, 2u}) {
        double reach[3] = {};
        for (const int qrh : {1, 2}) {
            const auto pitch = pitch_by_second(qrh, seed, 60);
            const auto [lo, hi] = std::minmax_element(pitch.begin(), pitch.end());
            double step = 0.0;
            for (std::size_t i = 1; i < pitch.size(); ++i)
                step = std::max(step, std::fabs(pitch[i] - pitch[i - 1]));
            reach[qrh] = *hi - *lo;
            std::printf("qrh %d seed %llu: %.2f - %.2f Hz over a minute (%.2f Hz), at most "
                        "%.2f Hz from one second to the next\n",
                        qrh, static_cast<unsigned long long>(seed), *lo, *hi, *hi - *lo, step);
            EXPECT_LT(step, qrh == 1 ? 3.0 : 5.0) << qrh; // a few hertz a second at most
        }
        EXPECT_GE(reach[1], 5.0) << seed;
        EXPECT_GE(reach[2], 9.0) << seed;
        EXPECT_GT(reach[2], reach[1]) << seed;
    }
    // Without qrh the pitch stays put.
    for (const double f : pitch_by_second(0, 1, 10))
        EXPECT_NEAR(f, 1000.0, 0.02);
}

TEST(Drift, EveryMinuteHoldsAWholeMoveWithinTheReachNeverFast) {
    constexpr double kStepHz = 375.0; // the mixer's control rate
    constexpr double kReach = 9.0;
    for (std::uint64_t seed = 0; seed < 60; ++seed) {
        sound::Drift drift(kReach, kStepHz, seed);
        // Ten minutes, as the lowest and highest place of every second.
        std::vector<double> lo, hi;
        double last = drift.step(), fastest = 0.0;
        for (int second = 0; second < 600; ++second) {
            double l = last, h = last;
            for (int i = 0; i < static_cast<int>(kStepHz); ++i) {
                const double now = drift.step();
                ASSERT_LE(std::fabs(now), kReach + 1e-9) << seed;
                fastest = std::max(fastest, std::fabs(now - last) * kStepHz);
                l = std::min(l, now);
                h = std::max(h, now);
                last = now;
            }
            lo.push_back(l);
            hi.push_back(h);
        }
        // A raised cosine of twice the reach over 12 s at the most: pi / 2 x
        // 2 x reach / 12 s a second.
        EXPECT_LE(fastest, std::numbers::pi / 2.0 * 2.0 * kReach / 12.0 + 1e-6) << seed;
        for (std::size_t m = 0; m + 60 <= lo.size(); ++m) {
            const double l = *std::min_element(lo.begin() + m, lo.begin() + m + 60);
            const double h = *std::max_element(hi.begin() + m, hi.begin() + m + 60);
            ASSERT_GE(h - l, sound::Drift::kLeastMove * kReach - 1e-9) << seed << " minute " << m;
        }
    }
}

} // namespace
} // namespace zenka::test
