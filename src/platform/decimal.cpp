#include "platform/decimal.h"

#include <cstdlib>
#include <string>

namespace zenka {

bool is_decimal(std::string_view text, bool fraction) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    bool digits = false, point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
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

} // namespace zenka
