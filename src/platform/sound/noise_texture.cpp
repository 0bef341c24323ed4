#include "platform/sound/noise_texture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zenka::sound {
namespace {

constexpr std::size_t kWindow = 48; // samples of the power about an envelope point
// The colour's fit: a white floor 30 dB below the loop's power keeps it well
// conditioned, and a 40 Hz lag window keeps its peaks from growing sharp.
constexpr double kFloor = 1e-3;
constexpr double kLagWidthHz = 40.0;
constexpr double kRate = 48000.0;

} // namespace

NoiseTexture::NoiseTexture(std::span<const float> loop) : length_(loop.size()) {
    const std::size_t n = loop.size();
    if (n == 0) return;
    // Envelope: rms over kWindow samples centred on every kStep-th sample,
    // round the loop.
    const std::size_t points = (n + kStep - 1) / kStep;
    envelope_.resize(points + 1);
    double total = 0.0;
    for (const float v : loop)
        total += static_cast<double>(v) * v;
    const double floor = 1e-3 * std::sqrt(total / static_cast<double>(n));
    for (std::size_t p = 0; p < points; ++p) {
        double sum = 0.0;
        const std::size_t centre = p * kStep + n; // + n keeps the index positive
        for (std::size_t k = 0; k < kWindow; ++k) {
            const double v = loop[(centre + k - kWindow / 2) % n];
            sum += v * v;
        }
        envelope_[p] = std::sqrt(sum / kWindow);
    }
    envelope_[points] = envelope_[0];
    if (!(floor > 0.0)) return; // a silent loop: no colour, no noise

    // The loop with its envelope taken out, and its autocorrelation round the loop.
    std::vector<double> flat(n);
    for (std::size_t i = 0; i < n; ++i)
        flat[i] = loop[i] / std::max(envelope(i), floor);
    std::array<double, kOrder + 1> r{};
    for (std::size_t lag = 0; lag <= kOrder; ++lag) {
        const std::size_t wrap = std::min(lag, n);
        double sum = 0.0;
        for (std::size_t i = 0; i + wrap < n; ++i)
            sum += flat[i] * flat[i + wrap];
        for (std::size_t i = n - wrap; i < n; ++i)
            sum += flat[i] * flat[i + wrap - n];
        const double spread = 2.0 * std::numbers::pi * kLagWidthHz * lag / kRate;
        r[lag] = sum / static_cast<double>(n) * std::exp(-0.5 * spread * spread);
    }
    r[0] *= 1.0 + kFloor;
    if (!(r[0] > 0.0)) return;

    // Levinson-Durbin: the prediction filter a and its error.
    std::array<double, kOrder + 1> a{};
    a[0] = 1.0;
    double error = r[0];
    for (std::size_t i = 1; i <= kOrder; ++i) {
        double acc = r[i];
        for (std::size_t j = 1; j < i; ++j)
            acc += a[j] * r[i - j];
        const double k = -acc / error;
        std::array<double, kOrder + 1> next = a;
        for (std::size_t j = 1; j < i; ++j)
            next[j] = a[j] + k * a[i - j];
        next[i] = k;
        a = next;
        error *= 1.0 - k * k;
    }
    for (std::size_t k = 0; k < kOrder; ++k)
        colour_[k] = a[k + 1];
    // Driven with power `error` the filter's output has power r[0]: scaled to 1.
    drive_ = std::sqrt(std::max(error, 0.0) / r[0]);
}

} // namespace zenka::sound
