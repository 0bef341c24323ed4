#pragma once
// The in-band bytes of a text: the parameter switches that change speed, tone or
// strength from that point on (each followed by its value bytes) and the tuning
// character. Everything else is a character to key.

#include <cstddef>
#include <string_view>

namespace zenka {

inline constexpr unsigned char kSpeedSwitch = 0x01;    // then the speed
inline constexpr unsigned char kToneSwitch = 0x02;     // then the tone, low byte first
inline constexpr unsigned char kStrengthSwitch = 0x03; // then the strength
inline constexpr unsigned char kTuningChar = 0x04;     // a long dash with no gap after it

// The bytes the switch at text[i] takes with its values: 2 or 3, or fewer when the
// text ends inside it; 0 when text[i] is not a switch.
constexpr std::size_t switch_size(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t size = c == kToneSwitch                            ? 3
                             : c == kSpeedSwitch || c == kStrengthSwitch ? 2
                                                                         : 0;
    return size < text.size() - i ? size : text.size() - i;
}

} // namespace zenka
