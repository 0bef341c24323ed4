#pragma once
// Where a scale's figure goes: centred over its tick at x, kept within a widget `width`
// wide so that the figures at the ends are whole.

#include <QRect>

#include <algorithm>

namespace zenka {

inline QRect label_box(int x, int width, int height) {
    constexpr int kWide = 48;
    return {std::clamp(x - kWide / 2, 0, std::max(0, width - kWide)), 0, kWide, height};
}

} // namespace zenka
