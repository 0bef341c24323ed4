// The single-sideband voice: its energy lies in the 300-2700 Hz channel, it is mistuned
// upwards (the lowest 100 Hz of the channel hold little voice), and it is speech - loud
// syllables and quiet gaps, with band noise alone before and after.

#include "fone_audio.h"
#include "signal_measure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zenka::fone_test {
namespace {

constexpr std::size_t kBlock = 256; // 31.25 Hz bins at 8000 samples/s

class FoneSpeech : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        audio = read_audio(fone_file("ssb-002.wav"));
        spectrum = power_spectrum(audio.samples, kBlock);
    }
    static double band(double low_hz, double high_hz) {
        double sum = 0.0;
        for (std::size_t k = 0; k < spectrum.size(); ++k) {
            const double hz = static_cast<double>(k) * audio.rate / kBlock;
            if (hz >= low_hz && hz < high_hz) sum += spectrum[k];
        }
        return sum;
    }
    static double rms(double from, double to) {
        double sum = 0.0;
        for (std::size_t i = audio.at(from); i < audio.at(to); ++i)
            sum += audio.samples[i] * audio.samples[i];
        return std::sqrt(sum / static_cast<double>(audio.at(to) - audio.at(from)));
    }
    static Audio audio;
    static Samples spectrum;
};
Audio FoneSpeech::audio;
Samples FoneSpeech::spectrum;

TEST_F(FoneSpeech, EnergyLiesInTheSingleSidebandChannel) {
    const double all = band(0, 4001);
    EXPECT_GT(band(300, 2700) / all, 0.97);
    EXPECT_LT(band(0, 250) / all, 0.005);
    EXPECT_LT(band(2800, 4001) / all, 0.005);
}

TEST_F(FoneSpeech, VoiceIsShiftedUpwards) {
    // The transmitter's channel starts at 300 Hz; shifted up by 120 Hz its lower edge sits
    // near 420 Hz, so 300-400 Hz holds mostly noise while 450-550 Hz is full of voice.
    EXPECT_LT(band(300, 400), 0.35 * band(450, 550));
}

TEST_F(FoneSpeech, SpeechComesAndGoesAboveTheNoise) {
    const double noise_alone = rms(0.05, 0.7);
    const double whole = rms(0.8, audio.seconds() - 0.8);
    EXPECT_GT(whole, 3.0 * noise_alone);
    // Syllables and gaps: 50 ms levels spread widely.
    Samples levels;
    for (double t = 0.8; t + 0.05 < audio.seconds() - 0.8; t += 0.05)
        levels.push_back(rms(t, t + 0.05));
    EXPECT_GT(percentile(levels, 0.9), 4.0 * percentile(levels, 0.1));
}

} // namespace
} // namespace zenka::fone_test
