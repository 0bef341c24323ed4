// Neighbours: stations near the dial played beside the seven channels, each at
// its own beat note, through the same filter, left out of plain audio. And the
// narrow CW filter about the beat note the receiver assumes.

#include "platform/sound/mix_levels.h"
#include "platform/sound/null_sound.h"
#include "platform/sound/receiver_chain.h"
#include "platform/sound/sound_files.h"
#include "platform/sound/tone_measure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

namespace zenka::test {
namespace {

using sound::ReceiverChain;
using std::chrono::milliseconds;
constexpr double kRate = 48000.0;

// A steady tone of the engine's cycle at `pitch` (file rate 8 x pitch), `ms` long.
struct ToneFile {
    std::filesystem::path path;
    std::uint32_t rate;
};
ToneFile tone_file(const TempFolder& folder, const std::string& name, std::uint32_t pitch,
                   std::size_t ms, int a = 16) {
    const ToneFile f{folder / name, 8 * pitch};
    write_channel_file(f.path, f.rate, keyed8(pitch * ms / 1000, 0, 1, a));
    return f;
}

ReceiverSound receiver(Filter filter, bool cw = false) {
    ReceiverSound r;
    r.filter = filter;
    r.seed = 1;
    r.cw_filter = cw;
    return r;
}

// The strongest frequency between lo and hi Hz, to 0.01 Hz.
double peak_hz(const std::vector<float>& s, std::size_t from, std::size_t count, double lo,
               double hi) {
    double best = lo, best_power = -1.0;
    for (double f = lo; f <= hi; f += 5.0) {
        const double p = goertzel(s, from, count, f, kRate);
        if (p > best_power) {
            best_power = p;
            best = f;
        }
    }
    return strongest_hz(s, from, count, best);
}

// Amplitude of the component at `hz` (an integer number of hertz) over the
// second from 0.5 s on.
double amplitude(const std::vector<float>& s, double hz) {
    return 2.0 * std::sqrt(goertzel(s, 24000, 48000, hz, kRate)) / 48000.0;
}

// Butterworth of the fourth order through the bilinear transform (the corner
// prewarped): the power response at f of a low-pass (or high-pass) at corner.
double butterworth_db(double f, double corner, bool high) {
    const double x =
        std::tan(std::numbers::pi * f / kRate) / std::tan(std::numbers::pi * corner / kRate);
    return -10.0 * std::log10(1.0 + std::pow(high ? 1.0 / x : x, 8.0));
}

// What the receiver's filters do to a tone at f, worked out on their own.
double flt_db(double f, Filter filter) {
    const double high = narrow(filter) ? ReceiverChain::kFlt1HighHz : ReceiverChain::kFlt2HighHz;
    const double low = narrow(filter) ? ReceiverChain::kFlt1LowHz : ReceiverChain::kFlt2LowHz;
    return butterworth_db(f, high, false) + butterworth_db(f, low, true);
}
double cw_db(double f) {
    // A low-pass about the pitch, down 6 dB (power 1/4) at half the width.
    const double corner = ReceiverChain::kCwWidthHz / 2.0 / std::pow(3.0, 1.0 / 8.0);
    return butterworth_db(std::fabs(f - kBeatPitchHz), corner, false);
}

// A level measured against the filter's own response: close where the tone is
// well above the float rounding of the mix, merely far down where it is not.
void expect_level(double measured, double expected, const std::string& what) {
    if (expected > -40.0)
        EXPECT_NEAR(measured, expected, 0.3) << what;
    else if (expected > -60.0)
        EXPECT_NEAR(measured, expected, 1.5) << what;
    else
        EXPECT_LT(measured, -55.0) << what;
}

TEST(Neighbours, OffsetMovesTheBeatNoteByItsHertz) {
    TempFolder folder;
    const ToneFile f = tone_file(folder, "N00.WAV", 1000, 2000);
    const auto pitch_with = [&](double offset) {
        const auto out = render(
            folder,
            [&](sound::FileSound& s) {
                s.set_receiver(receiver(Filter::flt2));
                s.open_neighbour(0, f.path, {{.offset_hz = offset}, 1.0});
                s.advance(milliseconds(2000));
            },
            {}, Heard::Receiver);
        return peak_hz(out, 24000, 48000, 400.0, 1600.0);
    };
    const double still = pitch_with(0.0);
    EXPECT_NEAR(still, 1000.0, 0.05);
    for (const double offset : {100.0, -100.0, 250.0, -420.0, 555.5}) {
        const double moved = pitch_with(offset);
        std::printf("offset %+.1f Hz: heard %.2f Hz\n", offset, moved);
        EXPECT_NEAR(moved - still, offset, 0.1) << offset;
    }
}

TEST(Neighbours, AllAtOnceBesideTheChannelsFadeIntoTheFiltersSkirts) {
    // Twelve neighbours at the receiver's own beat note (800 Hz), moved from
    // -500 Hz to +3 kHz, and seven channels at pitches between them: every tone
    // comes out at its own level times what FLT1, FLT2 or the CW filter do at
    // its frequency: no tone is cut off by hand, each fades into the skirts.
    TempFolder folder;
    const ToneFile beat = tone_file(folder, "BEAT.WAV", 800, 2000);
    const double offsets[sound::Mixer::kNeighbours] = {-500, -300, 0,    200,  400,  700,
                                                       1000, 1300, 1600, 2000, 2500, 3000};
    const std::uint32_t pitches[sound::Mixer::kChannels] = {650, 900, 1100, 1350, 1650, 1950, 2250};
    std::vector<ToneFile> channels;
    for (int k = 0; k < sound::Mixer::kChannels; ++k)
        channels.push_back(
            tone_file(folder, "ZENKA0" + std::to_string(k) + ".WAV", pitches[k], 2000, 2));
    constexpr double kGain = 0.125; // all of them together stay below the AGC's level
    const auto heard = [&](const ReceiverSound& r) {
        return render(
            folder,
            [&](sound::FileSound& s) {
                s.set_receiver(r);
                for (int i = 0; i < sound::Mixer::kNeighbours; ++i)
                    s.open_neighbour(i, beat.path, {{.offset_hz = offsets[i]}, kGain});
                for (int k = 0; k < sound::Mixer::kChannels; ++k)
                    s.open_channel(k, channels[static_cast<std::size_t>(k)].path);
                s.advance(milliseconds(2000));
            },
            {}, Heard::Receiver);
    };
    const double neighbour_level = sound::kChannelGain * kGain * cycle_fundamental(16);
    const double channel_level = sound::kChannelGain * cycle_fundamental(2);
    struct Case {
        const char* name;
        ReceiverSound r;
        double (*db)(double);
    };
    const Case filters[] = {
        {"FLT2", receiver(Filter::flt2), [](double f) { return flt_db(f, Filter::flt2); }},
        {"FLT1", receiver(Filter::flt1), [](double f) { return flt_db(f, Filter::flt1); }},
        {"CW", receiver(Filter::flt2, true), cw_db},
    };
    std::vector<std::vector<float>> outs;
    for (const Case& filter : filters) {
        const auto out = heard(filter.r);
        for (const double offset : offsets) {
            const double f = kBeatPitchHz + offset;
            expect_level(decibels(amplitude(out, f) / neighbour_level), filter.db(f),
                         std::string(filter.name) + " neighbour at " + std::to_string(f));
        }
        for (const std::uint32_t p : pitches) {
            expect_level(decibels(amplitude(out, p) / channel_level), filter.db(p),
                         std::string(filter.name) + " channel at " + std::to_string(p));
        }
        outs.push_back(out);
    }
    // 1 kHz above the beat note (1800 Hz): heard with FLT2 (0.6 dB down), 11 dB
    // weaker with FLT1, gone with the CW filter (53 dB); 1.3 kHz above (2100 Hz),
    // FLT1 is 15 dB weaker than FLT2.
    const auto against_flt2 = [&](std::size_t filter, double f) {
        return decibels(amplitude(outs[filter], f) / amplitude(outs[0], f));
    };
    std::printf("+1 kHz: FLT2 %.1f dB, FLT1 %.1f dB, CW %.1f dB; +1.3 kHz: FLT1 %.1f dB\n",
                decibels(amplitude(outs[0], 1800) / neighbour_level), against_flt2(1, 1800),
                against_flt2(2, 1800), against_flt2(1, 2100));
    EXPECT_GT(decibels(amplitude(outs[0], 1800) / neighbour_level), -1.0);
    EXPECT_LT(against_flt2(1, 1800), -10.5);
    EXPECT_LT(against_flt2(1, 2100), -15.0);
    EXPECT_LT(against_flt2(2, 1800), -45.0);
}

TEST(CwFilter, IsFiveHundredHertzWideAtSixDecibelsAboutTheBeatNote) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    write_wav16(folder / "fone/noise.wav", 48000, white16(48000 * 4, 5, 3000));
    const auto out = render(
        folder,
        [&](sound::FileSound& s) {
            s.set_receiver(receiver(Filter::flt2, true));
            s.start_noise();
            s.advance(milliseconds(20000));
        },
        {}, Heard::Receiver);
    // The spectrum in 10 Hz steps, averaged over 0.1 s pieces.
    const std::vector<double> spectrum = test::spectrum(out, 300.0, 1300.0, 10.0);
    double top = 0.0; // the middle, 700 - 900 Hz
    for (std::size_t i = 40; i <= 60; ++i)
        top += spectrum[i] / 21.0;
    // The edges where the power falls below a quarter of the middle's, found
    // between 10 Hz steps by straight lines in decibels.
    const auto edge = [&](int from, int step) {
        for (int i = from;; i += step) {
            const double a = 10.0 * std::log10(spectrum[static_cast<std::size_t>(i)] / top);
            const double b = 10.0 * std::log10(spectrum[static_cast<std::size_t>(i + step)] / top);
            if (b < -6.02) return 300.0 + 10.0 * (i + step * (a + 6.02) / (a - b));
        }
    };
    const double lo = edge(50, -1), hi = edge(50, 1);
    std::printf("CW filter -6 dB: %.1f - %.1f Hz (%.1f Hz wide)\n", lo, hi, hi - lo);
    EXPECT_NEAR(hi - lo, ReceiverChain::kCwWidthHz, 25.0);
    EXPECT_NEAR((hi + lo) / 2.0, kBeatPitchHz, 10.0);
    // 1 kHz off, nothing is left of the noise.
    EXPECT_LT(10.0 * std::log10(goertzel(out, 48000, 96000, 1800.0, kRate) /
                                goertzel(out, 48000, 96000, 800.0, kRate)),
              -40.0);
}

TEST(Neighbours, PlainAudioLeavesThemOutAndCloseSilencesThem) {
    TempFolder folder;
    const ToneFile station = tone_file(folder, "ZENKA00.WAV", 1000, 1000);
    const ToneFile near = tone_file(folder, "N03.WAV", 700, 1000);
    const auto with_neighbour = [&](bool neighbour, Heard heard, bool close) {
        return render(
            folder,
            [&](sound::FileSound& s) {
                s.open_channel(0, station.path);
                if (neighbour) s.open_neighbour(3, near.path, {{.offset_hz = 150.0}, 1.0});
                s.advance_samples(24000);
                if (close) s.close_neighbour(3);
                s.advance_samples(24000);
            },
            {}, heard);
    };
    // Plain: exactly the channel's own plain sum.
    EXPECT_EQ(with_neighbour(true, Heard::Plain, false),
              with_neighbour(false, Heard::Plain, false));
    // The receiver hears it, at its offset, until it is closed.
    const auto heard = with_neighbour(true, Heard::Receiver, false);
    const auto closed = with_neighbour(true, Heard::Receiver, true);
    const auto alone = with_neighbour(false, Heard::Receiver, false);
    EXPECT_GT(goertzel(heard, 30000, 4800, 850.0, kRate),
              1e4 * goertzel(alone, 30000, 4800, 850.0, kRate));
    for (std::size_t i = 0; i < 24000; ++i)
        ASSERT_EQ(closed[i], heard[i]) << i;
    // From the close on, what is left is the channel alone (through the same
    // filter, whose memory of the neighbour dies away within milliseconds).
    EXPECT_LT(goertzel(closed, 30000, 4800, 850.0, kRate),
              1e-6 * goertzel(heard, 30000, 4800, 850.0, kRate));
}

TEST(Neighbours, BadIndicesAndBadFilesAreHarmless) {
    TempFolder folder;
    const ToneFile near = tone_file(folder, "N00.WAV", 700, 500);
    const auto out = render(
        folder,
        [&](sound::FileSound& s) {
            s.open_neighbour(-1, near.path, {});
            s.open_neighbour(sound::Mixer::kNeighbours, near.path, {});
            s.open_neighbour(0, folder / "missing.wav", {});
            s.close_neighbour(-1);
            s.close_neighbour(sound::Mixer::kNeighbours);
            s.close_neighbour(5);
            s.advance_samples(4800);
        },
        {}, Heard::Receiver);
    ASSERT_EQ(out.size(), 4800u);
    for (const float v : out)
        ASSERT_EQ(v, 0.0f);
}

TEST(NullSound, WritesDownNeighboursAndWhatTheyAreToSoundLike) {
    sound::NullSound s;
    NeighbourSound n;
    n.sound.drift_hz = 9.0;
    n.sound.offset_hz = -1250.0;
    n.gain = 0.5;
    s.open_neighbour(4, "/work/N04.WAV", n);
    s.close_neighbour(4);
    s.open_neighbour(12, "/work/N12.WAV", n); // out of range: written down, not kept
    const std::vector<std::string> expected = {
        "open_neighbour 4 /work/N04.WAV", "close_neighbour 4", "open_neighbour 12 /work/N12.WAV"};
    EXPECT_EQ(s.calls(), expected);
    EXPECT_EQ(s.neighbour_sound(4).sound.offset_hz, -1250.0);
    EXPECT_EQ(s.neighbour_sound(4).gain, 0.5);
    EXPECT_EQ(s.neighbour_sound(4).sound.drift_hz, 9.0);
    EXPECT_EQ(s.neighbour_sound(12).sound.offset_hz, 0.0);
}

} // namespace
} // namespace zenka::test

namespace zenka::test {
namespace {

// The response the receiver ranks its neighbours by is the filters' own, to a
// hundredth of a decibel over the audible band.
TEST(FilterResponse, RanksAsTheFiltersSound) {
    for (double f = 100.0; f <= 4000.0; f += 25.0) {
        for (const Filter filter : {Filter::flt1, Filter::flt2}) {
            const double expected = flt_db(f, filter);
            if (expected < -60.0) continue;
            EXPECT_NEAR(decibels(ReceiverChain::response(f, filter)), expected, 0.01) << f;
        }
        if (cw_db(f) > -60.0) {
            EXPECT_NEAR(decibels(ReceiverChain::response(f, Filter::flt2, true)), cw_db(f), 0.01)
                << f;
        }
    }
    EXPECT_EQ(ReceiverChain::response(0.0, Filter::flt2), 0.0);
}

} // namespace
} // namespace zenka::test
