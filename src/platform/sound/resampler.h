#pragma once
// Sample-rate conversion through libsamplerate. Its sinc converters are time
// aligned: output sample j stands for input position j / ratio, with no delay.

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

struct SRC_STATE_tag; // libsamplerate's SRC_STATE

namespace zenka::sound {

enum class Quality {
    Fastest, // channel streams: far below 8-bit noise, and cheap
    Medium,  // recordings, carrier and noise, converted once
};

class Resampler {
  public:
    // `ratio` is output rate / input rate; an unusable ratio gives an empty Resampler.
    Resampler(Quality quality, double ratio);

    explicit operator bool() const { return state_ != nullptr; }

    struct Step {
        std::size_t used = 0; // input samples consumed
        std::size_t made = 0; // output samples written
    };
    // Converts what it can of `in` into `out`. `last` says no input follows `in`:
    // the converter then drains, and a step that makes nothing means it is done.
    Step process(std::span<const float> in, std::span<float> out, bool last);
    // Forgets the input seen so far: the next output starts afresh.
    void reset();

  private:
    struct Deleter {
        void operator()(SRC_STATE_tag* state) const;
    };
    std::unique_ptr<SRC_STATE_tag, Deleter> state_;
    double ratio_;
};

// The whole of `in` converted by `ratio` (a copy when the ratio is 1).
std::vector<float> resample(std::span<const float> in, double ratio, Quality quality);

// One period of the endless repetition of `loop`, converted by about `ratio`:
// the result has round(loop.size() * ratio) samples and repeats seamlessly,
// because it is cut from a conversion of the repetition that runs on a little
// past the period at both ends.
std::vector<float> resample_loop(std::span<const float> loop, double ratio, Quality quality);

// How resample_loop converts a loop of `length` samples: `input` samples of the
// repetition from `lead` samples before the loop's start, at the exact ratio
// period / length; the result is the `period` samples after the first `skip`.
struct LoopPlan {
    std::size_t period = 0;
    std::size_t lead = 0;
    std::size_t input = 0;
    std::size_t skip = 0;
};
LoopPlan plan_loop(std::size_t length, double ratio);

} // namespace zenka::sound
