#pragma once
// The 48-byte head of a channel file: a 44-byte PCM WAV header followed by four
// silent samples, 8-bit mono.

#include <array>
#include <cstdint>

namespace zenka {

struct WaveHeader {
    static constexpr std::uint32_t kSize = 48;

    std::uint16_t channels = 1;
    std::uint32_t sample_rate = 0;
    std::uint32_t byte_rate = 0;
    std::uint16_t block_align = 1;
    std::uint16_t bits_per_sample = 8;
    std::uint32_t data_size = 4;  // sample bytes after the header's own four, plus 4
    std::uint32_t riff_size = 40; // 36 + data_size

    // Sets the rate fields for `channels` 8-bit channels at `rate` samples per second.
    void set_format(int channel_count, std::uint32_t rate);
    // Sets the size fields for `samples` bytes written after offset 47.
    void set_samples(std::uint64_t samples);

    std::array<std::uint8_t, kSize> bytes() const;
};

} // namespace zenka
