#include "panel/window_place.h"

#include <algorithm>
#include <array>

namespace zenka {
namespace {

// A rectangle of `size` in `room`, as near to `anchor` as the room allows.
QRect fit(const QRect& room, QSize size, QPoint anchor) {
    size = size.boundedTo(room.size());
    const int x = std::clamp(anchor.x(), room.left(), room.right() - size.width() + 1);
    const int y = std::clamp(anchor.y(), room.top(), room.bottom() - size.height() + 1);
    return {QPoint(x, y), size};
}

} // namespace

QRect place_window(const PlaceRequest& r) {
    const QRect& s = r.screen;
    const QRect& p = r.panel;
    if (r.last && s.contains(*r.last) && !r.last->intersects(p) &&
        r.last->width() >= r.minimum.width() && r.last->height() >= r.minimum.height())
        return *r.last;

    // The room on each side of the panel, within the screen, in the order tried.
    struct Side {
        QRect room;
        QPoint anchor; // the window's top left corner it would like there
    };
    const int g = r.gap;
    const std::array<Side, 4> sides = {{
        {QRect(QPoint(p.right() + 1 + g, s.top()), s.bottomRight()), {p.right() + 1 + g, p.top()}},
        {QRect(s.topLeft(), QPoint(p.left() - 1 - g, s.bottom())),
         {p.left() - g - r.size.width(), p.top()}},
        {QRect(QPoint(s.left(), p.bottom() + 1 + g), s.bottomRight()),
         {p.left(), p.bottom() + 1 + g}},
        {QRect(s.topLeft(), QPoint(s.right(), p.top() - 1 - g)),
         {p.left(), p.top() - g - r.size.height()}},
    }};
    const auto takes = [](const QRect& room, QSize size) {
        return room.width() >= size.width() && room.height() >= size.height();
    };
    for (const Side& side : sides)
        if (takes(side.room, r.size)) return fit(side.room, r.size, side.anchor);
    // Smaller, in the side with the most room that takes the smallest frame.
    const Side* best = nullptr;
    for (const Side& side : sides) {
        if (!takes(side.room, r.minimum)) continue;
        const auto area = [&](const Side& x) {
            const QSize z = r.size.boundedTo(x.room.size());
            return static_cast<long long>(z.width()) * z.height();
        };
        if (best == nullptr || area(side) > area(*best)) best = &side;
    }
    if (best != nullptr) return fit(best->room, r.size, best->anchor);
    // No room anywhere: on the screen, at the panel's right as far as it goes.
    return fit(s, r.size.expandedTo(r.minimum), {p.right() + 1 + g, p.top()});
}

} // namespace zenka
