// Input repeated in messages: on one line, no control byte left, and the
// quoted form reads back as exactly what was typed.

#include "fuzz_check.h"
#include "user_input.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool is_control(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7f;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The text a quote_input() result stands for; empty when it is malformed.
std::optional<std::string> unquote(std::string_view q) {
    if (q.size() < 2 || q.front() != '"' || q.back() != '"') return std::nullopt;
    q = q.substr(1, q.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < q.size(); ++i) {
        if (q[i] == '"') return std::nullopt;
        if (q[i] != '\\') {
            out += q[i];
            continue;
        }
        if (++i >= q.size()) return std::nullopt;
        switch (q[i]) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '"':
            out += '"';
            break;
        case '\\':
            out += '\\';
            break;
        case 'x': {
            if (i + 2 >= q.size()) return std::nullopt;
            const int hi = hex_digit(q[i + 1]), lo = hex_digit(q[i + 2]);
            if (hi < 0 || lo < 0) return std::nullopt;
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string quoted = zenka::app::quote_input(text);
    const std::string shown = zenka::app::printable(text);
    for (const char c : quoted)
        FUZZ_CHECK(!is_control(c));
    for (const char c : shown)
        FUZZ_CHECK(!is_control(c));
    FUZZ_CHECK(unquote(quoted) == std::string(text));
    bool plain = true;
    for (const char c : text)
        plain = plain && !is_control(c);
    FUZZ_CHECK(plain == (shown == text));
    return 0;
}
