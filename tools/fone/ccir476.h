#pragma once
// The 7-unit constant-ratio code of SITOR and NAVTEX (CCIR 476): every word has four
// mark (B) units and three space (Y) units, so a receiver recognises a mutilated word.
// Units are numbered as sent, the first in bit 0; a set bit is mark.

#include <cstdint>

namespace zenka::fone::ccir476 {

constexpr std::uint8_t kAlpha = 0x0F; // idle signal alpha, also phasing signal 1
constexpr std::uint8_t kRq = 0x66;    // signal repetition, also phasing signal 2

// The word carrying an ITA2 combination (0..31).
std::uint8_t from_ita2(std::uint8_t ita2_code);

} // namespace zenka::fone::ccir476
