#pragma once
// Where a second window goes so that it never covers the panel: where the user last
// left it if that is on the panel's screen and clear of the panel, else beside the
// panel on the same screen (right, then left), else below or above it, in the room
// there is, and clamped to the screen. All rectangles are outer frames in screen
// pixels.

#include <QRect>
#include <QSize>

#include <optional>

namespace zenka {

struct PlaceRequest {
    QRect panel;               // the panel's frame
    QRect screen;              // the available area of the panel's screen
    QSize size;                // the frame size the window would like
    QSize minimum;             // the smallest frame it can take
    std::optional<QRect> last; // the frame it had when the user last left it
    int gap = 8;               // between the panel and the window
};

QRect place_window(const PlaceRequest& r);

} // namespace zenka
