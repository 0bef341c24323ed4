#include "user_input.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace zenka::app {
namespace {

// Appends `c` escaped if it is a control byte; false when it is not one.
bool escape_control(std::string& out, char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7f) return false;
    switch (c) {
    case '\n':
        out += "\\n";
        break;
    case '\t':
        out += "\\t";
        break;
    case '\r':
        out += "\\r";
        break;
    default: {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", byte);
        out += hex;
    }
    }
    return true;
}

} // namespace

CLI::Validator decimal(bool fraction) {
    return CLI::Validator(
        [fraction](std::string& text) {
            return is_decimal(text, fraction)
                       ? std::string{}
                       : (fraction ? "not a decimal number: " : "not a whole number: ") +
                             quote_input(text);
        },
        "");
}

std::string quote_input(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (!escape_control(out, c)) {
            out += c;
        }
    }
    return out + "\"";
}

std::string printable(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (!escape_control(out, c)) out += c;
    return out;
}

namespace {

// Edits that turn `a` into `b`: letters changed, left out, put in, or two neighbours swapped.
std::size_t slips(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

} // namespace

std::string nearest_word(std::string_view typed, std::span<const std::string_view> words) {
    std::string best;
    std::size_t fewest = 3;
    for (const std::string_view w : words) {
        const std::size_t n = slips(typed, w);
        if (n < fewest) {
            fewest = n;
            best = w;
        }
    }
    return best;
}

} // namespace zenka::app
