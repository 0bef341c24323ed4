#include "weather_chart.h"

#include <algorithm>
#include <cmath>

namespace zenka::fone {
namespace {

struct Centre {
    double x, y, hpa, radius;
};

// A deep low in the west, a high to the south-east, a weaker low to the north-east.
constexpr Centre kCentres[] = {
    {0.25, 0.60, -28.0, 0.30},
    {0.70, 0.90, +18.0, 0.35},
    {0.85, 0.10, -10.0, 0.20},
};

double pressure(double x, double y) {
    double p = 1012.0 + 6.0 * (y - 0.5); // a gentle background gradient
    for (const Centre& c : kCentres) {
        const double d2 = (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y);
        p += c.hpa * std::exp(-d2 / (c.radius * c.radius));
    }
    return p;
}

// Ink where (x, y) lies within `width` (chart units) of an isobar: the distance to the
// nearest multiple of 4 hPa divided by the local gradient.
bool on_isobar(double x, double y, double width) {
    const double h = 1e-4;
    const double p = pressure(x, y);
    const double gx = (pressure(x + h, y) - pressure(x - h, y)) / (2.0 * h);
    const double gy = (pressure(x, y + h) - pressure(x, y - h)) / (2.0 * h);
    const double off = std::abs(p - 4.0 * std::round(p / 4.0));
    return off / std::max(std::hypot(gx, gy), 1e-9) < width;
}

bool on_graticule(double x, double y) {
    const bool dot = std::fmod(x * 400.0, 2.0) < 1.0; // the lines are dotted
    const bool meridian = std::abs(x * 10.0 - std::round(x * 10.0)) < 0.012;
    const bool parallel = std::abs(y * 8.0 - std::round(y * 8.0)) < 0.01;
    return (meridian || parallel) && dot;
}

} // namespace

double weather_chart(double x, double y) {
    const double margin = 0.015;
    if (x < margin || x > 1.0 - margin) return 0.0; // frame
    if (on_isobar(x, y, 0.0015)) return 0.0;
    if (on_graticule(x, y)) return 0.3;
    return 1.0;
}

} // namespace zenka::fone
