#pragma once
// The Morse code of every 7-bit character code.

#include <array>
#include <cstdint>

namespace zenka {

// Entry per code 0x00 .. 0x7F: the elements as bits behind a leading 1, read from
// the bit below it down to bit 0 (1 = dash, 0 = dot). "A" is 0b101, "E" 0b10; an
// entry of 0 or 1 has no elements.
extern const std::array<std::uint32_t, 128> cw_table;

} // namespace zenka
