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
    // A bounded block at a time, however much is asked for.
    constexpr std::size_t kBlockFrames = 8192;
    const auto channels = static_cast<std::size_t>(channels_);
    const float scale = 1.0f / static_cast<float>(channels);
    interleaved_.resize(kBlockFrames * channels);
    std::size_t done = 0;
    while (done < out.size()) {
        const std::size_t want = std::min(kBlockFrames, out.size() - done);
        const sf_count_t n =
            sf_readf_float(file_.get(), interleaved_.data(), static_cast<sf_count_t>(want));
        if (n <= 0) break;
        const auto frames = static_cast<std::size_t>(n);
        for (std::size_t i = 0; i < frames; ++i) {
            float sum = 0.0f;
            for (std::size_t c = 0; c < channels; ++c)
                sum += interleaved_[i * channels + c];
            out[done + i] = sum * scale;
        }
        done += frames;
        if (frames < want) break;
    }
    tame(out.first(done));
    return done;
}

void SoundFile::close() {
    file_.reset();
    fd_.reset();
    interleaved_ = {};
}

} // namespace zenka::sound
