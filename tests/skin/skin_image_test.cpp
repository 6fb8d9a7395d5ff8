// Compositions at a new size from a picture whose red channel is x and green
// channel y, so that every output pixel tells which source pixel it came from.
#include <gtest/gtest.h>

#include "gui/graphics/canvas.h"
#include "picture_fixtures.h"
#include "skin/imaging/frame_strips.h"
#include "skin/imaging/skin_image.h"

using namespace sk;
using namespace skintest;
using gui::Point;
using gui::Rect;
using Ints = std::vector<int>;

namespace {

Ints Concat(std::initializer_list<Ints> parts)
{
    Ints all;
    for (const Ints& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// A 30 x 30 element: frame 5 wide, edge middles 10..20.
SkinGeometry ElementGeometry()
{
    return SkinGeometry{Point(10, 10), Point(20, 10), Point(10, 20), Point(20, 20), Rect(5, 5, 25, 25)};
}

// The same element at 50 x 40.
SkinGeometry LargerGeometry()
{
    return SkinGeometry{Point(10, 10), Point(40, 10), Point(10, 30), Point(40, 30), Rect(5, 5, 45, 35)};
}

}  // namespace

TEST(SkinImage, HorizontalKeepsTheEndsAndTilesTheMiddle)
{
    gui::TBitmap picture, dest;
    MakeRamp(picture, 40, 6);
    // SkinRect 5..35: left end 5..15, middle 15..25, right end 25..35.
    MakeHSkinImage(10, 10, dest, picture, Rect(5, 1, 35, 5), 55);
    ASSERT_EQ(dest.Width(), 55);
    ASSERT_EQ(dest.Height(), 4);
    const Ints expected = Concat({Sequence(5, 10), Sequence(15, 35, 10), Sequence(25, 10)});
    EXPECT_EQ(Reds(dest, 0, 0, 55), expected);
    EXPECT_EQ(Reds(dest, 3, 0, 55), expected);
    EXPECT_EQ(Green(dest, 40, 3), 4);  // rows from SkinRect.Top on

    MakeHTiledImage(10, 10, dest, picture, Rect(5, 1, 35, 5), 55);
    EXPECT_EQ(Reds(dest, 0, 0, 55), Concat({Sequence(5, 10), Sequence(15, 45, 10)}));
}

TEST(SkinImage, AZeroWidthMiddleIsOnePixel)
{
    gui::TBitmap picture, dest;
    MakeRamp(picture, 20, 2);
    MakeHSkinImage(10, 10, dest, picture, Rect(0, 0, 20, 2), 30);
    EXPECT_EQ(Reds(dest, 0, 0, 30), Concat({Sequence(0, 10), Ints(10, 10), Sequence(10, 10)}));
    // Narrower than its two ends: the right end is drawn over the left, nothing
    // between them.
    MakeHSkinImage(10, 10, dest, picture, Rect(0, 0, 20, 2), 15);
    EXPECT_EQ(Reds(dest, 0, 0, 15), Concat({Sequence(0, 5), Sequence(10, 10)}));
}

TEST(SkinImage, VerticalKeepsTheEndsAndTilesTheMiddle)
{
    gui::TBitmap picture, dest;
    MakeRamp(picture, 3, 40);
    MakeVSkinImage(10, 10, dest, picture, Rect(1, 5, 3, 35), 55);
    ASSERT_EQ(dest.Width(), 2);
    ASSERT_EQ(dest.Height(), 55);
    EXPECT_EQ(Greens(dest, 1, 0, 55), Concat({Sequence(5, 10), Sequence(15, 35, 10), Sequence(25, 10)}));
    EXPECT_EQ(Red(dest, 1, 30), 2);
}

TEST(SkinImage, ElementCornersStayEdgesAndClientTile)
{
    gui::TBitmap picture, dest;
    MakeRamp(picture, 34, 32);
    const TRect skinRect = Rect(4, 2, 34, 32);  // the element sits at (4, 2) in the picture
    MakeSkinImageEx(ElementGeometry(), LargerGeometry(), dest, picture, skinRect, 50, 40, true);
    ASSERT_EQ(dest.Width(), 50);
    ASSERT_EQ(dest.Height(), 40);
    // Top row: corner 0..10, middle 10..20 tiled to 40, corner 20..30 at 40..50.
    EXPECT_EQ(Reds(dest, 2, 0, 50), Concat({Sequence(4, 10), Sequence(14, 30, 10), Sequence(24, 10)}));
    EXPECT_EQ(Green(dest, 20, 2), 4);
    // Left column: corner rows 0..10, middle 10..20 tiled to 30, corner rows 20..30 at 30..40.
    EXPECT_EQ(Greens(dest, 2, 0, 40), Concat({Sequence(2, 10), Sequence(12, 20, 10), Sequence(22, 10)}));
    // Right edge and bottom edge come from the element's right and bottom.
    EXPECT_EQ(Reds(dest, 20, 45, 50), Sequence(29, 5));
    EXPECT_EQ(Greens(dest, 20, 35, 40), Sequence(27, 5));
    // Bottom-right corner.
    EXPECT_EQ(Red(dest, 49, 39), 33);
    EXPECT_EQ(Green(dest, 49, 39), 31);
    // Client: the 20 x 20 client part tiled from (5, 5).
    EXPECT_EQ(Reds(dest, 20, 5, 45), Sequence(9, 40, 20));
    EXPECT_EQ(Greens(dest, 30, 5, 35), Sequence(7, 30, 20));

    // Without the client, the middle stays as the freshly sized bitmap holds it.
    gui::TBitmap fresh;
    MakeSkinImageEx(ElementGeometry(), LargerGeometry(), fresh, picture, skinRect, 50, 40, false);
    EXPECT_EQ(fresh.Canvas().Pixels(25, 20), gui::clWhite);
    EXPECT_EQ(Red(fresh, 2, 20), 6);
}

TEST(SkinImage, OpenRightElementRunsOnToTheRightEdge)
{
    gui::TBitmap picture, dest;
    MakeRamp(picture, 30, 30);
    MakeSkinImage(ElementGeometry(), LargerGeometry(), dest, picture, Rect(0, 0, 30, 30), 50, 40, true);
    EXPECT_EQ(Reds(dest, 2, 0, 50), Concat({Sequence(0, 10), Sequence(10, 40, 10)}));
    EXPECT_EQ(Reds(dest, 37, 0, 50), Concat({Sequence(0, 10), Sequence(10, 40, 10)}));
    EXPECT_EQ(Reds(dest, 20, 5, 50), Sequence(5, 45, 20));  // client widened to the edge
}

TEST(SkinImage, DegenerateInputOnlySizesTheOutput)
{
    gui::TBitmap empty, picture, dest;
    MakeSkinImageEx(ElementGeometry(), LargerGeometry(), dest, empty, Rect(0, 0, 30, 30), 12, 7, true);
    EXPECT_EQ(dest.Width(), 12);
    EXPECT_EQ(dest.Height(), 7);
    EXPECT_EQ(dest.Canvas().Pixels(3, 3), gui::clWhite);

    MakeRamp(picture, 30, 30);
    SkinGeometry flat = ElementGeometry();
    flat.RBPoint.X = flat.LTPoint.X;
    MakeSkinImageEx(flat, LargerGeometry(), dest, picture, Rect(0, 0, 30, 30), 50, 40, true);
    EXPECT_EQ(dest.Canvas().Pixels(0, 0), gui::clWhite);

    // Zero-length segments of every kind lay nothing and divide by nothing.
    SkinGeometry zero{Point(5, 5), Point(5, 5), Point(5, 9), Point(9, 9), Rect(5, 5, 5, 5)};
    MakeSkinImageEx(zero, LargerGeometry(), dest, picture, Rect(0, 0, 30, 30), 50, 40, true);
    gui::TBitmap top, left, right, bottom;
    MakeSkinFrameStripsEx(zero, LargerGeometry(), left, top, right, bottom, picture, Rect(0, 0, 30, 30), 50, 40, false,
                          false, false, false);
}

TEST(FrameStrips, ExStretchesOrTilesEachMiddle)
{
    gui::TBitmap picture, left, top, right, bottom;
    MakeRamp(picture, 30, 30);
    const SkinGeometry s = ElementGeometry();
    const SkinGeometry n = LargerGeometry();
    MakeSkinFrameStripsEx(s, n, left, top, right, bottom, picture, Rect(0, 0, 30, 30), 50, 40, false, true, false,
                          false);
    ASSERT_EQ(top.Width(), 50);
    ASSERT_EQ(top.Height(), 5);
    // Top: ends at their width, the 10-pixel middle stretched to 30 (each column thrice).
    Ints stretched;
    for (int x = 10; x < 20; ++x)
        stretched.insert(stretched.end(), {x, x, x});
    EXPECT_EQ(Reds(top, 0, 0, 50), Concat({Sequence(0, 10), stretched, Sequence(20, 10)}));
    // Bottom: the last 5 rows, middle tiled from x = 0 with the ends drawn over it.
    ASSERT_EQ(bottom.Height(), 5);
    EXPECT_EQ(Greens(bottom, 0, 0, 5), Sequence(25, 5));
    EXPECT_EQ(Reds(bottom, 0, 0, 50), Concat({Sequence(0, 10), Sequence(10, 30, 10), Sequence(20, 10)}));
    // Sides fill what the top and bottom leave: 40 - 5 - 5 rows, tiled from their top,
    // the end pieces (rows 5..10 and 20..25 of the picture) over the tiles.
    ASSERT_EQ(left.Width(), 5);
    ASSERT_EQ(left.Height(), 30);
    Ints tiles;
    for (int y = 5; y < 25; ++y)
        tiles.push_back(10 + y % 10);
    EXPECT_EQ(Greens(left, 0, 0, 30), Concat({Sequence(5, 5), tiles, Sequence(20, 5)}));
    ASSERT_EQ(right.Width(), 5);
    EXPECT_EQ(Reds(right, 3, 0, 5), Sequence(25, 5));
}
