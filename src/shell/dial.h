#pragma once
// The receiver's dial as people type it: a frequency in kHz, on the 0.1 kHz raster,
// from 10.0 kHz up to 1000.4 kHz (where a fine step up from 999.9 kHz lands; the
// panel wraps to 10.0 only above 999.9).

#include <optional>
#include <string>
#include <string_view>

namespace zenka {

// The dial in units of 100 Hz.
constexpr int kDialLowest = 100;
constexpr int kDialHighest = 10004;
inline constexpr const char* kDialKhz = "10.0 - 1000.4";

constexpr bool on_dial(long long freq) {
    return freq >= kDialLowest && freq <= kDialHighest;
}

struct DialReading {
    enum class Error { none, not_a_number, below, above, off_raster };
    int freq = 0; // in units of 100 Hz when there is no error
    Error error = Error::none;

    bool ok() const { return error == Error::none; }
};

// "500.0" or "500" -> 5000. The text is a plain decimal number of kHz, nothing else.
DialReading read_khz(std::string_view text);

// 5000 -> "500.0".
std::string dial_text(int freq);

// The same as the listener's files write them: 5000 -> "500.0".
inline std::string dial_khz(int freq) {
    return dial_text(freq);
}

// "500.0" or "500" -> 5000; nothing for any other text or a frequency off the dial.
inline std::optional<int> dial_units(std::string_view khz) {
    const DialReading r = read_khz(khz);
    return r.ok() ? std::optional<int>(r.freq) : std::nullopt;
}

} // namespace zenka
