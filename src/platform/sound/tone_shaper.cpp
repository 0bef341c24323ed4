#include "platform/sound/tone_shaper.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace zenka::sound {
namespace {

constexpr double kChirpTimeS = 0.025;
// Envelope power below this (against full scale) is silence.
constexpr double kQuietPower = 1e-14;

} // namespace

ToneShaper::ToneShaper(double pitch_hz, double corner_hz, double chirp_hz, int file_rate,
                       int out_rate)
    : file_rate_(std::max(file_rate, 1)), out_rate_(std::max(out_rate, 1)), pitch_hz_(pitch_hz),
      lo_re_(std::cos(2.0 * std::numbers::pi * pitch_hz / file_rate_)),
      lo_im_(-std::sin(2.0 * std::numbers::pi * pitch_hz / file_rate_)),
      re_(Butterworth4::lowpass(corner_hz, file_rate_)),
      im_(Butterworth4::lowpass(corner_hz, file_rate_)),
      peak_decay_(std::exp(-1.0 / (2.0 * file_rate_))), chirp_hz_(chirp_hz),
      chirp_decay_(std::exp(-1.0 / (kChirpTimeS * out_rate_))) {
    reset();
}

void ToneShaper::reset() noexcept {
    re_.reset();
    im_.reset();
    lo_ = {};
    peak_ = 0.0;
    keyed_ = false;
    first_ = true;
    acc_ = 0;
    h_re_ = {};
    h_im_ = {};
    c_re_ = {};
    c_im_ = {};
    chirp_now_ = 0.0;
    // The output runs two file samples behind the newest envelope sample: the
    // tone's phase there is that of the mix-down two samples earlier.
    const double behind = -2.0 * 2.0 * std::numbers::pi * pitch_hz_ / file_rate_;
    up_ = {std::cos(behind), std::sin(behind)};
}

std::size_t ToneShaper::needs(std::size_t n) const noexcept {
    const auto ahead = static_cast<std::uint64_t>(acc_) +
                       static_cast<std::uint64_t>(n) * static_cast<std::uint64_t>(file_rate_);
    return (first_ ? 1u : 0u) + static_cast<std::size_t>(ahead / out_rate_);
}

bool ToneShaper::quiet() const noexcept {
    for (std::size_t i = 0; i < 4; ++i) {
        if (h_re_[i] * h_re_[i] + h_im_[i] * h_im_[i] >= kQuietPower) return false;
    }
    return true;
}

// A new envelope sample: the four move on, and the cubic between the middle
// two (Catmull-Rom) is worked out once for every output sample that falls there.
void ToneShaper::push(double re, double im) noexcept {
    const auto shift = [](std::array<double, 4>& h, std::array<double, 4>& c, double v) {
        h = {h[1], h[2], h[3], v};
        c[0] = h[1];
        c[1] = 0.5 * (h[2] - h[0]);
        c[2] = h[0] - 2.5 * h[1] + 2.0 * h[2] - 0.5 * h[3];
        c[3] = 0.5 * (h[3] - h[0]) + 1.5 * (h[1] - h[2]);
    };
    shift(h_re_, c_re_, re);
    shift(h_im_, c_im_, im);
}

// The output tone's turn for the next `samples` samples: the pitch, the offset,
// and the chirp's mean over them (so its phase comes out exact).
void ToneShaper::set_turn(double offset_hz, double chirp_hz, std::size_t samples) noexcept {
    double chirp = 0.0;
    if (chirp_hz != 0.0 && samples > 0) {
        const double n = static_cast<double>(samples);
        chirp = chirp_hz * (1.0 - std::pow(chirp_decay_, n)) / (n * (1.0 - chirp_decay_));
    }
    const double angle = 2.0 * std::numbers::pi * (pitch_hz_ + offset_hz + chirp) / out_rate_;
    turn_re_ = std::cos(angle);
    turn_im_ = std::sin(angle);
}

void ToneShaper::add(std::span<float> out, std::span<const float> in, double offset_hz, double gain,
                     double slope) noexcept {
    const std::size_t n = std::min(out.size(), kMaxPiece);
    const std::size_t m = std::min(in.size(), e_re_.size());
    // Down at the file rate: the envelope of every file sample, and where the
    // key went down among them.
    std::size_t onset = m;
    for (std::size_t i = 0; i < m; ++i) {
        const double x = in[i];
        const double zr = 2.0 * re_.step(x * lo_.re);
        const double zi = 2.0 * im_.step(x * lo_.im);
        lo_.turn(lo_re_, lo_im_);
        const double power = zr * zr + zi * zi;
        peak_ = std::max(power, peak_ * peak_decay_);
        const bool keyed = power > 0.25 * peak_ && power > 1e-10;
        if (keyed && !keyed_ && onset == m) onset = i;
        keyed_ = keyed;
        e_re_[i] = zr;
        e_im_[i] = zi;
    }
    lo_.renormalise();

    std::size_t next = 0;
    if (first_ && m > 0) {
        push(e_re_[0], e_im_[0]);
        next = 1;
        first_ = false;
    }
    // Up at the output rate. A key-down restarts the chirp from the output
    // sample at which its envelope sample comes in.
    if (next == 1 && onset == 0) chirp_now_ = chirp_hz_;
    set_turn(offset_hz, chirp_now_, n);
    std::size_t chirp_from = 0;
    const double per_sample = 1.0 / out_rate_;
    for (std::size_t i = 0; i < n; ++i) {
        const double u = acc_ * per_sample;
        const double er = ((c_re_[3] * u + c_re_[2]) * u + c_re_[1]) * u + c_re_[0];
        const double ei = ((c_im_[3] * u + c_im_[2]) * u + c_im_[1]) * u + c_im_[0];
        out[i] += static_cast<float>(gain * (er * up_.re - ei * up_.im));
        gain += slope;
        up_.turn(turn_re_, turn_im_);
        acc_ += file_rate_;
        if (acc_ >= out_rate_) {
            acc_ -= out_rate_;
            if (next < m) {
                if (next == onset) {
                    chirp_now_ = chirp_hz_;
                    chirp_from = i + 1;
                    set_turn(offset_hz, chirp_now_, n - chirp_from);
                }
                push(e_re_[next], e_im_[next]);
                ++next;
            }
        }
    }
    chirp_now_ *= std::pow(chirp_decay_, static_cast<double>(n - chirp_from));
    if (std::fabs(chirp_now_) < 1e-6) chirp_now_ = 0.0;
    up_.renormalise();
}

} // namespace zenka::sound
