#include "shell/audio_spectrum.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>

namespace zenka {
namespace {

// FFTW's planner is not to be entered from two threads at once.
std::mutex& planner() {
    static std::mutex m;
    return m;
}

} // namespace

struct AudioSpectrum::Fft {
    float* in = nullptr;
    fftwf_complex* out = nullptr;
    fftwf_plan plan = nullptr;

    explicit Fft(std::size_t size) {
        const std::lock_guard lock(planner());
        in = fftwf_alloc_real(size);
        out = fftwf_alloc_complex(size / 2 + 1);
        plan = fftwf_plan_dft_r2c_1d(static_cast<int>(size), in, out, FFTW_ESTIMATE);
    }
    ~Fft() {
        const std::lock_guard lock(planner());
        fftwf_destroy_plan(plan);
        fftwf_free(out);
        fftwf_free(in);
    }
    Fft(const Fft&) = delete;
    Fft& operator=(const Fft&) = delete;
};

AudioSpectrum::AudioSpectrum(std::size_t size, std::size_t hop, double top_hz)
    : size_(std::max<std::size_t>(size, 16)), hop_(std::clamp<std::size_t>(hop, 1, size_)),
      bins_(std::min(size_ / 2 + 1, static_cast<std::size_t>(std::max(0.0, top_hz) *
                                                             static_cast<double>(size_) / kRate) +
                                        1)),
      fft_(std::make_unique<Fft>(size_)), window_(size_), history_(size_, 0.0f),
      rows_(kRowsKept * bins_, kFloorDb) {
    for (std::size_t i = 0; i < size_; ++i)
        window_[i] = static_cast<float>(
            0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) /
                                 static_cast<double>(size_)));
}

AudioSpectrum::~AudioSpectrum() = default;

void AudioSpectrum::feed(std::span<const float> samples) noexcept {
    while (!samples.empty()) {
        const std::size_t n = std::min(samples.size(), hop_ - since_);
        // The history moves on by n and takes the new samples at its end.
        std::copy(history_.begin() + static_cast<std::ptrdiff_t>(n), history_.end(),
                  history_.begin());
        std::copy_n(samples.begin(), n, history_.end() - static_cast<std::ptrdiff_t>(n));
        samples = samples.subspan(n);
        since_ += n;
        if (since_ == hop_) {
            since_ = 0;
            transform();
        }
    }
}

void AudioSpectrum::transform() noexcept {
    for (std::size_t i = 0; i < size_; ++i)
        fft_->in[i] = history_[i] * window_[i];
    fftwf_execute(fft_->plan);
    // A full-scale sine gives |X| = size / 4 under the Hann window: 0 dB.
    const double full = static_cast<double>(size_) / 4.0;
    if (row_count_ == kRowsKept) {
        first_row_ = (first_row_ + 1) % kRowsKept;
        --row_count_;
    }
    float* row = rows_.data() + ((first_row_ + row_count_) % kRowsKept) * bins_;
    for (std::size_t b = 0; b < bins_; ++b) {
        const double re = fft_->out[b][0], im = fft_->out[b][1];
        const double power = (re * re + im * im) / (full * full);
        row[b] = power > 0.0 ? std::max(kFloorDb, static_cast<float>(10.0 * std::log10(power)))
                             : kFloorDb;
    }
    ++row_count_;
}

bool AudioSpectrum::next_row(std::span<float> row) noexcept {
    if (row_count_ == 0) return false;
    const float* from = rows_.data() + first_row_ * bins_;
    std::copy_n(from, std::min(bins_, row.size()), row.begin());
    first_row_ = (first_row_ + 1) % kRowsKept;
    --row_count_;
    return true;
}

} // namespace zenka
