#include "shell/bookmark_table.h"

#include "platform/kept_file.h"
#include "platform/text_lines.h"
#include "shell/dial.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <set>

namespace zenka {
namespace {

constexpr std::string_view kNote = "# Note:";
constexpr std::string_view kModulation = "CW-U";
constexpr int kBandwidthHz = 2000;
constexpr std::string_view kTagColour = "#c0c0c0";

bool hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int hex_value(char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// What a field must write as %XX: `special` bytes, control bytes, blanks at
// either end (a reader trims them) and a '%' that would read as an escape.
std::string encoded(std::string_view s, std::string_view special) {
    constexpr char kHex[] = "0123456789ABCDEF";
    const std::size_t first = s.find_first_not_of(' ');
    const std::size_t last = s.find_last_not_of(' ');
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const auto u = static_cast<unsigned char>(c);
        const bool blank_at_end =
            c == ' ' && (first == std::string_view::npos || i < first || i > last);
        const bool escape_like =
            c == '%' && i + 2 < s.size() && hex_digit(s[i + 1]) && hex_digit(s[i + 2]);
        if (u < 0x20 || u == 0x7F || blank_at_end || escape_like ||
            special.find(c) != std::string_view::npos) {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string decoded(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && hex_digit(s[i + 1]) && hex_digit(s[i + 2])) {
            out += static_cast<char>(hex_value(s[i + 1]) * 16 + hex_value(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

// Padded to `width` characters (not bytes), as the layout lines its columns up.
std::string left(std::string s, std::size_t width) {
    const auto chars = static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    }));
    if (chars < width) s.append(width - chars, ' ');
    return s;
}

std::string right(const std::string& s, std::size_t width) {
    return s.size() < width ? std::string(width - s.size(), ' ') + s : s;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = s.find(sep);
        parts.push_back(s.substr(0, at));
        if (at == std::string_view::npos) return parts;
        s.remove_prefix(at + 1);
    }
}

// One bookmark line; why not, when it is none.
std::string parse_bookmark(const std::vector<std::string_view>& fields, Bookmark& b) {
    const std::string_view hz = trimmed(fields[0]);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(hz.data(), hz.data() + hz.size(), value);
    if (hz.empty() || error != std::errc() || end != hz.data() + hz.size())
        return "not a frequency in Hz: " + shown(hz);
    if (value < std::uint64_t{kDialLowest} * 100 || value > std::uint64_t{kDialHighest} * 100)
        return std::string(hz) + " Hz is outside 10.0 - 1000.4 kHz";
    if (value % 100 != 0) return std::string(hz) + " Hz is not on the dial's 0.1 kHz steps";
    b.freq = static_cast<int>(value / 100);
    b.name = decoded(trimmed(fields[1]));
    for (const std::string_view tag : split(fields[4], ',')) {
        std::string t = decoded(trimmed(tag));
        if (!t.empty() && t != kUntagged &&
            std::find(b.tags.begin(), b.tags.end(), t) == b.tags.end())
            b.tags.push_back(std::move(t));
    }
    if (!valid_text(b)) return "a name, note or tag that is not UTF-8 text";
    return {};
}

} // namespace

bool valid_text(const Bookmark& b) {
    return valid_utf8(b.name) && valid_utf8(b.note) &&
           std::all_of(b.tags.begin(), b.tags.end(),
                       [](const std::string& t) { return valid_utf8(t); });
}

std::string write_bookmark_table(const std::vector<Bookmark>& bookmarks) {
    std::string text = left("# Tag name", 20) + ";  color\n";
    std::set<std::string> written;
    for (const Bookmark& b : bookmarks)
        for (const std::string& tag : b.tags)
            if (written.insert(tag).second)
                text += left(encoded(tag, ";,#"), 20) + "; " + std::string(kTagColour) + "\n";
    text += "\n";
    text += left("# Frequency", 12) + "; " + left("Name", 25) + "; " + left("Modulation", 20) +
            "; " + right("Bandwidth", 10) + "; Tags\n";
    for (const Bookmark& b : bookmarks) {
        if (!b.note.empty())
            for (const std::string_view line : split(b.note, '\n'))
                text += std::string(kNote) + " " + encoded(line, "") + "\n";
        std::string tags;
        for (const std::string& tag : b.tags) {
            if (!tags.empty()) tags += ',';
            tags += encoded(tag, ";,");
        }
        text += right(std::to_string(std::int64_t{b.freq} * 100), 12) + "; " +
                left(encoded(b.name, ";"), 25) + "; " + left(std::string(kModulation), 20) + "; " +
                right(std::to_string(kBandwidthHz), 10) + "; " +
                (tags.empty() ? std::string(kUntagged) : tags) + "\n";
    }
    return text;
}

BookmarkTable read_bookmark_table(std::string_view text) {
    BookmarkTable table;
    std::vector<std::string> note;
    int number = 0;
    while (!text.empty()) {
        const std::string_view line = trimmed(next_line(text));
        ++number;
        if (line.empty()) {
            note.clear();
            continue;
        }
        if (line.starts_with(kNote)) {
            note.push_back(decoded(trimmed(line.substr(kNote.size()))));
            continue;
        }
        if (line.front() == '#') continue;
        const std::vector<std::string_view> fields = split(line, ';');
        // Two fields: a tag and its colour, which this receiver does not show.
        if (fields.size() == 2) continue;
        std::string why = "not a bookmark (frequency; name; modulation; bandwidth; tags)";
        Bookmark b;
        if (fields.size() == 5) {
            for (std::size_t i = 0; i < note.size(); ++i)
                b.note += (i == 0 ? "" : "\n") + note[i];
            why = parse_bookmark(fields, b);
        }
        note.clear();
        if (why.empty())
            table.bookmarks.push_back(std::move(b));
        else
            table.problems.push_back("line " + std::to_string(number) + ": " + why);
    }
    return table;
}

} // namespace zenka
