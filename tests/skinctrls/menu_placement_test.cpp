// Where popup menu windows go within the work area.
#include <gtest/gtest.h>

#include "skin/popups/menu_placement.h"

using gui::Point;
using gui::Rect;
using sk::PlacePopupWindow;
using sk::TskMenuPlacement;

namespace {

TskMenuPlacement At(const gui::TRect& anchor, int width, int height)
{
    TskMenuPlacement p;
    p.WorkArea = Rect(0, 0, 800, 600);
    p.Anchor = anchor;
    p.Width = width;
    p.Height = height;
    p.ItemsTop = 3;
    return p;
}

}  // namespace

TEST(MenuPlacement, PopupOpensBelowItsAnchorOrAboveItLowOnTheScreen)
{
    EXPECT_EQ(Point(100, 120), PlacePopupWindow(At(Rect(100, 100, 150, 120), 200, 300)));
    // Low on the screen: above the anchor.
    EXPECT_EQ(Point(100, 200), PlacePopupWindow(At(Rect(100, 500, 150, 520), 200, 300)));
    // Upper half without room below: pushed up to the bottom, beside the anchor.
    EXPECT_EQ(Point(151, 100), PlacePopupWindow(At(Rect(100, 250, 150, 270), 200, 500)));
    // Lower half without room above either: at the top, beside the anchor.
    EXPECT_EQ(Point(151, 0), PlacePopupWindow(At(Rect(100, 350, 150, 370), 200, 500)));
    // Kept within the work area sideways.
    EXPECT_EQ(Point(600, 120), PlacePopupWindow(At(Rect(700, 100, 750, 120), 200, 300)));
    EXPECT_EQ(Point(0, 120), PlacePopupWindow(At(Rect(-20, 100, 0, 120), 200, 300)));
}

TEST(MenuPlacement, PopupUpOpensAboveItsAnchorWhenThereIsRoom)
{
    TskMenuPlacement p = At(Rect(100, 400, 150, 420), 200, 300);
    p.PopupUp = true;
    EXPECT_EQ(Point(100, 100), PlacePopupWindow(p));
    // No room above, upper half: below the anchor when it fits there.
    p.Anchor = Rect(100, 100, 150, 120);
    EXPECT_EQ(Point(100, 120), PlacePopupWindow(p));
    p.Height = 550;
    EXPECT_EQ(Point(151, 50), PlacePopupWindow(p));
}

TEST(MenuPlacement, SubmenuOpensBesideItsRowAndToTheLeftWithoutRoom)
{
    TskMenuPlacement p = At(Rect(300, 100, 450, 120), 200, 300);
    p.Submenu = true;
    // The first row lines up with the anchoring row.
    EXPECT_EQ(Point(451, 97), PlacePopupWindow(p));
    p.Anchor = Rect(500, 100, 650, 120);
    EXPECT_EQ(Point(299, 97), PlacePopupWindow(p));
    // A submenu that does not fit below its row: at the bottom when the row is
    // high, ending at the row's bottom when it is low.
    p.Anchor = Rect(300, 250, 450, 270);
    p.Height = 400;
    EXPECT_EQ(200, PlacePopupWindow(p).Y);
    p.Anchor = Rect(300, 550, 450, 570);
    EXPECT_EQ(173, PlacePopupWindow(p).Y);
}

TEST(MenuPlacement, ScrollingWindowStandsAtTheTopBesideItsAnchor)
{
    TskMenuPlacement p = At(Rect(100, 300, 150, 320), 200, 600);
    p.Scrolling = true;
    EXPECT_EQ(Point(151, 0), PlacePopupWindow(p));
}
