// The band-noise loop: its end joins its start with no click, step or change of level,
// and it sounds like the long waves - a band-limited hiss broken by static crashes.

#include "fone_audio.h"
#include "signal_measure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zenka::fone_test {
namespace {

// Highest magnitude above 3.6 kHz, where the hiss has nothing left, around the join and
// anywhere else; a click or step at the join would show there as broadband energy. The
// measuring filter spreads a click over +-150 samples, so "around" is +-250.
struct Clicks {
    double at_join, elsewhere;
};

Clicks clicks(const Samples& loop, int rate) {
    const long guard = 1000, zone = 250, n = static_cast<long>(loop.size());
    // The loop's last `guard` samples, the loop, then its first `guard` samples again.
    Samples wrapped(loop.end() - guard, loop.end());
    wrapped.insert(wrapped.end(), loop.begin(), loop.end());
    wrapped.insert(wrapped.end(), loop.begin(), loop.begin() + guard);
    const Samples low = lowpass(wrapped, rate, 3600, 301);
    auto high = [&](long i) {
        return std::abs(wrapped[static_cast<std::size_t>(i)] - low[static_cast<std::size_t>(i)]);
    };
    Clicks c{0.0, 0.0};
    for (long i = guard - zone; i < guard + zone; ++i)
        c.at_join = std::max(c.at_join, high(i));
    for (long i = guard + zone; i < guard + n - zone; ++i)
        c.elsewhere = std::max(c.elsewhere, high(i));
    return c;
}

// RMS of the 40 ms centred on sample `centre`, reading round the loop.
double loop_rms(const Samples& x, long centre) {
    const long half = 160, n = static_cast<long>(x.size());
    double sum = 0.0;
    for (long i = centre - half; i < centre + half; ++i) {
        const double v = x[static_cast<std::size_t>((i % n + n) % n)];
        sum += v * v;
    }
    return std::sqrt(sum / (2.0 * half));
}

class FoneNoise : public ::testing::Test {
  protected:
    FoneNoise() : a(read_audio(fone_file("noise.wav"))), x(a.samples) {}
    Audio a;
    const Samples& x;
};

TEST_F(FoneNoise, JoinMakesNoClick) {
    const Clicks loop = clicks(x, a.rate);
    EXPECT_LE(loop.at_join, loop.elsewhere);
    EXPECT_LT(loop.elsewhere, 0.002);

    // The measure has teeth: the same loop cut 101 samples short clicks clearly.
    const Samples cut(x.begin(), x.end() - 101);
    const Clicks bad = clicks(cut, a.rate);
    EXPECT_GT(bad.at_join, 3.0 * bad.elsewhere);
}

TEST_F(FoneNoise, JumpAcrossTheJoinIsLikeAnyNeighbourStep) {
    Samples steps, bends;
    for (std::size_t i = 1; i + 1 < x.size(); ++i) {
        steps.push_back(std::abs(x[i] - x[i - 1]));
        bends.push_back(std::abs(x[i + 1] - 2.0 * x[i] + x[i - 1]));
    }
    const std::size_t n = x.size();
    EXPECT_LE(std::abs(x[0] - x[n - 1]), percentile(steps, 0.99));
    EXPECT_LE(std::abs(x[1] - 2.0 * x[0] + x[n - 1]), percentile(bends, 0.99));
    EXPECT_LE(std::abs(x[0] - 2.0 * x[n - 1] + x[n - 2]), percentile(bends, 0.99));
}

TEST_F(FoneNoise, LevelIsTheSameEitherSideOfTheJoin) {
    const auto second = static_cast<long>(a.rate);
    Samples head, tail;
    for (long i = 0; i < second; ++i) {
        head.push_back(std::abs(x[static_cast<std::size_t>(i)]));
        tail.push_back(std::abs(x[x.size() - 1 - static_cast<std::size_t>(i)]));
    }
    // Medians: the steady hiss, whatever crashes fall in either second.
    EXPECT_NEAR(percentile(tail, 0.5) / percentile(head, 0.5), 1.0, 0.1);
}

TEST_F(FoneNoise, JoinIsNeitherADipNorABump) {
    Samples levels; // of every 40 ms of the loop
    for (long c = 160; c + 160 < static_cast<long>(x.size()); c += 320)
        levels.push_back(loop_rms(x, c));
    const double low = percentile(levels, 0.05), high = percentile(levels, 0.95);
    EXPECT_GT(loop_rms(x, 0), low);
    EXPECT_LT(loop_rms(x, 0), high);

    // The measure has teeth: ends faded over 20 ms, as a filter without wrap-around
    // leaves them, make a dip.
    Samples faded = x;
    for (std::size_t i = 0; i < 160; ++i) {
        faded[i] *= static_cast<double>(i) / 160.0;
        faded[faded.size() - 1 - i] *= static_cast<double>(i) / 160.0;
    }
    EXPECT_LT(loop_rms(faded, 0), low);
}

TEST_F(FoneNoise, LoopsForHalfAMinute) {
    EXPECT_EQ(a.rate, 8000);
    EXPECT_EQ(x.size(), 240000u);
}

TEST_F(FoneNoise, StaticCrashesStandOutOfTheHiss) {
    Samples magnitude;
    for (double v : x)
        magnitude.push_back(std::abs(v));
    const double hiss = percentile(magnitude, 0.5);
    // Crashes: 25 ms stretches peaking above 6 times the typical hiss, counted once per run.
    const std::size_t block = static_cast<std::size_t>(a.rate) / 40;
    int crashes = 0;
    bool in_crash = false;
    for (std::size_t b = 0; b + block <= x.size(); b += block) {
        const double peak = *std::max_element(magnitude.begin() + static_cast<long>(b),
                                              magnitude.begin() + static_cast<long>(b + block));
        const bool loud = peak > 6.0 * hiss;
        if (loud && !in_crash) ++crashes;
        in_crash = loud;
    }
    EXPECT_GE(crashes, 30); // about 2.5 lightning events a second, most weak
    EXPECT_LE(crashes, 120);
    EXPECT_GT(*std::max_element(magnitude.begin(), magnitude.end()), 20.0 * hiss);
}

TEST_F(FoneNoise, HissStaysInTheReceiverPassband) {
    const Samples p = power_spectrum(x, 256); // 31.25 Hz bins
    double inside = 0.0, total = 0.0;
    for (std::size_t k = 0; k < p.size(); ++k) {
        const double hz = static_cast<double>(k) * a.rate / 256.0;
        total += p[k];
        if (hz >= 100.0 && hz <= 3200.0) inside += p[k];
    }
    EXPECT_GT(inside / total, 0.995);
}

} // namespace
} // namespace zenka::fone_test
