#pragma once
// Expected sample streams, spelled out independently of the renderer.

#include "support/temp_folder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zenka::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes& operator+=(Bytes& a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
inline Bytes operator+(Bytes a, const Bytes& b) {
    return a += b;
}

inline Bytes repeated(const Bytes& cycle, std::size_t times) {
    Bytes out;
    for (std::size_t i = 0; i < times; ++i)
        out += cycle;
    return out;
}

inline Bytes silent(std::size_t samples) {
    return Bytes(samples, 0x80);
}

// The 8-sample mark cycle of each strength step.
inline Bytes tone(std::size_t cycles, int qsa) {
    static const Bytes kCycles[6] = {
        {128, 129, 130, 129, 128, 127, 126, 127}, {128, 132, 136, 132, 128, 124, 120, 124},
        {128, 136, 144, 136, 128, 120, 112, 120}, {128, 144, 160, 144, 128, 112, 96, 112},
        {128, 160, 192, 160, 128, 96, 64, 96},    {128, 176, 224, 176, 128, 80, 32, 80},
    };
    return repeated(kCycles[qsa], cycles);
}

// Plain keying of Morse elements ("." and "-") with a letter gap of `spacing` units.
inline Bytes keyed(const std::string& elements, std::size_t dot, int qsa, std::size_t spacing = 2) {
    Bytes out;
    for (char e : elements)
        out += tone(e == '-' ? 3 * dot : dot, qsa) + silent(8 * dot);
    return out + silent(8 * spacing * dot);
}

// The samples of a channel file after its 48-byte head.
inline Bytes samples_of(const Bytes& file) {
    return file.size() < 48 ? Bytes{} : Bytes(file.begin() + 48, file.end());
}

// Runs of whole 8-sample cycles: positive counts are tone, negative silence.
inline std::vector<long> cycle_runs(const Bytes& samples) {
    std::vector<long> runs;
    for (std::size_t i = 0; i + 8 <= samples.size(); i += 8) {
        bool quiet = true;
        for (std::size_t k = 0; k < 8; ++k)
            quiet = quiet && samples[i + k] == 0x80;
        const long step = quiet ? -1 : 1;
        if (!runs.empty() && (runs.back() < 0) == quiet)
            runs.back() += step;
        else
            runs.push_back(step);
    }
    return runs;
}

} // namespace zenka::test
