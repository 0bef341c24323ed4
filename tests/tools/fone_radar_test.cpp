// The over-the-horizon radar: ten pulses a second, exactly 100 ms apart, each a short
// upward sweep.

#include "fone_audio.h"
#include "signal_measure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zenka::fone_test {
namespace {

constexpr std::size_t kPeriod = 800; // 100 ms at 8000 samples/s

TEST(FoneRadar, PulsesTenTimesASecondExactly) {
    const Audio a = read_audio(fone_file("othr-001.wav"));
    ASSERT_EQ(a.rate, 8000);
    Samples power;
    for (double v : a.samples)
        power.push_back(v * v);
    const Samples envelope = lowpass(power, a.rate, 500.0, 31); // about 1 ms smoothing

    // In every 100 ms one pulse towers over the noise, always at the same place.
    const std::size_t periods = a.samples.size() / kPeriod;
    EXPECT_EQ(periods, 150u);
    std::vector<std::size_t> where;
    for (std::size_t p = 0; p < periods; ++p) {
        const auto begin = envelope.begin() + static_cast<long>(p * kPeriod);
        const Samples period(begin, begin + static_cast<long>(kPeriod));
        const auto peak = std::max_element(period.begin(), period.end());
        EXPECT_GT(*peak, 20.0 * percentile(period, 0.5)) << "period " << p;
        where.push_back(static_cast<std::size_t>(peak - period.begin()));
    }
    for (std::size_t p = 0; p < periods; ++p)
        EXPECT_NEAR(static_cast<double>(where[p]), static_cast<double>(where[0]), 8.0)
            << "period " << p;
}

TEST(FoneRadar, EachPulseSweepsUpwards) {
    const Audio a = read_audio(fone_file("othr-001.wav"));
    // Summed over all pulses (they start 50 ms into each period): low tones early in the
    // pulse, high tones late.
    double early_low = 0, early_high = 0, late_low = 0, late_high = 0;
    for (std::size_t at = kPeriod / 2; at + kPeriod / 2 <= a.samples.size(); at += kPeriod) {
        early_low += tone_amplitude(a.samples, at + 4, 16, 1000, a.rate);
        early_high += tone_amplitude(a.samples, at + 4, 16, 2200, a.rate);
        late_low += tone_amplitude(a.samples, at + 28, 16, 1000, a.rate);
        late_high += tone_amplitude(a.samples, at + 28, 16, 2200, a.rate);
    }
    EXPECT_GT(early_low, 2.0 * early_high);
    EXPECT_GT(late_high, 2.0 * late_low);
}

} // namespace
} // namespace zenka::fone_test
