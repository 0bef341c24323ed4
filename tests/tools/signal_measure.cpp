#include "signal_measure.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace zenka::fone_test {
namespace {

using std::numbers::pi;
using Complex = std::complex<double>;

std::vector<double> lowpass_taps(int rate, double cutoff_hz, int length) {
    const int middle = length / 2;
    const double fc = cutoff_hz / rate;
    std::vector<double> taps(static_cast<std::size_t>(length));
    double sum = 0.0;
    for (int k = 0; k < length; ++k) {
        const int m = k - middle;
        const double sinc = m == 0 ? 2.0 * fc : std::sin(2.0 * pi * fc * m) / (pi * m);
        const double a = 2.0 * pi * k / (length - 1);
        const double blackman = 0.42 - 0.5 * std::cos(a) + 0.08 * std::cos(2.0 * a);
        taps[static_cast<std::size_t>(k)] = sinc * blackman;
        sum += sinc * blackman;
    }
    for (double& t : taps)
        t /= sum;
    return taps;
}

template <typename T>
std::vector<T> centred_fir(const std::vector<T>& x, const std::vector<double>& taps) {
    const long n = static_cast<long>(x.size());
    const long middle = static_cast<long>(taps.size() / 2);
    std::vector<T> y(x.size(), T{});
    for (long i = 0; i < n; ++i) {
        T acc{};
        for (long k = 0; k < static_cast<long>(taps.size()); ++k) {
            const long j = i + middle - k;
            if (j >= 0 && j < n)
                acc += taps[static_cast<std::size_t>(k)] * x[static_cast<std::size_t>(j)];
        }
        y[static_cast<std::size_t>(i)] = acc;
    }
    return y;
}

} // namespace

double tone_amplitude(const Samples& x, std::size_t begin, std::size_t count, double hz, int rate) {
    const double w = 2.0 * pi * hz / rate;
    const double coeff = 2.0 * std::cos(w);
    double s1 = 0.0, s2 = 0.0;
    for (std::size_t i = begin; i < begin + count && i < x.size(); ++i) {
        const double s0 = x[i] + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(count);
}

Samples instantaneous_frequency(const Samples& x, int rate, double centre_hz, double half_band_hz) {
    std::vector<Complex> mixed(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        mixed[i] = x[i] * std::polar(1.0, -2.0 * pi * centre_hz * static_cast<double>(i) / rate);
    const std::vector<Complex> base = centred_fir(mixed, lowpass_taps(rate, half_band_hz, 63));
    Samples f(x.size(), centre_hz);
    for (std::size_t i = 1; i < x.size(); ++i)
        f[i] = centre_hz + std::arg(base[i] * std::conj(base[i - 1])) * rate / (2.0 * pi);
    return f;
}

Samples lowpass(const Samples& x, int rate, double cutoff_hz, int length) {
    return centred_fir(x, lowpass_taps(rate, cutoff_hz, length));
}

Samples power_spectrum(const Samples& x, std::size_t block) {
    Samples power(block / 2 + 1, 0.0);
    std::vector<Complex> twiddle(block);
    for (std::size_t k = 0; k < block; ++k)
        twiddle[k] =
            std::polar(1.0, -2.0 * pi * static_cast<double>(k) / static_cast<double>(block));
    Samples frame(block);
    for (std::size_t start = 0; start + block <= x.size(); start += block / 2) {
        for (std::size_t i = 0; i < block; ++i)
            frame[i] = x[start + i] * (0.5 - 0.5 * std::cos(2.0 * pi * static_cast<double>(i) /
                                                            static_cast<double>(block)));
        for (std::size_t k = 0; k < power.size(); ++k) {
            Complex sum = 0.0;
            for (std::size_t i = 0; i < block; ++i)
                sum += frame[i] * twiddle[(i * k) % block];
            power[k] += std::norm(sum);
        }
    }
    return power;
}

double percentile(Samples values, double p) {
    if (values.empty()) return 0.0;
    const auto rank = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    std::nth_element(values.begin(), values.begin() + static_cast<long>(rank), values.end());
    return values[rank];
}

} // namespace zenka::fone_test
