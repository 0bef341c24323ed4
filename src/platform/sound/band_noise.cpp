#include "platform/sound/band_noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zenka::sound {

BandNoise::BandNoise(double rate, std::uint64_t seed) : rate_(rate), random_(seed) {
    const double turn = std::numbers::pi / 2.0 / (kCrossfadeS * rate);
    turn_c_ = std::cos(turn);
    turn_s_ = std::sin(turn);
}

void BandNoise::retune(std::uint64_t seed) noexcept {
    random_ = RandomDraw(mix_seed(random_.next(), seed));
    placed_ = false;
}

std::size_t BandNoise::random_place(std::size_t length) noexcept {
    return static_cast<std::size_t>(random_.next() % length);
}

void BandNoise::start_grain() noexcept {
    grain_left_ = static_cast<std::size_t>(random_.between(kGrainMinS, kGrainMaxS) * rate_);
}

double BandNoise::next_crash_gap(double crash_rate_hz) noexcept {
    return -std::log(random_.uniform()) * rate_ / crash_rate_hz;
}

// The next sample of white noise through the texture's colour, unit power.
double BandNoise::coloured(const NoiseTexture& texture) noexcept {
    const auto& a = texture.colour();
    double y = texture.drive() * std::numbers::sqrt3 * (2.0 * random_.uniform() - 1.0);
    // past_[past_at_ + k] is the output k + 1 samples back.
    for (std::size_t k = 0; k < kOrder; ++k)
        y -= a[k] * past_[past_at_ + k];
    past_at_ = past_at_ == 0 ? kOrder - 1 : past_at_ - 1;
    past_[past_at_] = y;
    past_[past_at_ + kOrder] = y;
    return y;
}

void BandNoise::add(std::span<float> out, const NoiseTexture& texture, float gain,
                    double crash_rate_hz) noexcept {
    const std::size_t length = texture.length();
    if (length == 0) return;
    if (!placed_) {
        heads_[0] = random_place(length);
        heads_[1] = random_place(length);
        fade_left_ = 0;
        start_grain();
        crash_wait_ = -1.0;
        placed_ = true;
    }
    const double average = 1.0 / (0.5 * rate_); // the noise's power over half a second
    for (float& v : out) {
        std::size_t& a = heads_[sounding_];
        std::size_t& b = heads_[1 - sounding_];
        double size = texture.envelope(a);
        if (fade_left_ > 0) {
            // a fades out along the cosine, b comes in along the sine; the
            // powers add.
            const double sa = fade_c_ * size;
            const double sb = fade_s_ * texture.envelope(b);
            size = std::sqrt(sa * sa + sb * sb);
            const double c = fade_c_ * turn_c_ - fade_s_ * turn_s_;
            fade_s_ = fade_c_ * turn_s_ + fade_s_ * turn_c_;
            fade_c_ = c;
            if (++b == length) b = 0;
            if (--fade_left_ == 0) {
                sounding_ = 1 - sounding_;
                heads_[1 - sounding_] = random_place(length); // out of hearing: jump
                start_grain();
            }
        } else if (--grain_left_ == 0) {
            fade_left_ = static_cast<std::size_t>(kCrossfadeS * rate_);
            fade_c_ = 1.0;
            fade_s_ = 0.0;
        }
        if (++a == length) a = 0;
        double x = size * coloured(texture);
        power_ += average * (x * x - power_);

        // Static crashes.
        if (crash_rate_hz > 0.0) {
            if (crash_wait_ < 0.0) crash_wait_ = next_crash_gap(crash_rate_hz);
            crash_wait_ -= 1.0;
            if (crash_wait_ < 0.0) {
                const double crash = 2.5 * std::exp(0.9 * random_.gaussian());
                crash_level_ = std::max(crash_level_, crash * std::sqrt(power_));
                crash_decay_ = std::exp(-1.0 / (random_.between(0.008, 0.08) * rate_));
                crash_wait_ = next_crash_gap(crash_rate_hz);
            }
        }
        if (crash_level_ > 1e-6) {
            // Uniform noise of unit power.
            x += crash_level_ * std::numbers::sqrt3 * (2.0 * random_.uniform() - 1.0);
            crash_level_ *= crash_decay_;
        }
        v += static_cast<float>(gain * x);
    }
}

} // namespace zenka::sound
