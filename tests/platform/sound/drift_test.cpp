// A transmitter's drift by qrh, measured on a minute of rendered sound, and the
// drift's own promise (a whole move in every minute, slow and smooth) over many
// stations.

#include "platform/sound/drift.h"
#include "platform/sound/sound_files.h"
#include "platform/sound/tone_measure.h"
#include "playout/path_sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace zenka::test {
namespace {

constexpr std::size_t kStations = 7;

// Seven steady stations at 600, 800, ... 1800 Hz on the seven channels, each
// heard as the playout has a station with this qrh sound (on VLF by day: no
// fading; station k + 1 drawn with seed k + 1), for `seconds` + 1 s. Returns
// every station's pitch offset in every second from the first on.
std::array<std::vector<double>, kStations> offsets_by_second(int qrh, std::size_t seconds) {
    TempFolder folder;
    EmissionParams params;
    params.qrh = qrh;
    ReceiverSettings settings;
    settings.freq = 200;
    SystemTime noon;
    noon.year = 2026;
    noon.month = 1;
    noon.day = 15;
    noon.hour = 12;
    std::array<double, kStations> pitch{};
    std::vector<std::filesystem::path> files;
    for (std::size_t k = 0; k < kStations; ++k) {
        pitch[k] = 600.0 + 200.0 * static_cast<double>(k);
        files.push_back(folder / ("ZENKA0" + std::to_string(k) + ".WAV"));
        const auto p = static_cast<std::uint32_t>(pitch[k]);
        // Weak: all seven together stay below the AGC's level.
        write_channel_file(files.back(), 8 * p, keyed8(p * (seconds + 1), 0, 1, 2));
    }
    const auto out = render(
        folder,
        [&](sound::FileSound& s) {
            for (std::size_t k = 0; k < kStations; ++k)
                s.open_channel(static_cast<int>(k), files[k],
                               channel_sound(params, settings, noon, k + 1));
            s.advance(std::chrono::seconds(seconds + 1));
        },
        {}, Heard::Receiver);
    std::array<std::vector<double>, kStations> offsets;
    for (std::size_t k = 0; k < kStations; ++k) {
        // The station's phase against its own pitch every 10 ms (unambiguous
        // within 50 Hz; the others, 200 Hz and more away, nearly cancel in 10 ms);
        // its turn over each second is the second's mean offset.
        const double angle = 2.0 * std::numbers::pi * pitch[k] / 48000.0;
        const double turn_re = std::cos(angle), turn_im = -std::sin(angle);
        double lo_re = 1.0, lo_im = 0.0, re = 0.0, im = 0.0;
        std::vector<double> phase;
        for (std::size_t i = 0; i < out.size(); ++i) {
            re += out[i] * lo_re;
            im += out[i] * lo_im;
            const double r = lo_re * turn_re - lo_im * turn_im;
            lo_im = lo_re * turn_im + lo_im * turn_re;
            lo_re = r;
            if ((i + 1) % 480 == 0) {
                phase.push_back(std::atan2(im, re));
                re = im = 0.0;
                const double size = std::hypot(lo_re, lo_im);
                lo_re /= size;
                lo_im /= size;
            }
        }
        std::vector<double> unwrapped = {phase[0]};
        for (std::size_t b = 1; b < phase.size(); ++b)
            unwrapped.push_back(unwrapped.back() +
                                std::remainder(phase[b] - phase[b - 1], 2.0 * std::numbers::pi));
        for (std::size_t w = 1; w <= seconds; ++w) {
            const double turn = unwrapped[w * 100] - unwrapped[(w - 1) * 100 + 1];
            offsets[k].push_back(turn / (2.0 * std::numbers::pi * 0.99));
        }
    }
    return offsets;
}

TEST(QrhDrift, OneWandersFiveHertzAMinuteAndTwoMoreSlowly) {
    double least[3] = {1e9, 1e9, 1e9}, fastest[3] = {};
    for (const int qrh : {1, 2}) {
        const auto stations = offsets_by_second(qrh, 60);
        for (std::size_t k = 0; k < kStations; ++k) {
            const auto& offset = stations[k];
            const auto [lo, hi] = std::minmax_element(offset.begin(), offset.end());
            double step = 0.0;
            for (std::size_t i = 1; i < offset.size(); ++i)
                step = std::max(step, std::fabs(offset[i] - offset[i - 1]));
            least[qrh] = std::min(least[qrh], *hi - *lo);
            fastest[qrh] = std::max(fastest[qrh], step);
            EXPECT_GE(*hi - *lo, qrh == 1 ? 5.0 : 9.0) << "qrh " << qrh << " station " << k + 1;
            EXPECT_LT(step, qrh == 1 ? 3.0 : 5.0) << "qrh " << qrh << " station " << k + 1;
        }
        std::printf("qrh %d, %zu stations: at least %.2f Hz in a minute, at most %.2f Hz from "
                    "one second to the next\n",
                    qrh, kStations, least[qrh], fastest[qrh]);
    }
    EXPECT_GT(least[2], least[1]);
    // Without qrh every pitch stays put.
    for (const auto& offset : offsets_by_second(0, 5)) {
        for (const double f : offset)
            EXPECT_NEAR(f, 0.0, 0.02);
    }
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
