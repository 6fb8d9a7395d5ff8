// The canvas: tools selected on demand, pixel-exact shapes, text, scaled copies.
#include <gtest/gtest.h>

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"

using namespace gui;

namespace {

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bitmap.SetSize(20, 20);
        canvas().Brush().SetColor(clWhite);
        canvas().FillRect(Rect(0, 0, 20, 20));
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    int CountOf(TColor colour)
    {
        int n = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                n += canvas().Pixels(x, y) == colour;
        return n;
    }
    TBitmap bitmap;
};

}  // namespace

TEST_F(CanvasTest, LinesLeaveTheirEndPointOut)
{
    canvas().Pen().SetColor(clRed);
    canvas().MoveTo(2, 5);
    canvas().LineTo(7, 5);
    EXPECT_EQ(CountOf(clRed), 5);
    EXPECT_EQ(canvas().Pixels(6, 5), clRed);
    EXPECT_EQ(canvas().Pixels(7, 5), clWhite);
    EXPECT_EQ(canvas().PenPos(), Point(7, 5));

    canvas().Pen().SetColor(clBlue);  // a new pen while the old one is selected
    canvas().Polyline({Point(0, 0), Point(0, 3), Point(3, 3)});
    EXPECT_EQ(canvas().Pixels(0, 2), clBlue);
    EXPECT_EQ(canvas().Pixels(2, 3), clBlue);
    EXPECT_EQ(canvas().Pixels(3, 3), clWhite);
}

TEST_F(CanvasTest, RectanglesFillAndFrame)
{
    canvas().Pen().SetColor(clBlue);
    canvas().Brush().SetColor(clLime);
    canvas().Rectangle(1, 1, 6, 5);  // outline 5 x 4, inside 3 x 2
    EXPECT_EQ(CountOf(clBlue), 14);
    EXPECT_EQ(CountOf(clLime), 6);

    canvas().Brush().SetStyle(bsClear);
    canvas().Rectangle(10, 10, 14, 14);
    EXPECT_EQ(canvas().Pixels(11, 11), clWhite);

    canvas().Brush().SetStyle(bsSolid);
    canvas().Brush().SetColor(clRed);
    canvas().FrameRect(Rect(10, 0, 13, 3));
    EXPECT_EQ(CountOf(clRed), 8);
    canvas().FillRect(Rect(15, 15, 17, 17));
    EXPECT_EQ(CountOf(clRed), 12);
}

TEST_F(CanvasTest, TextIsMeasuredWithTheCanvasFont)
{
    const int narrow = canvas().TextWidth("iii");
    EXPECT_GT(narrow, 0);
    EXPECT_GT(canvas().TextWidth("WWW"), narrow);
    EXPECT_EQ(canvas().TextWidth(""), 0);
    const int small = canvas().TextHeight("Ag");
    canvas().Font().SetSize(canvas().Font().Size() * 3);
    EXPECT_GT(canvas().TextHeight("Ag"), small);

    canvas().Font().SetColor(clBlack);
    canvas().Brush().SetColor(clYellow);
    canvas().TextRect(Rect(0, 0, 10, 20), 0, 0, "WWWWWWWW");  // clipped to the rect
    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 20; ++x)
            ASSERT_EQ(canvas().Pixels(x, y), clWhite);
    EXPECT_GT(CountOf(clBlack), 0);
}

TEST_F(CanvasTest, CopyRectScalesToTheDestination)
{
    TBitmap source;
    source.SetSize(2, 1);
    source.Canvas().SetPixels(0, 0, clRed);
    source.Canvas().SetPixels(1, 0, clBlue);
    canvas().CopyRect(Rect(0, 0, 8, 2), source.Canvas(), Rect(0, 0, 2, 1));
    EXPECT_EQ(canvas().Pixels(0, 0), clRed);
    EXPECT_EQ(canvas().Pixels(3, 1), clRed);
    EXPECT_EQ(canvas().Pixels(4, 0), clBlue);
    EXPECT_EQ(canvas().Pixels(7, 1), clBlue);
    EXPECT_EQ(canvas().Pixels(8, 0), clWhite);

    canvas().StretchDraw(Rect(10, 10, 14, 12), source);
    EXPECT_EQ(canvas().Pixels(11, 11), clRed);
    EXPECT_EQ(canvas().Pixels(12, 10), clBlue);
}

TEST(Canvas, AnAttachedDcGetsItsOwnObjectsBack)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap.Handle());
    const HGDIOBJ originalPen = ::GetCurrentObject(dc, OBJ_PEN);
    {
        TCanvas canvas(dc);
        canvas.Pen().SetColor(clRed);
        canvas.MoveTo(0, 0);
        canvas.LineTo(3, 0);
        EXPECT_NE(::GetCurrentObject(dc, OBJ_PEN), originalPen);
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), originalPen);
    EXPECT_EQ(::GetPixel(dc, 1, 0), RGB(255, 0, 0));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
}

TEST(Color, SystemColoursResolveWhenDrawing)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clWindowText), ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
    EXPECT_LT(clBtnFace, 0);
}
