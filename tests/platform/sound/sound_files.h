#pragma once
// Sound files for the sound tests, written byte by byte (independently of the
// engine's own writer), and the mixed output read back.

#include "platform/sound/file_sound.h"
#include "support/temp_folder.h"

#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace zenka::test {

using Samples8 = std::vector<std::uint8_t>;

inline void put_le(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A PCM WAV header for `data_bytes` of `bits`-bit mono samples.
inline std::string wav_header(std::uint32_t rate, int bits, std::uint32_t data_bytes) {
    std::string h = "RIFF";
    put_le(h, 36 + data_bytes, 4);
    h += "WAVEfmt ";
    put_le(h, 16, 4);
    put_le(h, 1, 2);
    put_le(h, 1, 2);
    put_le(h, rate, 4);
    put_le(h, rate * static_cast<std::uint32_t>(bits / 8), 4);
    put_le(h, static_cast<std::uint32_t>(bits / 8), 2);
    put_le(h, static_cast<std::uint32_t>(bits), 2);
    h += "data";
    put_le(h, data_bytes, 4);
    return h;
}

inline void write_bytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A channel file: 44-byte header whose data chunk also counts the four silent
// samples at offsets 44..47, then `samples`.
inline void write_channel_file(const std::filesystem::path& file, std::uint32_t rate,
                               const Samples8& samples) {
    std::string bytes = wav_header(rate, 8, static_cast<std::uint32_t>(samples.size() + 4));
    bytes += std::string(4, static_cast<char>(0x80));
    bytes.append(samples.begin(), samples.end());
    write_bytes(file, bytes);
}

// A plain 8-bit WAV (carrier, recordings).
inline void write_wav8(const std::filesystem::path& file, std::uint32_t rate,
                       const Samples8& samples) {
    std::string bytes = wav_header(rate, 8, static_cast<std::uint32_t>(samples.size()));
    bytes.append(samples.begin(), samples.end());
    write_bytes(file, bytes);
}

// A plain 16-bit WAV (noise).
inline void write_wav16(const std::filesystem::path& file, std::uint32_t rate,
                        const std::vector<std::int16_t>& samples) {
    std::string bytes = wav_header(rate, 16, static_cast<std::uint32_t>(samples.size() * 2));
    for (const std::int16_t s : samples)
        put_le(bytes, static_cast<std::uint16_t>(s), 2);
    write_bytes(file, bytes);
}

// `count` samples of a sine of `hz` at `rate`, peak `amplitude` (in steps of 1/128).
inline Samples8 tone8(double hz, std::uint32_t rate, std::size_t count, int amplitude) {
    Samples8 s(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double v =
            amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(i) / rate);
        s[i] = static_cast<std::uint8_t>(128 + std::lround(v));
    }
    return s;
}

// The engine's keyed tone: marks of `on` cycles and gaps of `off` cycles of its
// 8-sample cycle with peak `a` (steps of 1/128), `repeats` times.
inline Samples8 keyed8(std::size_t on, std::size_t off, std::size_t repeats, int a = 96) {
    const auto at = [](int v) { return static_cast<std::uint8_t>(128 + v); };
    const Samples8 kCycle = {at(0), at(a / 2),  at(a),  at(a / 2),
                             at(0), at(-a / 2), at(-a), at(-a / 2)};
    Samples8 s;
    for (std::size_t r = 0; r < repeats; ++r) {
        for (std::size_t i = 0; i < on; ++i)
            s.insert(s.end(), kCycle.begin(), kCycle.end());
        s.insert(s.end(), off * 8, 128);
    }
    return s;
}

// The fundamental's amplitude of keyed8's cycle with peak a, as the mix hears
// it at unit gain.
inline double cycle_fundamental(int a) {
    const Samples8 cycle = keyed8(1, 0, 1, a);
    double sum = 0.0;
    for (std::size_t n = 0; n < 8; ++n)
        sum += (static_cast<double>(cycle[n]) - 128.0) / 128.0 *
               std::sin(2.0 * std::numbers::pi * static_cast<double>(n) / 8.0);
    return sum / 4.0;
}

// `n` samples of white noise, uniform in [-size, size].
inline std::vector<std::int16_t> white16(std::size_t n, unsigned seed, int size) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> value(-size, size);
    std::vector<std::int16_t> s(n);
    for (auto& v : s)
        v = static_cast<std::int16_t>(value(gen));
    return s;
}

// What the mixer makes of an 8-bit sample.
inline float level8(std::uint8_t b) {
    return (static_cast<float>(b) - 128.0f) / 128.0f;
}

inline std::vector<float> read_wav(const std::filesystem::path& file) {
    SF_INFO info{};
    SNDFILE* f = sf_open(file.c_str(), SFM_READ, &info);
    if (f == nullptr) return {};
    std::vector<float> s(static_cast<std::size_t>(info.frames) *
                         static_cast<std::size_t>(info.channels));
    s.resize(static_cast<std::size_t>(sf_readf_float(f, s.data(), info.frames)));
    sf_close(f);
    return s;
}

// Runs `script` on a FileSound writing float samples and returns what it wrote.
// Plain unless `receiver` is set: the sources summed as they are.
enum class Heard { Plain, Receiver };
inline std::vector<float> render(const TempFolder& folder,
                                 const std::function<void(sound::FileSound&)>& script,
                                 const std::filesystem::path& recordings = {},
                                 Heard heard = Heard::Plain) {
    const auto out = folder / "mix.wav";
    {
        sound::FileSound sound(
            out, sound::RecordingsFolder(recordings.empty() ? folder / "fone" : recordings),
            sound::FileSound::Format::Float);
        sound.set_plain_audio(heard == Heard::Plain);
        script(sound);
    }
    return read_wav(out);
}

// Power of `hz` in `samples` at `rate` (Goertzel).
inline double goertzel(const std::vector<float>& samples, std::size_t from, std::size_t count,
                       double hz, double rate) {
    const double w = 2.0 * std::numbers::pi * hz / rate;
    const double c = 2.0 * std::cos(w);
    double s1 = 0.0;
    double s2 = 0.0;
    for (std::size_t i = from; i < from + count; ++i) {
        const double s0 = samples[i] + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

inline std::vector<float> slice(const std::vector<float>& s, std::size_t from, std::size_t count) {
    return {s.begin() + static_cast<std::ptrdiff_t>(from),
            s.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

} // namespace zenka::test
