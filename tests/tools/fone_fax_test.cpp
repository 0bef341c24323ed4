// The weather fax: frequency modulation between 1500 Hz (black) and 2300 Hz (white); the
// start signal alternates at 300 Hz (IOC 576), the phasing lines come every 0.5 s (120
// lines per minute) with a white pulse, the chart lines repeat at the same rate, and the
// stop signal alternates at 450 Hz.

#include "fone_audio.h"
#include "signal_measure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zenka::fone_test {
namespace {

// Where the parts lie, in seconds (0.5 s of band noise comes first).
constexpr double kStart = 0.5, kPhasing = 5.5, kChart = 35.5, kStop = 53.5, kEnd = 58.5;
constexpr double kLine = 0.5;

class FoneFax : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        audio = read_audio(fone_file("fax-001.wav"));
        hz = instantaneous_frequency(audio.samples, audio.rate, 1900.0, 1400.0);
    }
    // Brightness 0 black .. 1 white at every sample.
    static double brightness(std::size_t i) { return (hz[i] - 1500.0) / 800.0; }
    static Samples part(double from, double to) {
        return Samples(hz.begin() + static_cast<long>(audio.at(from)),
                       hz.begin() + static_cast<long>(audio.at(to)));
    }
    static Audio audio;
    static Samples hz;
};
Audio FoneFax::audio;
Samples FoneFax::hz;

// The strongest modulation of a frequency track among `candidates` Hz.
double strongest_modulation(const Samples& track, int rate,
                            std::initializer_list<double> candidates) {
    double best = 0.0, best_hz = 0.0;
    for (double c : candidates) {
        const double a = tone_amplitude(track, 0, track.size(), c, rate);
        if (a > best) best = a, best_hz = c;
    }
    return best_hz;
}

TEST_F(FoneFax, StartSignalAlternatesBlackAndWhiteAt300Hz) {
    const Samples track = part(kStart + 0.2, kPhasing - 0.2);
    EXPECT_LT(percentile(track, 0.1), 1600.0);
    EXPECT_GT(percentile(track, 0.9), 2200.0);
    EXPECT_EQ(strongest_modulation(track, audio.rate, {150, 200, 300, 450, 600, 675}), 300.0);
    // A square wave: the fundamental well above the second harmonic.
    EXPECT_GT(tone_amplitude(track, 0, track.size(), 300, audio.rate),
              10.0 * tone_amplitude(track, 0, track.size(), 600, audio.rate));
}

TEST_F(FoneFax, StopSignalAlternatesAt450Hz) {
    const Samples track = part(kStop + 0.2, kEnd - 0.2);
    EXPECT_LT(percentile(track, 0.1), 1600.0);
    EXPECT_GT(percentile(track, 0.9), 2200.0);
    EXPECT_EQ(strongest_modulation(track, audio.rate, {150, 225, 300, 450, 600, 900}), 450.0);
}

TEST_F(FoneFax, PhasingLinesAreBlackWithAWhitePulseEveryHalfSecond) {
    std::vector<double> rises, widths;
    std::size_t black = 0, all = 0;
    for (std::size_t i = audio.at(kPhasing + 0.1); i < audio.at(kChart - 0.1); ++i) {
        const bool white = brightness(i) > 0.5, was_white = brightness(i - 1) > 0.5;
        if (white && !was_white) rises.push_back(static_cast<double>(i) / audio.rate);
        if (!white && was_white && !rises.empty())
            widths.push_back(static_cast<double>(i) / audio.rate - rises.back());
        black += brightness(i) < 0.2 ? 1 : 0;
        ++all;
    }
    ASSERT_GE(rises.size(), 58u); // 30 s at 120 lines per minute, less the ends
    for (std::size_t k = 1; k < rises.size(); ++k)
        EXPECT_NEAR(rises[k] - rises[k - 1], kLine, 0.0005) << "line " << k;
    EXPECT_NEAR((rises.back() - rises.front()) / static_cast<double>(rises.size() - 1), kLine,
                1e-5);
    for (double w : widths)
        EXPECT_NEAR(w, 0.025, 0.002); // 5 % of the line
    EXPECT_GT(static_cast<double>(black) / static_cast<double>(all), 0.9);
}

TEST_F(FoneFax, ChartIsInkOnPaperWithLinesRepeatingEveryHalfSecond) {
    const std::size_t line = audio.at(kLine), first = audio.at(kChart);
    std::size_t ink = 0, all = 0;
    for (std::size_t i = first; i < audio.at(kStop); ++i, ++all)
        ink += brightness(i) < 0.5 ? 1 : 0;
    const double ink_share = static_cast<double>(ink) / static_cast<double>(all);
    EXPECT_GT(ink_share, 0.03); // frame, isobars and graticule
    EXPECT_LT(ink_share, 0.3);

    // Each line: the frame black at both edges, paper white in the middle of most of it.
    for (std::size_t l = 0; l < 36; ++l) {
        const std::size_t s = first + l * line;
        EXPECT_LT(brightness(s + line / 200), 0.2) << "line " << l;
        EXPECT_LT(brightness(s + line - line / 200), 0.2) << "line " << l;
    }

    // Consecutive lines are nearly the same picture: the brightness correlates best at a
    // lag of one line.
    const double mean = 1.0 - ink_share;
    auto correlation = [&](std::size_t lag) {
        double sum = 0.0;
        for (std::size_t i = first; i + lag < audio.at(kStop); ++i)
            sum += (brightness(i) - mean) * (brightness(i + lag) - mean);
        return sum;
    };
    const double at_line = correlation(line);
    for (double lag : {0.3, 0.4, 0.45, 0.55, 0.6, 0.7})
        EXPECT_GT(at_line, 1.5 * correlation(audio.at(lag))) << "lag " << lag;
}

} // namespace
} // namespace zenka::fone_test
