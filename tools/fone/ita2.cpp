#include "ita2.h"

#include <array>
#include <cctype>
#include <optional>
#include <stdexcept>
#include <string>

namespace zenka::fone::ita2 {
namespace {

// Only the figures shared by the international and the US teleprinter alphabets are
// listed, so any teleprinter prints them the same.
struct Row {
    char letter;
    char figure; // 0: none used here
    std::uint8_t code;
};

constexpr std::array<Row, 26> kRows = {{
    {'A', '-', 0x03}, {'B', '?', 0x19}, {'C', ':', 0x0E}, {'D', 0, 0x09},   {'E', '3', 0x01},
    {'F', 0, 0x0D},   {'G', 0, 0x1A},   {'H', 0, 0x14},   {'I', '8', 0x06}, {'J', 0, 0x0B},
    {'K', '(', 0x0F}, {'L', ')', 0x12}, {'M', '.', 0x1C}, {'N', ',', 0x0C}, {'O', '9', 0x18},
    {'P', '0', 0x16}, {'Q', '1', 0x17}, {'R', '4', 0x0A}, {'S', 0, 0x05},   {'T', '5', 0x10},
    {'U', '7', 0x07}, {'V', 0, 0x1E},   {'W', '2', 0x13}, {'X', '/', 0x1D}, {'Y', '6', 0x15},
    {'Z', 0, 0x11},
}};

// Sent the same in either case.
std::optional<std::uint8_t> caseless(char c) {
    switch (c) {
    case ' ':
        return 0x04;
    case '\r':
        return 0x08;
    case '\n':
        return 0x02;
    default:
        return std::nullopt;
    }
}

enum class Case { Unknown, Letters, Figures };

} // namespace

std::vector<std::uint8_t> encode(std::string_view text) {
    std::vector<std::uint8_t> out;
    Case now = Case::Unknown;
    auto shift_to = [&](Case wanted) {
        if (now != wanted) out.push_back(wanted == Case::Letters ? kLetters : kFigures);
        now = wanted;
    };
    shift_to(Case::Letters);
    for (char c : text) {
        if (const auto code = caseless(c)) {
            out.push_back(*code);
            if (c == ' ' && now == Case::Figures) now = Case::Unknown;
            continue;
        }
        const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const Row* row = nullptr;
        Case wanted = Case::Letters;
        for (const Row& r : kRows) {
            if (r.letter == up) row = &r, wanted = Case::Letters;
            if (r.figure == c) row = &r, wanted = Case::Figures;
        }
        if (row == nullptr)
            throw std::invalid_argument("no ITA2 code for '" + std::string(1, c) + "'");
        shift_to(wanted);
        out.push_back(row->code);
    }
    return out;
}

} // namespace zenka::fone::ita2
