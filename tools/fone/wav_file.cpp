#include "wav_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zenka::fone {
namespace {

struct CloseFile {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using File = std::unique_ptr<SNDFILE, CloseFile>;

std::vector<short> to_pcm16(const Signal& x) {
    std::vector<short> pcm(x.size());
    std::transform(x.begin(), x.end(), pcm.begin(), [](double v) {
        return static_cast<short>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    });
    return pcm;
}

int format_of(Container container) {
    switch (container) {
    case Container::Wav16:
        return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case Container::Mp3:
        return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    }
    throw std::invalid_argument("unknown container");
}

// Constant 64 kbit/s: at 8000 samples/s the encoder then keeps the whole 0..4 kHz band,
// which the teleprinter tones need.
void set_mp3_quality(SNDFILE* f) {
    int mode = SF_BITRATE_MODE_CONSTANT;
    double level = 0.0;
    // The mode's set command reports nothing useful (libsndfile 1.2.0): read it back.
    sf_command(f, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
    if (sf_command(f, SFC_GET_BITRATE_MODE, nullptr, 0) != SF_BITRATE_MODE_CONSTANT ||
        !sf_command(f, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level))
        throw std::runtime_error("cannot set the MP3 bit rate");
}

} // namespace

void write_sound(const std::filesystem::path& path, const Sound& sound, Container container) {
    SF_INFO info{};
    info.samplerate = sound.rate;
    info.channels = 1;
    info.format = format_of(container);
    File f(sf_open(path.c_str(), SFM_WRITE, &info));
    if (!f) throw std::runtime_error(path.string() + ": " + sf_strerror(nullptr));
    if (container == Container::Mp3) set_mp3_quality(f.get());

    const std::vector<short> pcm = to_pcm16(sound.samples);
    const auto count = static_cast<sf_count_t>(pcm.size());
    if (sf_write_short(f.get(), pcm.data(), count) != count)
        throw std::runtime_error(path.string() + ": " + sf_strerror(f.get()));
    if (sf_close(f.release()) != 0) throw std::runtime_error(path.string() + ": write failed");
}

} // namespace zenka::fone
