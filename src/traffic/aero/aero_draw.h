#pragma once
// Draws and small readings shared by the aeronautical generators.

#include "compose/air.h"
#include "traffic/toolkit/draw.h"

#include <string>
#include <string_view>

namespace zenka {

// A German ground station and a German aircraft: both calls begin with "D".
inline bool german_pair(std::string_view gnd, std::string_view acft) {
    return gnd.starts_with('D') && acft.starts_with('D');
}

// The next hour of the clock, 00 after 23.
inline int next_hour(const Air& a) {
    return (a.t.hour + 1) % 24;
}

// A bearing, 0 - 358 degrees.
inline int bearing(Air& a) {
    return between(a, 0, 358);
}

// The clock as hhmm.
inline std::string hhmm(const Air& a) {
    return std::to_string(a.t.hour / 10) + std::to_string(a.t.hour % 10) +
           std::to_string(a.t.minute / 10) + std::to_string(a.t.minute % 10);
}

} // namespace zenka
