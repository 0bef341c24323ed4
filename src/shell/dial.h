#pragma once
// The dial's frequencies as the listener's files write them.

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace zenka {

// In units of 100 Hz: 10.0 kHz up to 1000.4 kHz, where a fine step up from
// 999.9 kHz lands.
constexpr int kDialLowest = 100;
constexpr int kDialHighest = 10004;

constexpr bool on_dial(long long freq) {
    return freq >= kDialLowest && freq <= kDialHighest;
}

// 5000 -> "500.0"
inline std::string dial_khz(int freq) {
    return std::to_string(freq / 10) + "." + std::to_string(freq % 10);
}

// "500.0" or "500" -> 5000: digits, and at most one after the point; nothing
// for any other text or a frequency off the dial.
inline std::optional<int> dial_units(std::string_view khz) {
    const std::size_t point = khz.find('.');
    const std::string_view whole = khz.substr(0, point);
    const std::string_view tenth = point == std::string_view::npos ? "0" : khz.substr(point + 1);
    if (whole.empty() || whole.size() > 5 || tenth.size() != 1 || tenth[0] < '0' || tenth[0] > '9')
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    if (error != std::errc() || end != whole.data() + whole.size() || whole[0] == '-' ||
        whole[0] == '+')
        return std::nullopt;
    const int freq = value * 10 + (tenth[0] - '0');
    return on_dial(freq) ? std::optional<int>(freq) : std::nullopt;
}

} // namespace zenka
