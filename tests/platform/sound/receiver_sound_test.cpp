// Stations and noise as the receiver hears them, measured from the rendered
// mix: clean tones with soft edges and unchanged timing, fading and drift, the
// FLT filters, the attenuator, a noise that never repeats, and the AGC.

#include "platform/sound/mix_levels.h"
#include "platform/sound/receiver_chain.h"
#include "platform/sound/sound_files.h"
#include "platform/sound/tone_measure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace zenka::test {
namespace {

using std::chrono::milliseconds;
constexpr double kRate = 48000.0;

std::vector<float> hear(const Samples8& samples, std::uint32_t rate, const ChannelSound& sound,
                        milliseconds span, Heard heard = Heard::Receiver) {
    TempFolder folder;
    const auto file = folder / "ZENKA00.WAV";
    write_channel_file(file, rate, samples);
    return render(
        folder,
        [&](sound::FileSound& s) {
            s.open_channel(0, file, sound);
            s.advance(span);
        },
        {}, heard);
}

// Power in the band [lo, hi] Hz, summed over 10 Hz steps.
double band_power(const std::vector<float>& s, std::size_t from, std::size_t count, double lo,
                  double hi) {
    double p = 0.0;
    for (double f = lo; f <= hi; f += 10.0)
        p += goertzel(s, from, count, f, kRate);
    return p;
}

// Start and end (in samples) of every run above half the peak of the
// 1 ms moving RMS.
std::vector<std::pair<double, double>> elements(const std::vector<float>& s) {
    constexpr std::size_t kWin = 48;
    std::vector<double> env(s.size(), 0.0);
    double sum = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        sum += static_cast<double>(s[i]) * s[i];
        if (i >= kWin) sum -= static_cast<double>(s[i - kWin]) * s[i - kWin];
        env[i] = std::sqrt(std::max(sum, 0.0) / kWin);
    }
    const double half = 0.5 * *std::max_element(env.begin(), env.end());
    std::vector<std::pair<double, double>> runs;
    bool on = false;
    for (std::size_t i = 0; i < env.size(); ++i) {
        if (!on && env[i] > half) {
            runs.push_back({static_cast<double>(i), 0.0});
            on = true;
        } else if (on && env[i] <= half) {
            runs.back().second = static_cast<double>(i);
            on = false;
        }
    }
    if (on) runs.pop_back();
    return runs;
}

TEST(ReceiverSound, ToneIsCleanAndKeyingEdgesSoftWithTheSameTiming) {
    // 1000 Hz tone at 8000 samples/s: 60 ms marks and 60 ms gaps, weak enough
    // to leave the AGC alone.
    const Samples8 file = keyed8(60, 60, 16, 16);
    const auto shaped = hear(file, 8000, {}, milliseconds(2200));
    const auto plain = hear(file, 8000, {}, milliseconds(2200), Heard::Plain);

    // Harmonics in a key-down window (the 4th mark, its middle 40 ms).
    const std::size_t mark = static_cast<std::size_t>((0.5 + 3 * 120.0 + 10.0) * 48.0);
    const std::size_t count = 40 * 48;
    const auto third = [&](const std::vector<float>& s) {
        return 10.0 * std::log10(goertzel(s, mark, count, 3000.0, kRate) /
                                 goertzel(s, mark, count, 1000.0, kRate));
    };
    EXPECT_GT(third(plain), -20.0);
    EXPECT_LT(third(shaped), -40.0);

    // Clicks: over the whole keyed run, what lies 400 Hz and more from the tone.
    const auto clicks = [&](const std::vector<float>& s) {
        const double tone = band_power(s, 0, 96000, 900.0, 1100.0);
        return 10.0 * std::log10((band_power(s, 0, 96000, 200.0, 600.0) +
                                  band_power(s, 0, 96000, 1400.0, 2600.0)) /
                                 tone);
    };
    std::printf("clicks plain %.1f dB, shaped %.1f dB\n", clicks(plain), clicks(shaped));
    std::printf("third harmonic plain %.1f dBc, shaped %.1f dBc\n", third(plain), third(shaped));
    EXPECT_LT(clicks(shaped), -60.0);
    EXPECT_GT(clicks(plain) - clicks(shaped), 15.0);

    // Timing: every mark 60 ms and every period 120 ms, as in the file.
    const auto runs = elements(shaped);
    ASSERT_EQ(runs.size(), 16u);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_NEAR(runs[i].second - runs[i].first, 60 * 48.0, 48.0) << i;
        if (i > 0) {
            EXPECT_NEAR(runs[i].first - runs[i - 1].first, 120 * 48.0, 2.0) << i;
        }
    }
    // All delayed alike, by less than 10 ms.
    const auto raw = elements(plain);
    ASSERT_EQ(raw.size(), 16u);
    EXPECT_GT(runs[0].first, raw[0].first);
    EXPECT_LT(runs[0].first - raw[0].first, 480.0);
    // The fundamental keeps its level.
    EXPECT_NEAR(rms(shaped, mark, count) / rms(plain, mark, count), 0.975, 0.05);
}

// Key-down level in windows of 100 ms across a steady 20 s tone.
std::vector<double> window_levels(const std::vector<float>& s, std::size_t from) {
    std::vector<double> levels;
    for (std::size_t at = from; at + 4800 <= s.size(); at += 4800)
        levels.push_back(rms(s, at, 4800));
    return levels;
}

TEST(ReceiverSound, SkyWaveFadesDeepAndGroundWaveStaysSteady) {
    const Samples8 tone = keyed8(20 * 1000, 0, 1); // 20 s at 1000 Hz
    ChannelSound night;
    night.fade_rate_hz = 0.5;
    night.fade_depth = 1.0;
    night.seed = 7;
    const auto faded = window_levels(hear(tone, 8000, night, milliseconds(20000)), 4800);
    const auto steady = window_levels(hear(tone, 8000, {}, milliseconds(20000)), 4800);
    const auto [fmin, fmax] = std::minmax_element(faded.begin(), faded.end());
    const auto [smin, smax] = std::minmax_element(steady.begin(), steady.end());
    EXPECT_GT(20.0 * std::log10(*fmax / *fmin), 15.0); // fades of 15 dB and more
    EXPECT_LT(20.0 * std::log10(*smax / *smin), 0.1);
    // A Rayleigh fade of unit power: the mean square across the run near the
    // steady one (within 3 dB over 20 s of 0.5 Hz fading).
    double power = 0.0;
    for (const double l : faded)
        power += l * l;
    power /= static_cast<double>(faded.size());
    EXPECT_NEAR(10.0 * std::log10(power / (*smax * *smax)), 0.0, 3.0);
}

TEST(ReceiverSound, DriftMovesThePitchSlowlyAndOnlyWhenAsked) {
    const Samples8 tone = keyed8(30 * 1000, 0, 1); // 30 s at 1000 Hz
    ChannelSound drifting;
    drifting.drift_hz = 10.0;
    drifting.seed = 3;
    const auto moved = hear(tone, 8000, drifting, milliseconds(30000));
    const auto still = hear(tone, 8000, {}, milliseconds(30000));
    double low = 1e9, high = 0.0, largest_step = 0.0, last = 0.0;
    for (std::size_t w = 1; w < 29; ++w) {
        const double f = strongest_hz(moved, w * 48000, 48000, 1000.0 + (last ? last - 1000 : 0));
        low = std::min(low, f);
        high = std::max(high, f);
        if (last != 0.0) largest_step = std::max(largest_step, std::fabs(f - last));
        last = f;
        EXPECT_NEAR(strongest_hz(still, w * 48000, 48000, 1000.0), 1000.0, 0.02) << w;
    }
    EXPECT_GT(high - low, 3.0); // some hertz over the run
    EXPECT_LT(high - low, 60.0);
    EXPECT_LT(largest_step, 5.0); // slow: a few hertz a second at most
}

// The phase (radians) of the 1000 Hz component of s[from, from + count).
double phase_at_1k(const std::vector<float>& s, std::size_t from, std::size_t count) {
    double re = 0.0, im = 0.0;
    for (std::size_t i = from; i < from + count; ++i) {
        const double w = 2.0 * std::numbers::pi * 1000.0 * static_cast<double>(i) / kRate;
        re += s[i] * std::cos(w);
        im -= s[i] * std::sin(w);
    }
    return std::atan2(im, re);
}

TEST(ReceiverSound, ChirpAtKeyDownShiftsThePhaseByItsIntegral) {
    // One 1 s mark: a chirp of c Hz dying away with 25 ms leaves the tone
    // 2 pi c 0.025 rad ahead once it has settled, and nowhere else off pitch.
    const Samples8 mark = keyed8(1000, 0, 1, 16);
    ChannelSound chirping;
    chirping.chirp_hz = 15.0;
    const auto with = hear(mark, 8000, chirping, milliseconds(1000));
    const auto without = hear(mark, 8000, {}, milliseconds(1000));
    for (const std::size_t at : {19200u, 28800u, 38400u}) { // 0.4, 0.6, 0.8 s
        double ahead = phase_at_1k(with, at, 4800) - phase_at_1k(without, at, 4800);
        ahead = std::remainder(ahead, 2.0 * std::numbers::pi);
        EXPECT_NEAR(ahead, 2.0 * std::numbers::pi * 15.0 * 0.025, 0.05) << at;
        EXPECT_NEAR(strongest_hz(with, at, 4800, 1000.0), 1000.0, 0.3) << at;
    }
}

TEST(ReceiverSound, SparkKeepsItsNoteAndChirpsWhole) {
    // A spark's note is shifted whole: a 1000 Hz sine flagged as spark, chirping
    // 15 Hz at its start, settles 2 pi 15 Hz x 26.4 ms ahead (the chirp moves in
    // steps of 128 samples) of the same note shifted by nothing.
    const Samples8 note = tone8(1000.0, 8000, 8000, 16);
    ChannelSound spark;
    spark.spark = true;
    spark.chirp_hz = 15.0;
    ChannelSound still = spark;
    still.chirp_hz = 1e-9;
    const auto with = hear(note, 8000, spark, milliseconds(1000));
    const auto without = hear(note, 8000, still, milliseconds(1000));
    const double steps = 128.0 / kRate / (1.0 - std::exp(-128.0 / (0.025 * kRate)));
    for (const std::size_t at : {19200u, 28800u, 38400u}) {
        double ahead = phase_at_1k(with, at, 4800) - phase_at_1k(without, at, 4800);
        ahead = std::remainder(ahead, 2.0 * std::numbers::pi);
        EXPECT_NEAR(ahead, 2.0 * std::numbers::pi * 15.0 * steps, 0.15) << at;
        // The shifted note keeps its level.
        EXPECT_NEAR(rms(with, at, 4800) / rms(without, at, 4800), 1.0, 0.01) << at;
    }
}

std::vector<float> hear_noise(Filter filter, int att, std::uint64_t seed, milliseconds span,
                              double crash_rate = 0.0, std::size_t loop = 48000 * 4) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    write_wav16(folder / "fone/noise.wav", 48000, white16(loop, 5, 3000));
    return render(
        folder,
        [&](sound::FileSound& s) {
            s.set_receiver({filter, att, 0.0, crash_rate, seed});
            s.start_noise();
            s.advance(span);
        },
        {}, Heard::Receiver);
}

// The receiver told again as it was (a filter switched between retunes) leaves the band noise
// where it is; only a new seed sends it somewhere new.
TEST(ReceiverSound, TheSameReceiverToldAgainLeavesTheNoiseWhereItIs) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    write_wav16(folder / "fone/noise.wav", 48000, white16(48000 * 4, 5, 3000));
    const ReceiverSound r{Filter::flt2, 0, 0.0, 0.0, 7};
    const auto hear = [&](std::uint64_t second_seed) {
        return render(
            folder,
            [&](sound::FileSound& s) {
                s.set_receiver(r);
                s.start_noise();
                s.advance(milliseconds(1000));
                ReceiverSound again = r;
                again.seed = second_seed;
                s.set_receiver(again);
                s.advance(milliseconds(1000));
            },
            {}, Heard::Receiver);
    };
    const std::vector<float> once = hear(7), moved = hear(8);
    ASSERT_EQ(once.size(), 96000u);
    ASSERT_EQ(moved.size(), 96000u);
    // The first second is the same; after it the same seed goes on as a render never told
    // again would, a new one does not.
    EXPECT_TRUE(std::equal(once.begin(), once.begin() + 48000, moved.begin()));
    const std::vector<float> untold = hear_noise(Filter::flt2, 0, 7, milliseconds(2000));
    ASSERT_EQ(untold.size(), 96000u);
    EXPECT_EQ(once, untold);
    EXPECT_FALSE(std::equal(once.begin() + 48000, once.end(), moved.begin() + 48000));
}

// The -3 dB edges of the noise's spectrum, from 25 Hz steps averaged over 1 s pieces.
std::pair<double, double> passband(const std::vector<float>& s) {
    const std::vector<double> spectrum = test::spectrum(s, 50.0, 4000.0, 25.0);
    // The passband's level: the median of the bins within 5 dB of the top.
    const double top = *std::max_element(spectrum.begin(), spectrum.end());
    std::vector<double> in_band;
    for (const double p : spectrum) {
        if (p > 0.3 * top) in_band.push_back(p);
    }
    std::nth_element(in_band.begin(), in_band.begin() + in_band.size() / 2, in_band.end());
    const double level = in_band[in_band.size() / 2];
    // Outwards from the strongest bin to the first bins below half the level.
    const auto peak = static_cast<std::size_t>(std::max_element(spectrum.begin(), spectrum.end()) -
                                               spectrum.begin());
    std::size_t first = peak, last = peak;
    while (first > 0 && spectrum[first - 1] >= 0.5 * level)
        --first;
    while (last + 1 < spectrum.size() && spectrum[last + 1] >= 0.5 * level)
        ++last;
    const double lo = 50.0 + 25.0 * static_cast<double>(first);
    const double hi = 50.0 + 25.0 * static_cast<double>(last);
    return {lo, hi};
}

TEST(ReceiverSound, FiltersAreOneAndTwoKilohertzWide) {
    const auto [lo1, hi1] = passband(hear_noise(Filter::flt1, 0, 1, milliseconds(6000)));
    const auto [lo2, hi2] = passband(hear_noise(Filter::flt2, 0, 1, milliseconds(6000)));
    std::printf("FLT1 %.0f - %.0f Hz, FLT2 %.0f - %.0f Hz\n", lo1, hi1, lo2, hi2);
    EXPECT_NEAR(hi1 - lo1, 1000.0, 120.0);
    EXPECT_NEAR(hi2 - lo2, 2000.0, 150.0);
    EXPECT_NEAR(lo1, sound::ReceiverChain::kFlt1LowHz, 75.0);
    EXPECT_NEAR(hi2, sound::ReceiverChain::kFlt2HighHz, 100.0);
}

TEST(ReceiverSound, StationOutsideTheNarrowFilterIsHeardWeaker) {
    // 2000 Hz (16000 samples/s): inside FLT2, beyond FLT1's upper skirt; weak
    // enough to leave the AGC alone.
    const Samples8 tone = keyed8(2 * 2000, 0, 1, 16);
    const auto level = [&](Filter filter) {
        TempFolder folder;
        const auto file = folder / "ZENKA00.WAV";
        write_channel_file(file, 16000, tone);
        const auto out = render(
            folder,
            [&](sound::FileSound& s) {
                s.set_receiver({filter, 0, 0.0, 0.0, 1});
                s.open_channel(0, file, {});
                s.advance(milliseconds(2000));
            },
            {}, Heard::Receiver);
        return rms(out, 24000, 48000);
    };
    // A fourth-order skirt: (2000 / 1300)^-8 in power, -15 dB.
    EXPECT_NEAR(20.0 * std::log10(level(Filter::flt1) / level(Filter::flt2)), -15.0, 1.0);
}

TEST(ReceiverSound, AttenuatorLowersTheNoiseTenDecibels) {
    const auto open = hear_noise(Filter::flt2, 0, 1, milliseconds(3000));
    const auto att = hear_noise(Filter::flt2, 1, 1, milliseconds(3000));
    EXPECT_NEAR(20.0 * std::log10(rms(att, 48000, 96000) / rms(open, 48000, 96000)), -10.0, 0.3);
}

double correlation(const std::vector<float>& a, std::size_t at_a, const std::vector<float>& b,
                   std::size_t at_b, std::size_t count) {
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        ab += static_cast<double>(a[at_a + i]) * b[at_b + i];
        aa += static_cast<double>(a[at_a + i]) * a[at_a + i];
        bb += static_cast<double>(b[at_b + i]) * b[at_b + i];
    }
    return ab / std::sqrt(aa * bb);
}

TEST(ReceiverSound, NoiseNeverRepeatsItsSeconds) {
    // A 4 s loop heard for 20 s: no second of it matches any second 4, 8, 12 s on,
    // and two retunes do not start alike.
    const auto a = hear_noise(Filter::flt2, 0, 1, milliseconds(20000));
    const auto b = hear_noise(Filter::flt2, 0, 2, milliseconds(20000));
    for (std::size_t s = 1; s < 8; ++s) {
        for (std::size_t lag : {4u, 8u, 12u})
            EXPECT_LT(std::fabs(correlation(a, s * 48000, a, (s + lag) * 48000, 48000)), 0.75)
                << s << " +" << lag;
        EXPECT_LT(std::fabs(correlation(a, s * 48000, b, s * 48000, 48000)), 0.1) << s;
    }
    // The same seed gives the same noise: a render can be repeated.
    const auto again = hear_noise(Filter::flt2, 0, 1, milliseconds(20000));
    EXPECT_EQ(a, again);
}

TEST(ReceiverSound, StaticCrashesComeAtTheirRate) {
    const auto calm = hear_noise(Filter::flt2, 0, 1, milliseconds(20000), 0.0);
    const auto stormy = hear_noise(Filter::flt2, 0, 1, milliseconds(20000), 3.0);
    // Crashes: 10 ms windows far above the calm noise's largest.
    const auto loud_windows = [](const std::vector<float>& s, double above) {
        int n = 0;
        for (std::size_t at = 48000; at + 480 <= s.size(); at += 480)
            n += rms(s, at, 480) > above ? 1 : 0;
        return n;
    };
    double calm_top = 0.0;
    for (std::size_t at = 48000; at + 480 <= calm.size(); at += 480)
        calm_top = std::max(calm_top, rms(calm, at, 480));
    EXPECT_EQ(loud_windows(calm, 1.5 * calm_top), 0);
    EXPECT_GT(loud_windows(stormy, 1.5 * calm_top), 10);
}

TEST(ReceiverSound, StrongStationPullsTheNoiseDown) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    write_wav16(folder / "fone/noise.wav", 48000, white16(48000 * 4, 5, 3000));
    const auto file = folder / "ZENKA00.WAV";
    // 3 s of silence, then a 1000 Hz tone at full strength.
    Samples8 loud(3 * 8000, 128);
    const Samples8 tone = keyed8(3 * 1000, 0, 1);
    loud.insert(loud.end(), tone.begin(), tone.end());
    write_channel_file(file, 8000, loud);
    const auto out = render(
        folder,
        [&](sound::FileSound& s) {
            s.set_receiver({Filter::flt2, 0, 0.0, 0.0, 1});
            s.start_noise();
            s.open_channel(0, file, {});
            s.advance(milliseconds(6000));
        },
        {}, Heard::Receiver);
    // The noise at 1600 - 2000 Hz, away from the tone, before and under it.
    const double before = band_power(out, 48000, 96000, 1600.0, 2000.0);
    const double under = band_power(out, 4 * 48000, 96000, 1600.0, 2000.0);
    EXPECT_LT(10.0 * std::log10(under / before), -3.0);
}

} // namespace
} // namespace zenka::test
