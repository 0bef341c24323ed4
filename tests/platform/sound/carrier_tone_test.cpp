// The steady carrier: the engine's carrier file (a square wave of two samples a
// period, pitch half its sample rate) is heard as a clean sine at that pitch and
// at the level its amplitude gives, window after window, with no click where the
// file ends. What sounds is what the file held when the carrier was requested.

#include "platform/sound/mix_levels.h"
#include "platform/sound/sound_files.h"
#include "platform/sound/tone_measure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace zenka::test {
namespace {

using std::chrono::milliseconds;

constexpr std::size_t kWindow = 4800; // 100 ms

// The carrier file as the engine writes it: the channel-file head, then `pairs`
// periods of 128 + a, 128 - a at sampling * tone samples a second.
void write_carrier(const std::filesystem::path& file, std::uint32_t tone, std::uint32_t sampling,
                   int a, std::size_t pairs = 30000) {
    Samples8 s(2 * pairs);
    for (std::size_t i = 0; i < pairs; ++i) {
        s[2 * i] = static_cast<std::uint8_t>(128 + a);
        s[2 * i + 1] = static_cast<std::uint8_t>(128 - a);
    }
    write_channel_file(file, sampling * tone, s);
}

// A carrier of amplitude `a` is heard as a sine of peak a / 128 at the carrier gain.
double carrier_peak(int a) {
    return sound::kCarrierGain * a / 128.0;
}

// Every whole 100 ms window of out[from, to) holds `hz` at the level of amplitude `a`.
void expect_steady(const std::vector<float>& out, std::size_t from, std::size_t to, double hz,
                   int a) {
    ASSERT_LE(to, out.size());
    ASSERT_GE(to, from + kWindow);
    const double expected_rms = carrier_peak(a) / std::sqrt(2.0);
    for (std::size_t w = from; w + kWindow <= to; w += kWindow) {
        ASSERT_NEAR(decibels(rms(out, w, kWindow) / expected_rms), 0.0, 0.2) << "window at " << w;
        ASSERT_NEAR(strongest_hz(out, w, kWindow, hz), hz, 0.5) << "window at " << w;
    }
}

bool silent(const std::vector<float>& out, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        if (out[i] != 0.0f) return false;
    }
    return true;
}

TEST(CarrierTone, EngineCarrierIsASteadyToneAtTwiceItsToneWithoutAClick) {
    TempFolder folder;
    const auto carrier = folder / "ZENKA09.WAV";
    write_carrier(carrier, 1400, 4, 64); // strength 4; the file ends after 10.7 s
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.loop_carrier(carrier);
        s.advance(milliseconds(12000));
    });
    ASSERT_EQ(out.size(), 576000u);
    ASSERT_NO_FATAL_FAILURE(expect_steady(out, 0, out.size(), 2800.0, 64));
    // No step anywhere, the start and the file's end included, is larger than
    // the largest step of the sine itself.
    const double sine_step = 2.0 * carrier_peak(64) * std::sin(std::numbers::pi * 2800.0 / 48000.0);
    EXPECT_LE(largest_step(out, 0, out.size()), sine_step * 1.0001);
}

struct Pitch {
    std::uint32_t tone;
    std::uint32_t sampling;
    double hz;
};

class CarrierPitch : public ::testing::TestWithParam<Pitch> {};

TEST_P(CarrierPitch, IsHalfTheFileRate) {
    const Pitch p = GetParam();
    TempFolder folder;
    const auto carrier = folder / "ZENKA09.WAV";
    write_carrier(carrier, p.tone, p.sampling, 32);
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.loop_carrier(carrier);
        s.advance(milliseconds(1000));
    });
    expect_steady(out, 0, out.size(), p.hz, 32);
}

std::string pitch_name(const ::testing::TestParamInfo<Pitch>& info) {
    return "tone" + std::to_string(info.param.tone) + "_sampling" +
           std::to_string(info.param.sampling);
}

INSTANTIATE_TEST_SUITE_P(ToneAndSampling, CarrierPitch,
                         ::testing::Values(Pitch{1400, 4, 2800.0}, Pitch{1400, 3, 2100.0},
                                           Pitch{350, 4, 700.0}, Pitch{7000, 3, 10500.0},
                                           Pitch{11900, 4, 23800.0}),
                         pitch_name);

TEST(CarrierTone, PitchAtOrAboveHalfTheOutputRateIsSilent) {
    for (const std::uint32_t tone : {12000u, 16000u, 30000u}) {
        TempFolder folder;
        const auto carrier = folder / "ZENKA09.WAV";
        write_carrier(carrier, tone, 4, 64);
        const auto out = render(folder, [&](sound::FileSound& s) {
            s.loop_carrier(carrier);
            s.advance(milliseconds(200));
        });
        ASSERT_EQ(out.size(), 9600u);
        EXPECT_TRUE(silent(out, 0, out.size())) << tone;
    }
}

TEST(CarrierTone, StrengthStepsGiveSixLevelsInOrderAndTwoSilences) {
    const int amplitude[8] = {1, 8, 16, 32, 64, 126, 0, 0}; // by strength step
    double quieter = 0.0;
    for (int qsa = 0; qsa < 8; ++qsa) {
        SCOPED_TRACE(qsa);
        TempFolder folder;
        const auto carrier = folder / "ZENKA09.WAV";
        write_carrier(carrier, 1400, 4, amplitude[qsa]);
        const auto out = render(folder, [&](sound::FileSound& s) {
            s.loop_carrier(carrier);
            s.advance(milliseconds(500));
        });
        ASSERT_EQ(out.size(), 24000u);
        if (amplitude[qsa] == 0) {
            EXPECT_TRUE(silent(out, 0, out.size()));
            continue;
        }
        ASSERT_NO_FATAL_FAILURE(expect_steady(out, 0, out.size(), 2800.0, amplitude[qsa]));
        const double level = rms(out, 0, out.size());
        EXPECT_GT(level, quieter);
        quieter = level;
    }
}

TEST(CarrierTone, SecondRequestLeavesTheFirstToneEvenWhenItsFileChangesOrGoes) {
    TempFolder folder;
    const auto carrier = folder / "ZENKA09.WAV";
    const auto other = folder / "other.wav";
    write_carrier(carrier, 1400, 4, 64);
    write_carrier(other, 600, 4, 126);
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.loop_carrier(carrier);
        write_carrier(carrier, 900, 4, 16); // rewritten and requested again at once
        s.loop_carrier(carrier);
        s.advance(milliseconds(500));
        s.loop_carrier(other);
        std::filesystem::remove(carrier);
        s.advance(milliseconds(1500));
    });
    ASSERT_EQ(out.size(), 96000u);
    ASSERT_NO_FATAL_FAILURE(expect_steady(out, 0, out.size(), 2800.0, 64));
    const double wanted = goertzel(out, 0, out.size(), 2800.0, 48000.0);
    EXPECT_LT(goertzel(out, 0, out.size(), 1800.0, 48000.0), wanted * 1e-6);
    EXPECT_LT(goertzel(out, 0, out.size(), 1200.0, 48000.0), wanted * 1e-6);
}

TEST(CarrierTone, StoppedCarrierIsSilentAndTheNextRequestReadsTheFileAgain) {
    TempFolder folder;
    const auto carrier = folder / "ZENKA09.WAV";
    write_carrier(carrier, 1400, 4, 64);
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.loop_carrier(carrier);
        s.advance(milliseconds(500));
        s.stop_carrier();
        s.stop_carrier(); // nothing left to stop: harmless
        s.advance(milliseconds(100));
        write_carrier(carrier, 1000, 3, 32);
        s.loop_carrier(carrier);
        s.advance(milliseconds(500));
    });
    ASSERT_EQ(out.size(), 52800u);
    ASSERT_NO_FATAL_FAILURE(expect_steady(out, 0, 24000, 2800.0, 64));
    EXPECT_TRUE(silent(out, 24000, 28800));
    ASSERT_NO_FATAL_FAILURE(expect_steady(out, 28800, out.size(), 1500.0, 32));
    // The new tone starts from its zero crossing: no click as it comes in.
    EXPECT_EQ(out[28800], 0.0f);
}

TEST(CarrierTone, SilentCarrierSoundsAllTheSameUntilStopped) {
    TempFolder folder;
    const auto quiet = folder / "quiet.wav";
    const auto loud = folder / "loud.wav";
    write_carrier(quiet, 1400, 4, 0); // strength 6
    write_carrier(loud, 1400, 4, 64);
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.loop_carrier(quiet);
        s.loop_carrier(loud); // a carrier sounds already
        s.advance(milliseconds(200));
        s.stop_carrier();
        s.loop_carrier(loud);
        s.advance(milliseconds(200));
    });
    ASSERT_EQ(out.size(), 19200u);
    EXPECT_TRUE(silent(out, 0, 9600));
    expect_steady(out, 9600, out.size(), 2800.0, 64);
}

TEST(CarrierTone, SineFileGivesThatSineWithoutEnd) {
    TempFolder folder;
    const auto carrier = folder / "carrier.wav";
    write_wav8(carrier, 8000, tone8(1000.0, 8000, 80, 100)); // ten whole cycles
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.loop_carrier(carrier);
        s.advance(milliseconds(500));
    });
    ASSERT_EQ(out.size(), 24000u);
    const double peak = carrier_peak(100);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double ideal =
            peak * std::sin(2.0 * std::numbers::pi * 1000.0 * static_cast<double>(i) / 48000.0);
        ASSERT_NEAR(out[i], ideal, 1e-6) << i;
    }
}

} // namespace
} // namespace zenka::test
