#pragma once
// Reading the text files the program keeps, and the listener's, a line at a time.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace zenka {

// Without the blanks, tabs and carriage return around it.
inline std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Takes the first line off `text` (without its newline).
inline std::string_view next_line(std::string_view& text) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    return line;
}

// A piece of a file repeated in a message: in quotes, at most 40 bytes of it,
// cut at a character's start.
inline std::string shown(std::string_view s) {
    constexpr std::size_t kMost = 40;
    std::size_t cut = s.size();
    if (s.size() > kMost) {
        cut = kMost;
        while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0u) == 0x80u)
            --cut;
    }
    // Appended piece by piece: GCC 12 at -O3 takes "'" + string for an overlapping copy.
    std::string out(1, '\'');
    out.append(s.substr(0, cut));
    out.append(cut < s.size() ? "...'" : "'");
    return out;
}

} // namespace zenka
