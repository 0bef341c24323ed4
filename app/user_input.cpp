#include "user_input.h"

#include <cstdio>
#include <cstdlib>

namespace zenka::app {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

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

bool is_decimal(std::string_view text, bool fraction) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    bool digits = false, point = false;
    for (const char c : text) {
        if (is_digit(c)) {
            digits = true;
        } else if (c == '.' && fraction && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

std::optional<double> parse_decimal(std::string_view text) {
    if (!is_decimal(text, true)) return std::nullopt;
    return std::strtod(std::string(text).c_str(), nullptr);
}

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

} // namespace zenka::app
