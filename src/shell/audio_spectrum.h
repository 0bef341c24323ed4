#pragma once
// The spectrum of what is heard, as rows of a waterfall: the output's samples (48 kHz)
// go in as they come, and every `hop` samples the last `size` of them, under a Hann
// window, are transformed (FFTW, single precision) into the levels of the bins from
// 0 Hz up to `top_hz`, in dB against a full-scale sine. The plan is made once, with the
// analyser; feeding and transforming allocate nothing.
//
//   AudioSpectrum s;                      // 4096 points, a row every 2048 samples
//   s.feed(block);                        // as the samples come
//   while (s.next_row(row)) { ... }       // the rows made since, oldest first

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace zenka {

class AudioSpectrum {
  public:
    static constexpr double kRate = 48000.0;
    static constexpr std::size_t kSize = 4096;
    static constexpr std::size_t kHop = 2048;
    static constexpr double kTopHz = 3000.0;
    // The quietest level a row says: the floor of the colour scale.
    static constexpr float kFloorDb = -120.0f;

    explicit AudioSpectrum(std::size_t size = kSize, std::size_t hop = kHop,
                           double top_hz = kTopHz);
    ~AudioSpectrum();
    AudioSpectrum(const AudioSpectrum&) = delete;
    AudioSpectrum& operator=(const AudioSpectrum&) = delete;

    // Bins in a row (0 Hz up to top_hz) and how wide each is.
    std::size_t bins() const { return bins_; }
    double bin_hz() const { return kRate / static_cast<double>(size_); }
    // Rows a second.
    double rows_per_second() const { return kRate / static_cast<double>(hop_); }

    // Takes samples in; transforms as soon as a hop is complete. Rows not taken yet are
    // kept, the newest kRowsKept of them.
    void feed(std::span<const float> samples) noexcept;
    // The oldest row not taken yet into `row` (bins() levels in dB); false when none.
    bool next_row(std::span<float> row) noexcept;

    static constexpr std::size_t kRowsKept = 64;

  private:
    void transform() noexcept;

    struct Fft;
    const std::size_t size_, hop_, bins_;
    std::unique_ptr<Fft> fft_;
    std::vector<float> window_;
    std::vector<float> history_; // the last size_ samples, oldest first
    std::size_t since_ = 0;      // samples since the last transform
    std::vector<float> rows_;    // kRowsKept rows of bins_, a ring
    std::size_t first_row_ = 0, row_count_ = 0;
};

} // namespace zenka
