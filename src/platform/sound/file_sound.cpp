#include "platform/sound/file_sound.h"

#include "platform/sound/mix_levels.h"

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace zenka::sound {

void FileSound::Closer::operator()(sf_private_tag* file) const {
    sf_close(file);
}

namespace {

SF_INFO wave_format(FileSound::Format format, FileSound::Container container) {
    SF_INFO info{};
    info.samplerate = kMixRate;
    info.channels = 1;
    info.format = (container == FileSound::Container::Rf64 ? SF_FORMAT_RF64 : SF_FORMAT_WAV) |
                  (format == FileSound::Format::Float ? SF_FORMAT_FLOAT : SF_FORMAT_PCM_16);
    return info;
}

} // namespace

FileSound::Container FileSound::container_for(std::uint64_t samples, Format format,
                                              std::uint64_t limit) {
    const std::uint64_t bytes = samples * (format == Format::Float ? 4 : 2);
    return limit >= kHeadRoom && bytes <= limit - kHeadRoom ? Container::Wave : Container::Rf64;
}

FileSound::FileSound(const std::filesystem::path& out, RecordingsFolder folder, Format format,
                     Container container)
    : mixer_(std::move(folder)) {
    SF_INFO info = wave_format(format, container);
    start(sf_open(out.c_str(), SFM_WRITE, &info));
}

FileSound::FileSound(int fd, RecordingsFolder folder, Format format, Container container)
    : mixer_(std::move(folder)) {
    SF_INFO info = wave_format(format, container);
    start(sf_open_fd(fd, SFM_WRITE, &info, SF_FALSE));
}

void FileSound::start(sf_private_tag* file) {
    file_.reset(file);
    if (file_) sf_command(file_.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

FileSound::~FileSound() = default;

void FileSound::advance(std::chrono::milliseconds span) {
    if (span.count() > 0)
        advance_samples(static_cast<std::uint64_t>(span.count()) * (kMixRate / 1000));
}

void FileSound::advance_samples(std::uint64_t samples) {
    const std::lock_guard lock(rendering_);
    if (!file_ || failed_) return;
    std::array<float, kBlock> block{};
    while (samples > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(samples, kBlock));
        mixer_.load();
        mixer_.feed();
        mixer_.mix(std::span<float>(block.data(), n));
        recorder_.tap(std::span<const float>(block.data(), n));
        recorder_.drain();
        errno = 0;
        if (sf_write_float(file_.get(), block.data(), static_cast<sf_count_t>(n)) !=
            static_cast<sf_count_t>(n)) {
            fail("cannot write");
            return;
        }
        samples -= n;
        position_ += n;
    }
}

bool FileSound::finish() {
    const std::lock_guard lock(rendering_);
    if (!file_) return false;
    // Closing writes the final sizes into the header.
    errno = 0;
    if (sf_close(file_.release()) != 0 && !failed_) fail("cannot complete the file");
    return !failed_;
}

void FileSound::fail(const char* what) {
    failed_ = true;
    error_ = what;
    if (errno != 0) error_ += std::string(": ") + std::strerror(errno);
}

std::uint64_t FileSound::position() const {
    const std::lock_guard lock(rendering_);
    return position_;
}

} // namespace zenka::sound
