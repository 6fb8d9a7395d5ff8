// The layout of a glyph and a caption: centred together or from an edge, pressed,
// and the frame of a multi-frame glyph.
#include <gtest/gtest.h>

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "picture_fixtures.h"
#include "skinctrls/controls/glyph_text.h"

using namespace gui;
using sk::DrawGlyphAndText;

namespace {

class GlyphTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Two 8 x 8 frames with a white border (the transparent colour) around
        // red and green squares.
        skintest::MakePicture(glyph, 16, 8, 24, {}, [](int x, int y) {
            const int fx = x % 8;
            if (fx == 0 || fx == 7 || y == 0 || y == 7)
                return 0xFFFFFFu;
            return x < 8 ? 0xFF0000u : 0x00FF00u;
        });
        Clear(canvas);
        Clear(expected);
    }
    void Clear(TBitmap& b)
    {
        b.SetSize(100, 60);
        b.Canvas().Brush().SetStyle(bsSolid);
        b.Canvas().Brush().SetColor(clWhite);
        b.Canvas().FillRect(Rect(0, 0, 100, 60));
    }
    // The top-left inner pixel of a glyph drawn at (x, y), and the one before it.
    void ExpectGlyphAt(int x, int y, TColor colour)
    {
        EXPECT_EQ(canvas.Canvas().Pixels(x + 1, y + 1), colour) << x << "," << y;
        EXPECT_EQ(canvas.Canvas().Pixels(x, y + 1), clWhite) << x << "," << y;
        EXPECT_EQ(canvas.Canvas().Pixels(x + 1, y), clWhite) << x << "," << y;
    }
    bool SamePixels()
    {
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 100; ++x)
                if (canvas.Canvas().Pixels(x, y) != expected.Canvas().Pixels(x, y))
                    return false;
        return true;
    }

    TBitmap glyph, canvas, expected, none;
    const TRect area = Rect(10, 10, 90, 50);  // centre (50, 30)
};

}  // namespace

TEST_F(GlyphTextTest, AGlyphGoesMarginFromItsEdgeAndPressedMovesIt)
{
    DrawGlyphAndText(canvas.Canvas(), area, 3, 4, sk::blGlyphLeft, "", glyph, 2, 2, false);
    ExpectGlyphAt(13, 26, clLime);
    Clear(canvas);
    DrawGlyphAndText(canvas.Canvas(), area, 3, 4, sk::blGlyphRight, "", glyph, 2, 1, true);
    ExpectGlyphAt(90 - 8 - 3 + 1, 27, clRed);
    Clear(canvas);
    DrawGlyphAndText(canvas.Canvas(), area, 2, 4, sk::blGlyphTop, "", glyph, 2, 1, false);
    ExpectGlyphAt(46, 12, clRed);
    Clear(canvas);
    DrawGlyphAndText(canvas.Canvas(), area, 2, 4, sk::blGlyphBottom, "", glyph, 2, 1, false);
    ExpectGlyphAt(46, 50 - 8 - 2, clRed);
    // Centred with a caption: the pair is as wide as both plus the spacing.
    Clear(canvas);
    const int tw = canvas.Canvas().TextWidth("Rip");
    DrawGlyphAndText(canvas.Canvas(), area, -1, 4, sk::blGlyphLeft, "Rip", glyph, 2, 1, false);
    ExpectGlyphAt(50 - (tw + 8 + 4) / 2, 26, clRed);
    // A frame count below 1 counts as one frame.
    Clear(canvas);
    DrawGlyphAndText(canvas.Canvas(), area, 0, 0, sk::blGlyphLeft, "", glyph, 0, 1, false);
    EXPECT_EQ(canvas.Canvas().Pixels(11, 27), clRed);
    EXPECT_EQ(canvas.Canvas().Pixels(19, 27), clLime);
}

TEST_F(GlyphTextTest, TheSpacingCountsInACentredCaptionWithoutGlyph)
{
    const std::string caption = "Rip all";
    DrawGlyphAndText(canvas.Canvas(), area, -1, 4, sk::blGlyphLeft, caption, none, 1, 1, false);
    // Half the spacing right of where it would be centred exactly.
    TRect extent;
    expected.Canvas().DrawText(caption, extent, DT_CALCRECT);
    const int tw = extent.Right, th = extent.Bottom;
    const int x = 50 + (tw + 4) / 2 - tw, y = 30 - th / 2;
    TRect at = Rect(x, y, x + tw + 2, y + th);
    expected.Canvas().Brush().SetStyle(bsClear);
    expected.Canvas().DrawText(caption, at, DT_CENTER | DT_VCENTER);
    EXPECT_TRUE(SamePixels());
    EXPECT_EQ(canvas.Canvas().Brush().Style(), bsClear);
}
