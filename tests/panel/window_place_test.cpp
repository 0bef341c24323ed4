// Where the band window goes: never over the panel while the screen has room for it
// anywhere beside, and always on the panel's screen.

#include "panel/window_place.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

TEST(WindowPlace, NeverCoversThePanelWhereverThePanelStands) {
    const QRect screen(0, 24, 1920, 1056);
    const QSize panel_size(810, 320), wanted(760, 810), smallest(420, 360);
    int placed = 0, beside = 0;
    for (int x = screen.left(); x + panel_size.width() <= screen.right() + 1; x += 37) {
        for (int y = screen.top(); y + panel_size.height() <= screen.bottom() + 1; y += 29) {
            PlaceRequest r;
            r.panel = QRect(QPoint(x, y), panel_size);
            r.screen = screen;
            r.size = wanted;
            r.minimum = smallest;
            const QRect got = place_window(r);
            ASSERT_TRUE(screen.contains(got)) << x << "," << y;
            ASSERT_FALSE(got.intersects(r.panel)) << x << "," << y;
            ASSERT_GE(got.width(), smallest.width());
            ASSERT_GE(got.height(), smallest.height());
            if (got.size() == wanted) ++beside;
            ++placed;
        }
    }
    EXPECT_GT(placed, 500);
    EXPECT_GT(beside, placed / 3); // mostly at full size
}

TEST(WindowPlace, WhereTheUserLeftItUnlessThatNowCoversThePanelOrLeavesTheScreen) {
    PlaceRequest r;
    r.panel = QRect(100, 100, 810, 320);
    r.screen = QRect(0, 0, 2560, 1440);
    r.size = QSize(760, 810);
    r.minimum = QSize(420, 360);
    r.last = QRect(1500, 200, 700, 900);
    EXPECT_EQ(place_window(r), *r.last);
    // Beside the panel on its right, level with its top, when the last place will not do.
    for (const QRect bad :
         {QRect(500, 200, 700, 900), QRect(2200, 200, 700, 900), QRect(1500, 200, 100, 100)}) {
        r.last = bad;
        EXPECT_EQ(place_window(r), QRect(QPoint(100 + 810 + 8, 100), r.size));
    }
    // The panel at the right edge: the window on its left.
    r.last.reset();
    r.panel.moveRight(r.screen.right());
    const QRect got = place_window(r);
    EXPECT_EQ(got.right(), r.panel.left() - 1 - 8);
    EXPECT_EQ(got.top(), r.panel.top());
}

TEST(WindowPlace, AScreenTooSmallForBothStillShowsTheWindowWhole) {
    PlaceRequest r;
    r.panel = QRect(0, 0, 810, 320);
    r.screen = QRect(0, 0, 800, 600);
    r.size = QSize(760, 810);
    r.minimum = QSize(420, 360);
    const QRect got = place_window(r);
    EXPECT_TRUE(r.screen.contains(got));
    EXPECT_GE(got.height(), r.minimum.height());
}

} // namespace
} // namespace zenka
