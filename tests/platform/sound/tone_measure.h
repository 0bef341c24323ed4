#pragma once
// Measurements on the mixed output for the tone tests: level, strongest
// frequency and the largest step between neighbouring samples.

#include "platform/sound/sound_files.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zenka::test {

inline double rms(const std::vector<float>& s, std::size_t from, std::size_t count) {
    double sum = 0.0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += static_cast<double>(s[i]) * s[i];
    return std::sqrt(sum / static_cast<double>(count));
}

inline double decibels(double ratio) {
    return 20.0 * std::log10(ratio);
}

// The frequency within 20 Hz of `guess` where s[from, from + count) at 48 kHz
// has the most power, found to 0.01 Hz by ever finer Goertzel scans.
inline double strongest_hz(const std::vector<float>& s, std::size_t from, std::size_t count,
                           double guess) {
    double best = guess;
    double reach = 20.0;
    for (const double step : {1.0, 0.1, 0.01}) {
        const double centre = best;
        double best_power = -1.0;
        for (double f = centre - reach; f <= centre + reach + step / 2; f += step) {
            const double p = goertzel(s, from, count, f, 48000.0);
            if (p > best_power) {
                best_power = p;
                best = f;
            }
        }
        reach = step;
    }
    return best;
}

// The power at lo, lo + step, ... hi Hz, summed over 0.1 s pieces of s from 1 s on.
inline std::vector<double> spectrum(const std::vector<float>& s, double lo, double hi,
                                    double step) {
    std::vector<double> power;
    for (double f = lo; f <= hi + step / 2; f += step) {
        double p = 0.0;
        for (std::size_t at = 48000; at + 4800 <= s.size(); at += 4800)
            p += goertzel(s, at, 4800, f, 48000.0);
        power.push_back(p);
    }
    return power;
}

inline float largest_step(const std::vector<float>& s, std::size_t from, std::size_t to) {
    float largest = 0.0f;
    for (std::size_t i = from + 1; i < to; ++i)
        largest = std::max(largest, std::fabs(s[i] - s[i - 1]));
    return largest;
}

} // namespace zenka::test
