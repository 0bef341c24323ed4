#pragma once
// Nationality by the international call-sign series.

#include <initializer_list>
#include <string_view>

namespace zenka {

// The call begins with `prefix`.
constexpr bool begins(std::string_view call, std::string_view prefix) {
    return call.substr(0, prefix.size()) == prefix;
}

// The call begins with one of `prefixes`.
constexpr bool begins_any(std::string_view call, std::initializer_list<std::string_view> prefixes) {
    for (std::string_view p : prefixes)
        if (begins(call, p)) return true;
    return false;
}

// The call lies in the series `first``lo` ... `first``hi`: its first character is `first` and its
// second lies from `lo` to `hi` (a figure in second place counts as within a series from A).
constexpr bool in_series(std::string_view call, char first, char lo, char hi) {
    if (call.size() < 2 || call[0] != first) return false;
    const char second = call[1];
    if (second >= '0' && second <= '9') return lo == 'A';
    return second >= lo && second <= hi;
}

} // namespace zenka
