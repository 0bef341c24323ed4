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
#include <numbers>
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
    // The tone's phase against 1000 Hz every 10 ms (unambiguous within 50 Hz);
    // its turn over each second is the second's mean offset.
    std::vector<double> phase;
    double re = 0.0, im = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double a = 2.0 * std::numbers::pi * 1000.0 * static_cast<double>(i) / 48000.0;
        re += out[i] * std::cos(a);
        im -= out[i] * std::sin(a);
        if ((i + 1) % 480 == 0) {
            phase.push_back(std::atan2(im, re));
            re = im = 0.0;
        }
    }
    double turned = 0.0;
    std::vector<double> unwrapped = {phase[0]};
    for (std::size_t k = 1; k < phase.size(); ++k) {
        turned += std::remainder(phase[k] - phase[k - 1], 2.0 * std::numbers::pi);
        unwrapped.push_back(phase[0] + turned);
    }
    std::vector<double> pitch;
    for (std::size_t w = 1; w <= seconds; ++w) {
        const double turn = unwrapped[w * 100] - unwrapped[(w - 1) * 100 + 1];
        pitch.push_back(1000.0 + turn / (2.0 * std::numbers::pi * 0.99));
    }
    return pitch;
}

TEST(QrhDrift, OneWandersFiveHertzAMinuteAndTwoMoreSlowly) {
    double least[3] = {1e9, 1e9, 1e9}, fastest[3] = {};
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        double reach[3] = {};
        for (const int qrh : {1, 2}) {
            const auto pitch = pitch_by_second(qrh, seed, 60);
            const auto [lo, hi] = std::minmax_element(pitch.begin(), pitch.end());
            double step = 0.0;
            for (std::size_t i = 1; i < pitch.size(); ++i)
                step = std::max(step, std::fabs(pitch[i] - pitch[i - 1]));
            reach[qrh] = *hi - *lo;
            least[qrh] = std::min(least[qrh], *hi - *lo);
            fastest[qrh] = std::max(fastest[qrh], step);
            EXPECT_LT(step, qrh == 1 ? 3.0 : 5.0) << qrh; // a few hertz a second at most
        }
        EXPECT_GE(reach[1], 5.0) << seed;
        EXPECT_GE(reach[2], 9.0) << seed;
        EXPECT_GT(reach[2], reach[1]) << seed;
    }
    for (const int qrh : {1, 2})
        std::printf("qrh %d, 12 stations: at least %.2f Hz in a minute, at most %.2f Hz from one "
                    "second to the next\n",
                    qrh, least[qrh], fastest[qrh]);
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
