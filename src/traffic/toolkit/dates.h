#pragma once
// The names the traffic texts use for months and days.

#include <array>
#include <string_view>

namespace zenka {

// "JAN" .. "DEC", by UTC month - 1.
extern const std::array<std::string_view, 12> months;
// "monday" .. "sunday" ("wednsday" as the operators wrote it), Monday = 0.
extern const std::array<std::string_view, 7> dayname;

} // namespace zenka
