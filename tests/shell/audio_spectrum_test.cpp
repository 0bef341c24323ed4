// The audio waterfall's engine: what the output plays goes through the tap to the
// spectrum, and its loudest bins are the tones played; neither the audio thread's
// feed nor the transform allocates.

#include "bench/heap_count.h"
#include "platform/sound/null_sound.h"
#include "platform/sound/output_tap.h"
#include "shell/audio_spectrum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace zenka {
namespace {

// `seconds` of the tones at `hz`, each at `amplitude`, as 48 kHz samples.
std::vector<float> tones(std::initializer_list<double> hz, double amplitude, double seconds) {
    std::vector<float> out(static_cast<std::size_t>(seconds * AudioSpectrum::kRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double v = 0;
        for (double f : hz)
            v += amplitude * std::sin(2.0 * std::numbers::pi * f * static_cast<double>(i) /
                                      AudioSpectrum::kRate);
        out[i] = static_cast<float>(v);
    }
    return out;
}

// The bins of the `count` loudest peaks of a row, lowest first.
std::vector<std::size_t> peaks(const std::vector<float>& row, std::size_t count) {
    std::vector<std::size_t> local;
    for (std::size_t b = 1; b + 1 < row.size(); ++b)
        if (row[b] > row[b - 1] && row[b] >= row[b + 1]) local.push_back(b);
    std::sort(local.begin(), local.end(),
              [&](std::size_t a, std::size_t b) { return row[a] > row[b]; });
    std::vector<std::size_t> top;
    for (std::size_t i = 0; i < local.size() && i < count; ++i)
        top.push_back(local[i]);
    std::sort(top.begin(), top.end());
    return top;
}

TEST(AudioSpectrum, TheLoudestBinsAreTheTonesPlayed) {
    struct Case {
        double low, high, amplitude;
    };
    const Case cases[] = {{700, 1300, 0.25}, {450, 2600, 0.05}, {1000, 1100, 0.5}};
    for (const Case& c : cases) {
        sound::NullSound out;
        AudioSpectrum spectrum;
        const std::vector<float> played = tones({c.low, c.high}, c.amplitude, 0.5);
        // Played in device-sized blocks, read by the viewer now and then.
        std::vector<float> read(sound::OutputTap::kRingSamples);
        std::vector<float> row(spectrum.bins());
        int rows = 0;
        for (std::size_t at = 0; at < played.size(); at += 512) {
            out.play_block(std::span<const float>(played).subspan(
                at, std::min<std::size_t>(512, played.size() - at)));
            if (at % 4096 == 0) {
                const std::size_t n = out.output_tap().latest(read);
                spectrum.feed(std::span<const float>(read.data(), n));
            }
        }
        spectrum.feed(std::span<const float>(read.data(), out.output_tap().latest(read)));
        std::vector<float> last;
        while (spectrum.next_row(row)) {
            ++rows;
            last = row;
        }
        EXPECT_EQ(rows, static_cast<int>(played.size() / AudioSpectrum::kHop));
        const std::vector<std::size_t> two = peaks(last, 2);
        ASSERT_EQ(two.size(), 2u);
        const double bin = spectrum.bin_hz();
        EXPECT_NEAR(two[0] * bin, c.low, bin) << c.low;
        EXPECT_NEAR(two[1] * bin, c.high, bin) << c.high;
        // A sine of amplitude a reads 20 log10(a) dB, within the Hann window's scalloping.
        const double db = 20.0 * std::log10(c.amplitude);
        EXPECT_NEAR(last[two[0]], db, 1.6) << c.low;
        EXPECT_NEAR(last[two[1]], db, 1.6) << c.high;
        EXPECT_EQ(out.output_tap().dropped(), 0u);
    }
}

TEST(AudioSpectrum, CoversZeroToThreeKilohertz) {
    AudioSpectrum s;
    EXPECT_EQ(s.bins(), static_cast<std::size_t>(3000.0 / s.bin_hz()) + 1);
    EXPECT_DOUBLE_EQ(s.bin_hz(), 48000.0 / 4096.0);
    EXPECT_DOUBLE_EQ(s.rows_per_second(), 48000.0 / 2048.0);
    // Silence reads the floor, not a number below it.
    const std::vector<float> quiet(AudioSpectrum::kSize, 0.0f);
    s.feed(quiet);
    std::vector<float> row(s.bins());
    ASSERT_TRUE(s.next_row(row));
    ASSERT_TRUE(s.next_row(row));
    EXPECT_FALSE(s.next_row(row));
    for (float v : row)
        EXPECT_EQ(v, AudioSpectrum::kFloorDb);
}

TEST(OutputTap, GivesTheLatestAndDropsWhatNobodyRead) {
    sound::OutputTap tap(1024);
    std::vector<float> block(300);
    for (int i = 0; i < 5; ++i) { // 1500 samples into a ring of 1024
        std::fill(block.begin(), block.end(), static_cast<float>(i));
        tap.feed(block);
    }
    EXPECT_EQ(tap.dropped(), 1500u - 1024u);
    std::vector<float> out(200);
    // The newest 200 of what the ring holds: the last 76 of block 2, then the 124 it took
    // of block 3 (none of block 4 went in).
    ASSERT_EQ(tap.latest(out), 200u);
    EXPECT_EQ(out[0], 2.0f);
    EXPECT_EQ(out[75], 2.0f);
    EXPECT_EQ(out[76], 3.0f);
    EXPECT_EQ(out[199], 3.0f);
    EXPECT_EQ(tap.latest(out), 0u);
    std::fill(block.begin(), block.end(), 9.0f);
    tap.feed(std::span<const float>(block).first(50));
    ASSERT_EQ(tap.latest(out), 50u);
    EXPECT_EQ(out[0], 9.0f);
    EXPECT_EQ(out[49], 9.0f);
}

TEST(OutputTap, FeedingAndTransformingAllocateNothing) {
    sound::NullSound out;
    AudioSpectrum spectrum;
    std::vector<float> read(sound::OutputTap::kRingSamples), row(spectrum.bins());
    const std::vector<float> played = tones({700}, 0.3, 1.0);
    bench::reset_heap_count();
    bench::count_heap(true);
    int rows = 0;
    for (std::size_t at = 0; at + 512 <= played.size(); at += 512) {
        out.play_block(std::span<const float>(played).subspan(at, 512));
        spectrum.feed(std::span<const float>(read.data(), out.output_tap().latest(read)));
        while (spectrum.next_row(row))
            ++rows;
    }
    bench::count_heap(false);
    EXPECT_GT(rows, 20);
    EXPECT_EQ(bench::heap_count().calls, 0u);
    EXPECT_EQ(bench::heap_count().bytes, 0u);
}

} // namespace
} // namespace zenka
