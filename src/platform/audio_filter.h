#pragma once
// The receiver's audio filter as the panel's FLT1/2 button names it: FLT1 about 1 kHz wide,
// FLT2 about 2 kHz wide (the default). The value is the width in kHz, as the command line's
// --filter 1|2 gives it.

#include <optional>

namespace zenka {

enum class Filter { flt1 = 1, flt2 = 2 };

// FLT1, the narrow filter: a station's tone is keyed without doubling, and the sum of
// everything heard passes the 1 kHz band.
constexpr bool narrow(Filter f) {
    return f == Filter::flt1;
}

// The filter of a width in kHz, 1 or 2; empty for any other.
constexpr std::optional<Filter> filter_of_khz(int khz) {
    if (khz == 1) return Filter::flt1;
    if (khz == 2) return Filter::flt2;
    return std::nullopt;
}

} // namespace zenka
