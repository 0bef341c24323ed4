#include "platform/sound/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace zenka::sound {

void SoundFile::Closer::operator()(sf_private_tag* file) const {
    sf_close(file);
}

SoundFile::SoundFile(UniqueFd fd) : fd_(std::move(fd)) {
    if (!fd_) return;
    SF_INFO info{};
    // The descriptor stays ours (SF_FALSE): it is closed after sf_close, and also
    // when sf_open_fd fails.
    std::unique_ptr<sf_private_tag, Closer> file(sf_open_fd(fd_.get(), SFM_READ, &info, SF_FALSE));
    if (!file || info.samplerate < kMinRate || info.samplerate > kMaxRate || info.channels < 1 ||
        info.channels > kMaxChannels || info.frames <= 0) {
        file.reset();
        fd_.reset();
        return;
    }
    file_ = std::move(file);
    rate_ = info.samplerate;
    channels_ = info.channels;
    frames_ = info.frames;
}

namespace {

// Float files may hold anything; the mix takes only finite samples in [-1, 1].
void tame(std::span<float> samples) {
    for (float& v : samples)
        v = std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
}

} // namespace

std::size_t SoundFile::read_mono(std::span<float> out) {
    if (!file_ || out.empty()) return 0;
    if (channels_ == 1) {
        const sf_count_t n =
            sf_readf_float(file_.get(), out.data(), static_cast<sf_count_t>(out.size()));
        if (n <= 0) return 0;
        tame(out.first(static_cast<std::size_t>(n)));
        return static_cast<std::size_t>(n);
    }
    const auto channels = static_cast<std::size_t>(channels_);
    interleaved_.resize(out.size() * channels);
    const sf_count_t n =
        sf_readf_float(file_.get(), interleaved_.data(), static_cast<sf_count_t>(out.size()));
    if (n <= 0) return 0;
    const auto frames = static_cast<std::size_t>(n);
    const float scale = 1.0f / static_cast<float>(channels);
    for (std::size_t i = 0; i < frames; ++i) {
        float sum = 0.0f;
        for (std::size_t c = 0; c < channels; ++c)
            sum += interleaved_[i * channels + c];
        out[i] = sum * scale;
    }
    tame(out.first(frames));
    return frames;
}

void SoundFile::close() {
    file_.reset();
    fd_.reset();
    interleaved_ = {};
}

} // namespace zenka::sound
