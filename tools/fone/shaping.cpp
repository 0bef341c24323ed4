#include "shaping.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zenka::fone {

double rms(const Signal& x) {
    if (x.empty()) return 0.0;
    double sum = 0.0;
    for (double v : x)
        sum += v * v;
    return std::sqrt(sum / static_cast<double>(x.size()));
}

void scale_to_rms(Signal& x, double target) {
    const double now = rms(x);
    if (now > 0.0)
        for (double& v : x)
            v *= target / now;
}

void scale_to_peak(Signal& x, double peak) {
    double now = 0.0;
    for (double v : x)
        now = std::max(now, std::abs(v));
    if (now > 0.0)
        for (double& v : x)
            v *= peak / now;
}

void fade_ends(Signal& x, int rate, double seconds) {
    const std::size_t n = std::min(x.size() / 2, static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < n; ++i) {
        const double g = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                              static_cast<double>(n));
        x[i] *= g;
        x[x.size() - 1 - i] *= g;
    }
}

void soft_limit(Signal& x, double ceiling) {
    for (double& v : x)
        v = ceiling * std::tanh(v / ceiling);
}

void mix_into(Signal& x, const Signal& y, std::size_t offset) {
    if (x.size() < offset + y.size()) x.resize(offset + y.size(), 0.0);
    for (std::size_t i = 0; i < y.size(); ++i)
        x[offset + i] += y[i];
}

} // namespace zenka::fone
