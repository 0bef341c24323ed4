#pragma once
// Finds the strongest likeness between any two half-second stretches of a
// rendered sound at different places: the normalised correlation of every pair
// of windows (both 0.5 s long, at least 0.5 s apart, anywhere), without trying
// every pair. The sound is cut into pieces of two windows, overlapping by one
// (so every window lies whole in one of them); every pair of pieces is
// cross-correlated at a sixteenth of the rate (FFT), and wherever a pair's
// correlation comes near what a repeated window would give, the windows there
// are compared exactly at the full rate, at every lag nearby and every
// position.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace zenka::test {

// In-place radix-2 FFT of re + j im (sizes a power of two); the inverse is
// unscaled. Plain doubles: complex<double> arithmetic goes through a library
// call per product in an unoptimised build.
inline void fft(std::vector<double>& re, std::vector<double>& im, bool inverse) {
    const std::size_t n = re.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) {
            std::swap(re[i], re[j]);
            std::swap(im[i], im[j]);
        }
    }
    std::vector<double> cos_k(n / 2), sin_k(n / 2); // e^(-+ 2 pi j k / n)
    for (std::size_t k = 0; k < n / 2; ++k) {
        const double angle = (inverse ? 2.0 : -2.0) * std::numbers::pi * static_cast<double>(k) /
                             static_cast<double>(n);
        cos_k[k] = std::cos(angle);
        sin_k[k] = std::sin(angle);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        for (std::size_t k = 0; k < len / 2; ++k) {
            const double wr = cos_k[k * (n / len)];
            const double wi = sin_k[k * (n / len)];
            for (std::size_t i = k; i < n; i += len) {
                const std::size_t h = i + len / 2;
                const double br = re[h] * wr - im[h] * wi;
                const double bi = re[h] * wi + im[h] * wr;
                re[h] = re[i] - br;
                im[h] = im[i] - bi;
                re[i] += br;
                im[i] += bi;
            }
        }
    }
}

struct Likeness {
    double correlation = 0.0;          // the largest |normalised correlation| found
    std::size_t first = 0, second = 0; // where its two windows start
};

// The largest |normalised correlation| between the windows of `count` samples
// of s at a and at a + lag, for every a in [from, to) and every lag in [lo, hi]
// of at least `min_lag`.
inline Likeness best_at_lags(const std::vector<float>& s, std::size_t count, long from, long to,
                             long lo, long hi, long min_lag) {
    Likeness best;
    const long n = static_cast<long>(s.size());
    const long w = static_cast<long>(count);
    from = std::max(from, 0L);
    for (long lag = std::max(lo, min_lag); lag <= hi; ++lag) {
        if (from + lag + w > n) break;
        double ab = 0.0, aa = 0.0, bb = 0.0;
        for (long i = from; i < from + w; ++i) {
            ab += static_cast<double>(s[i]) * s[i + lag];
            aa += static_cast<double>(s[i]) * s[i];
            bb += static_cast<double>(s[i + lag]) * s[i + lag];
        }
        for (long a = from;; ++a) {
            if (aa > 0.0 && bb > 0.0) {
                const double c = std::fabs(ab) / std::sqrt(aa * bb);
                if (c > best.correlation)
                    best = {c, static_cast<std::size_t>(a), static_cast<std::size_t>(a + lag)};
            }
            if (a + 1 >= to || a + lag + w >= n) break;
            const double x0 = s[a], y0 = s[a + lag], x1 = s[a + w], y1 = s[a + lag + w];
            ab += x1 * y1 - x0 * y0;
            aa += x1 * x1 - x0 * x0;
            bb += y1 * y1 - y0 * y0;
        }
    }
    return best;
}

// See the top of the file. `window` is the stretch (0.5 s) in samples. The
// search ends as soon as it finds a likeness of `enough`.
inline Likeness strongest_repeat(const std::vector<float>& s, std::size_t window,
                                 double enough = 2.0) {
    constexpr std::size_t kDown = 16;
    // Sixteenth rate: the mean of every 16 samples.
    std::vector<double> low(s.size() / kDown);
    for (std::size_t i = 0; i < low.size(); ++i) {
        double sum = 0.0;
        for (std::size_t k = 0; k < kDown; ++k)
            sum += s[i * kDown + k];
        low[i] = sum / kDown;
    }
    const std::size_t piece = 2 * window / kDown;
    const std::size_t hop = piece / 2;
    std::size_t size = 1;
    while (size < 2 * piece)
        size <<= 1;
    struct Spectrum {
        std::vector<double> re, im;
    };
    std::vector<Spectrum> spectra;
    std::vector<double> energy;
    for (std::size_t at = 0; at + piece <= low.size(); at += hop) {
        Spectrum x{std::vector<double>(size), std::vector<double>(size)};
        double e = 0.0;
        for (std::size_t i = 0; i < piece; ++i) {
            x.re[i] = low[at + i];
            e += low[at + i] * low[at + i];
        }
        fft(x.re, x.im, false);
        spectra.push_back(std::move(x));
        energy.push_back(e);
    }
    // A window (half a piece) repeated with a likeness of 0.5 gives 0.25 here,
    // or down to about 0.2 where its lag falls between the low rate's samples:
    // candidates from well below that on are checked.
    constexpr double kCandidate = 0.12;
    const long reach = static_cast<long>(kDown);
    const long span = static_cast<long>(piece * kDown);
    const long w = static_cast<long>(window);
    Likeness best;
    // Checks the windows about lag d (low samples) of piece k against piece j.
    const auto check = [&](std::size_t j, std::size_t k, long d, long& checked) {
        const long start = static_cast<long>(j * hop * kDown);
        const long lag = static_cast<long>((k - j) * hop * kDown) + d * reach;
        if (lag + reach < w || lag + reach <= checked) return; // not different places
        const Likeness here = best_at_lags(s, window, start - w, start + span,
                                           std::max(lag - reach, checked + 1), lag + reach, w);
        checked = lag + reach;
        if (here.correlation > best.correlation) best = here;
    };
    struct Strongest {
        double value = -1.0;
        std::size_t j = 0, k = 0;
        long d = 0;
    } strongest;
    std::vector<double> pr(size), pi(size);
    for (std::size_t j = 0; j < spectra.size() && best.correlation < enough; ++j) {
        for (std::size_t k = j; k < spectra.size() && best.correlation < enough; ++k) {
            // conj(piece j) x piece k, back to lags.
            for (std::size_t f = 0; f < size; ++f) {
                const double ar = spectra[j].re[f], ai = spectra[j].im[f];
                const double br = spectra[k].re[f], bi = spectra[k].im[f];
                pr[f] = ar * br + ai * bi;
                pi[f] = ar * bi - ai * br;
            }
            fft(pr, pi, true);
            const double norm = std::sqrt(energy[j] * energy[k]) * static_cast<double>(size);
            if (!(norm > 0.0)) continue;
            long checked = -1; // lags up to here are done
            // Lag d of piece k against piece j; negative lags wrap round.
            for (long d = -static_cast<long>(piece) + 1; d < static_cast<long>(piece); ++d) {
                const auto bin = static_cast<std::size_t>(d < 0 ? d + static_cast<long>(size) : d);
                const double r = std::fabs(pr[bin]) / norm;
                const long lag = static_cast<long>((k - j) * hop) + d; // low samples
                if ((lag + 1) * reach < w) continue;                   // not different places
                if (r > strongest.value) strongest = {r, j, k, d};
                if (r >= kCandidate) check(j, k, d, checked);
            }
        }
    }
    // The likeliest place of all is looked at even when nothing came near.
    long none = -1;
    if (strongest.value >= 0.0 && strongest.value < kCandidate)
        check(strongest.j, strongest.k, strongest.d, none);
    return best;
}

} // namespace zenka::test
