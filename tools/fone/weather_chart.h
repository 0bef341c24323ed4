#pragma once
// A synthetic surface-pressure chart for the facsimile: isobars every 4 hPa around a low
// and a high, a dotted graticule and a frame, black on white.

namespace zenka::fone {

// Brightness at (x, y), both 0..1 across the chart: 1 white paper, 0 black ink.
double weather_chart(double x, double y);

} // namespace zenka::fone
