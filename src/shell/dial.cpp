#include "shell/dial.h"

#include "platform/decimal.h"

#include <cmath>

namespace zenka {

DialReading read_khz(std::string_view text) {
    const std::optional<double> khz = parse_decimal(text);
    if (!khz) return {0, DialReading::Error::not_a_number};
    const double tenths = *khz * 10;
    const double rounded = std::round(tenths);
    // Beyond the dial by less than a raster step still says which side it is off.
    if (tenths < kDialLowest - 1e-6) return {0, DialReading::Error::below};
    if (tenths > kDialHighest + 1e-6) return {0, DialReading::Error::above};
    if (std::fabs(tenths - rounded) > 1e-6) return {0, DialReading::Error::off_raster};
    return {static_cast<int>(rounded), DialReading::Error::none};
}

std::string dial_text(int freq) {
    return std::to_string(freq / 10) + "." + std::to_string(freq % 10);
}

} // namespace zenka
