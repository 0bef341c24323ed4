#include "synth/wave_header.h"

#include <cstring>

namespace zenka {

void WaveHeader::set_format(int channel_count, std::uint32_t rate) {
    channels = static_cast<std::uint16_t>(channel_count);
    block_align = static_cast<std::uint16_t>(channels * bits_per_sample / 8);
    sample_rate = rate;
    byte_rate = sample_rate * block_align;
}

void WaveHeader::set_samples(std::uint64_t samples) {
    data_size = static_cast<std::uint32_t>(samples + 4);
    riff_size = 36 + data_size;
}

namespace {

void put16(std::uint8_t* at, std::uint16_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

std::array<std::uint8_t, WaveHeader::kSize> WaveHeader::bytes() const {
    std::array<std::uint8_t, kSize> b{};
    std::memcpy(&b[0], "RIFF", 4);
    put32(&b[4], riff_size);
    std::memcpy(&b[8], "WAVE", 4);
    std::memcpy(&b[12], "fmt ", 4);
    put32(&b[16], 16);
    put16(&b[20], 1);
    put16(&b[22], channels);
    put32(&b[24], sample_rate);
    put32(&b[28], byte_rate);
    put16(&b[32], block_align);
    put16(&b[34], bits_per_sample);
    std::memcpy(&b[36], "data", 4);
    put32(&b[40], data_size);
    b[44] = b[45] = b[46] = b[47] = 0x80;
    return b;
}

} // namespace zenka
