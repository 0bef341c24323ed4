#include "platform/sound/file_sound.h"

#include "platform/sound/mix_levels.h"

#include <sndfile.h>

#include <algorithm>
#include <array>

namespace zenka::sound {

void FileSound::Closer::operator()(sf_private_tag* file) const {
    sf_close(file);
}

FileSound::FileSound(const std::filesystem::path& out, RecordingsFolder folder, Format format)
    : mixer_(std::move(folder)) {
    SF_INFO info{};
    info.samplerate = kMixRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | (format == Format::Float ? SF_FORMAT_FLOAT : SF_FORMAT_PCM_16);
    file_.reset(sf_open(out.c_str(), SFM_WRITE, &info));
    if (file_) sf_command(file_.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

FileSound::~FileSound() = default;

void FileSound::advance(std::chrono::milliseconds span) {
    if (span.count() > 0)
        advance_samples(static_cast<std::uint64_t>(span.count()) * (kMixRate / 1000));
}

void FileSound::advance_samples(std::uint64_t samples) {
    const std::lock_guard lock(rendering_);
    if (!file_) return;
    std::array<float, kBlock> block{};
    while (samples > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(samples, kBlock));
        mixer_.load();
        mixer_.feed();
        mixer_.mix(std::span<float>(block.data(), n));
        sf_write_float(file_.get(), block.data(), static_cast<sf_count_t>(n));
        samples -= n;
        position_ += n;
    }
}

std::uint64_t FileSound::position() const {
    const std::lock_guard lock(rendering_);
    return position_;
}

} // namespace zenka::sound
