#include "fir.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <stdexcept>

namespace zenka::fone {
namespace {

using std::numbers::pi;

double blackman(int k, int length) {
    const double a = 2.0 * pi * k / (length - 1);
    return 0.42 - 0.5 * std::cos(a) + 0.08 * std::cos(2.0 * a);
}

void require_odd(int length) {
    if (length < 3 || length % 2 == 0) throw std::invalid_argument("FIR length must be odd");
}

// y[i] = sum over k of taps[k] * x[i + middle - k], where `padded` holds x with `middle`
// extra samples on each side.
Signal convolve(const Signal& padded, const Taps& taps) {
    const std::size_t n = padded.size() + 1 - taps.size();
    Signal y(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double* at = padded.data() + i + taps.size() - 1;
        double acc = 0.0;
        for (std::size_t k = 0; k < taps.size(); ++k)
            acc += taps[k] * *(at - k);
        y[i] = acc;
    }
    return y;
}

} // namespace

// Unit gain at 0 Hz.
Taps lowpass_taps(double cutoff_hz, int rate, int length) {
    require_odd(length);
    const double fc = cutoff_hz / rate;
    const int middle = length / 2;
    Taps taps(static_cast<std::size_t>(length));
    double sum = 0.0;
    for (int k = 0; k < length; ++k) {
        const int m = k - middle;
        const double ideal = m == 0 ? 2.0 * fc : std::sin(2.0 * pi * fc * m) / (pi * m);
        taps[static_cast<std::size_t>(k)] = ideal * blackman(k, length);
        sum += taps[static_cast<std::size_t>(k)];
    }
    for (double& t : taps)
        t /= sum;
    return taps;
}

Taps bandpass_taps(double low_hz, double high_hz, int rate, int length) {
    Taps taps = lowpass_taps(high_hz, rate, length);
    const Taps below = lowpass_taps(low_hz, rate, length);
    for (std::size_t k = 0; k < taps.size(); ++k)
        taps[k] -= below[k];
    return taps;
}

Taps hilbert_taps(int length) {
    require_odd(length);
    const int middle = length / 2;
    Taps taps(static_cast<std::size_t>(length), 0.0);
    for (int k = 0; k < length; ++k) {
        const int m = k - middle;
        if (m % 2 != 0) taps[static_cast<std::size_t>(k)] = 2.0 / (pi * m) * blackman(k, length);
    }
    return taps;
}

Signal filter(const Signal& x, const Taps& taps) {
    const std::size_t middle = taps.size() / 2;
    Signal padded(x.size() + 2 * middle, 0.0);
    std::copy(x.begin(), x.end(), padded.begin() + static_cast<long>(middle));
    return convolve(padded, taps);
}

Signal filter_circular(const Signal& x, const Taps& taps) {
    const std::size_t n = x.size(), middle = taps.size() / 2;
    Signal padded(n + 2 * middle);
    for (std::size_t i = 0; i < padded.size(); ++i)
        padded[i] = x[(i + n - middle % n) % n];
    return convolve(padded, taps);
}

} // namespace zenka::fone
