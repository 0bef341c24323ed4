// What the path and the transmitter make of a station and of the band noise,
// swept over bands, hours, seasons and many stations; and what the playout
// hands the sound output.

#include "platform/sound/null_sound.h"
#include "playout/path_sound.h"
#include "playout/playout.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zenka {
namespace {

SystemTime at(int month, int hour) {
    SystemTime t;
    t.year = 2026;
    t.month = static_cast<std::uint16_t>(month);
    t.day = 15;
    t.hour = static_cast<std::uint16_t>(hour);
    return t;
}

ReceiverSettings tuned(int freq) {
    ReceiverSettings s;
    s.freq = freq;
    return s;
}

struct Spread {
    double rate_lo = 1e9, rate_hi = 0.0, depth_lo = 1e9, depth_hi = 0.0;
};

Spread sweep(int freq, int hour, EmissionParams p = {}) {
    Spread s;
    for (std::uint64_t seed = 0; seed < 500; ++seed) {
        const ChannelSound c = channel_sound(p, tuned(freq), at(1, hour), seed);
        s.rate_lo = std::min(s.rate_lo, c.fade_rate_hz);
        s.rate_hi = std::max(s.rate_hi, c.fade_rate_hz);
        s.depth_lo = std::min(s.depth_lo, c.fade_depth);
        s.depth_hi = std::max(s.depth_hi, c.fade_depth);
    }
    return s;
}

TEST(PathSound, MediumWaveFadesDeepAtNightAndHardlyByDay) {
    const Spread night = sweep(5000, 23);
    EXPECT_GE(night.rate_lo, 0.05);
    EXPECT_LE(night.rate_hi, 0.6);
    EXPECT_GT(night.rate_hi - night.rate_lo, 0.4); // every station its own rate
    EXPECT_GE(night.depth_lo, 0.7);
    EXPECT_GT(night.depth_hi, 0.95);
    const Spread day = sweep(5000, 12);
    EXPECT_LE(day.depth_hi, 0.15);
    EXPECT_GE(day.rate_lo, 0.02);
    EXPECT_LE(day.rate_hi, 0.08);
}

TEST(PathSound, VlfIsSteadyAndLfFadesMildlyAtNight) {
    const Spread vlf = sweep(200, 23);
    EXPECT_EQ(vlf.depth_hi, 0.0);
    EXPECT_EQ(vlf.rate_hi, 0.0);
    const Spread lf = sweep(1000, 23);
    EXPECT_GE(lf.depth_lo, 0.2);
    EXPECT_LE(lf.depth_hi, 0.5);
    EXPECT_LE(sweep(1000, 12).depth_hi, 0.05);
}

TEST(PathSound, QsbForcesFadingAndQrhDriftsAndChirps) {
    EmissionParams p;
    p.qsb = 1;
    for (const int freq : {200, 1000, 5000}) {
        const Spread s = sweep(freq, 12, p);
        EXPECT_GE(s.depth_lo, 0.9) << freq;
        EXPECT_GE(s.rate_lo, 0.1) << freq;
        EXPECT_LE(s.rate_hi, 0.6) << freq;
    }
    p = {};
    EXPECT_EQ(channel_sound(p, tuned(5000), at(1, 12), 1).drift_hz, 0.0);
    p.qrh = 1;
    const ChannelSound one = channel_sound(p, tuned(5000), at(1, 12), 1);
    p.qrh = 2;
    const ChannelSound two = channel_sound(p, tuned(5000), at(1, 12), 1);
    EXPECT_GT(one.drift_hz, 0.0);
    EXPECT_GT(two.drift_hz, one.drift_hz);
    EXPECT_GT(one.chirp_hz, 0.0);
    EXPECT_GT(two.chirp_hz, one.chirp_hz);
    p = {};
    p.spark = 1;
    EXPECT_GT(channel_sound(p, tuned(5000), at(1, 12), 1).chirp_hz, 0.0); // the spark chirps
    EXPECT_EQ(channel_sound(p, tuned(5000), at(1, 12), 1).drift_hz, 0.0);
    p._f1 = 1;
    EXPECT_TRUE(channel_sound(p, tuned(5000), at(1, 12), 1).spark);
    EXPECT_TRUE(channel_sound(p, tuned(5000), at(1, 12), 1).f1);
}

TEST(PathSound, NoiseIsLouderLowerDownAtNightAndInSummer) {
    for (const int month : {1, 7}) {
        for (const int hour : {3, 12}) {
            const auto noise = [&](int freq) {
                return receiver_sound(tuned(freq), at(month, hour), 1);
            };
            EXPECT_GT(noise(200).noise_db, noise(1000).noise_db);
            EXPECT_GT(noise(1000).noise_db, noise(5000).noise_db);
            EXPECT_GT(noise(200).crash_rate_hz, noise(1000).crash_rate_hz);
            EXPECT_GT(noise(1000).crash_rate_hz, noise(5000).crash_rate_hz);
        }
    }
    for (const int freq : {200, 1000, 5000}) {
        const auto r = [&](int month, int hour) {
            return receiver_sound(tuned(freq), at(month, hour), 1);
        };
        EXPECT_GT(r(1, 3).noise_db, r(1, 12).noise_db) << freq;
        EXPECT_GT(r(7, 12).noise_db, r(1, 12).noise_db) << freq;
        EXPECT_GT(r(7, 3).crash_rate_hz, r(7, 12).crash_rate_hz) << freq;
        EXPECT_GT(r(7, 3).crash_rate_hz, r(1, 3).crash_rate_hz) << freq;
        // Summer nights: the most static of all.
        for (const auto& [m, h] : {std::pair{1, 3}, {1, 12}, {7, 12}})
            EXPECT_GE(r(7, 3).crash_rate_hz, 2.0 * r(m, h).crash_rate_hz) << freq;
    }
}

TEST(PathSound, PlayoutHandsTheSoundOutputTheReceiverAndEachStation) {
    test::TempFolder folder;
    sound::NullSound out;
    FixedClock clock(*parse_utc("2026-12-08T23:18:07.250Z"));
    RandomSource random;
    Playout playout{out, clock, random, folder.path()};
    ReceiverSettings settings = tuned(5000);
    settings.filter = Filter::flt1;
    settings.att = 1;
    Composition c;
    c.settings = settings;
    EmissionParams p;
    p.qrh = 2;
    c.slots.push_back({"CQ DE DDK", p, {}});
    c.slots.push_back({"CQ DE GKA", {}, {}});
    playout.play(c);
    const ReceiverSound r = out.receiver();
    EXPECT_EQ(r.filter, Filter::flt1);
    EXPECT_EQ(r.att, 1);
    EXPECT_GT(r.noise_db, 0.0); // a winter night on MF
    const ChannelSound a = out.channel_sound(0), b = out.channel_sound(1);
    EXPECT_GT(a.drift_hz, 0.0);
    EXPECT_EQ(b.drift_hz, 0.0);
    EXPECT_GE(a.fade_depth, 0.7);
    EXPECT_NE(a.seed, b.seed);
    EXPECT_NE(a.fade_rate_hz, b.fade_rate_hz);
    // A second retune sends the noise somewhere new.
    playout.stop_all();
    playout.play(c);
    EXPECT_NE(out.receiver().seed, r.seed);
}

} // namespace
} // namespace zenka
