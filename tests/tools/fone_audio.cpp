#include "fone_audio.h"

#include <sndfile.h>

#include <stdexcept>

namespace zenka::fone_test {

std::filesystem::path fone_file(const std::string& name) {
    return std::filesystem::path(ZENKA_FONE_DIR) / name;
}

Audio read_audio(const std::filesystem::path& file) {
    SF_INFO info{};
    SNDFILE* f = sf_open(file.c_str(), SFM_READ, &info);
    if (f == nullptr) throw std::runtime_error(file.string() + ": " + sf_strerror(nullptr));
    Audio audio;
    audio.rate = info.samplerate;
    audio.channels = info.channels;
    audio.format = info.format;
    std::vector<double> frames(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t got = sf_readf_double(f, frames.data(), info.frames);
    sf_close(f);
    frames.resize(static_cast<std::size_t>(got * info.channels));
    for (std::size_t i = 0; i < frames.size(); i += static_cast<std::size_t>(info.channels))
        audio.samples.push_back(frames[i]);
    return audio;
}

} // namespace zenka::fone_test
