#pragma once
// A decoded sound playing from memory: once, or looped with no gap and no
// repeated sample at the seam. Only the audio thread moves its position. The
// band noise's loop also carries its texture, for the receiver's band noise.

#include "platform/sound/noise_texture.h"
#include "platform/sound/sound_cache.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <optional>
#include <span>

namespace zenka::sound {

class Voice {
  public:
    Voice(DecodedSound sound, bool loop) : sound_(std::move(sound)), loop_(loop) {}
    // A loop with its texture worked out (slow: off the audio thread).
    Voice(DecodedSound sound, bool loop, bool textured) : Voice(std::move(sound), loop) {
        if (textured) texture_.emplace(*sound_);
    }

    // Audio thread: adds the next out.size() samples times `gain` onto `out`.
    void add(std::span<float> out, float gain) noexcept {
        const std::vector<float>& s = *sound_;
        std::size_t done = 0;
        while (done < out.size() && at_ < s.size()) {
            const std::size_t n = std::min(out.size() - done, s.size() - at_);
            for (std::size_t i = 0; i < n; ++i)
                out[done + i] += gain * s[at_ + i];
            done += n;
            at_ += n;
            if (at_ == s.size() && loop_) at_ = 0;
        }
        if (at_ == s.size()) finished_.store(true, std::memory_order_relaxed);
    }

    // The texture, when the voice was made with one.
    const NoiseTexture* texture() const noexcept { return texture_ ? &*texture_ : nullptr; }

    // A sound played once has come to its end.
    bool finished() const noexcept { return finished_.load(std::memory_order_relaxed); }

  private:
    DecodedSound sound_; // never empty
    bool loop_;
    std::optional<NoiseTexture> texture_;
    std::size_t at_ = 0;
    std::atomic<bool> finished_{false};
};

} // namespace zenka::sound
