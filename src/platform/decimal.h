#pragma once
// Numbers as people type them: plain decimal notation and nothing else.

#include <optional>
#include <string_view>

namespace zenka {

// "500", "-3", "12.5", ".5": digits with an optional sign and at most one point.
// Nothing else: no exponent, hexadecimal, "nan", "inf" or surrounding blanks.
bool is_decimal(std::string_view text, bool fraction);
// The value of a decimal number, empty for anything is_decimal() refuses.
std::optional<double> parse_decimal(std::string_view text);

} // namespace zenka
