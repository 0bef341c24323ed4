#pragma once
// ITA2 (Baudot-Murray) teleprinter code. Combinations are numbered with the first data
// unit in bit 0 (the unit sent first), a set bit being mark.

#include <cstdint>
#include <string_view>
#include <vector>

namespace zenka::fone::ita2 {

constexpr std::uint8_t kLetters = 0x1F; // LTRS: shift to letters
constexpr std::uint8_t kFigures = 0x1B; // FIGS: shift to figures

// Encodes `text` (A-Z in either case, digits, space, CR, LF and - ? : ( ) . , / ), starting
// with LTRS and inserting LTRS/FIGS wherever the case changes. After a space in figures
// case the next character repeats its shift, for receivers that unshift on space.
// Throws std::invalid_argument on a character ITA2 cannot send.
std::vector<std::uint8_t> encode(std::string_view text);

} // namespace zenka::fone::ita2
