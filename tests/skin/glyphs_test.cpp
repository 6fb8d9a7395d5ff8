// Arrows, check marks, glyphs, frames of a strip picture, and text with "...".
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "gui/graphics/canvas.h"
#include "picture_fixtures.h"
#include "skin/imaging/glyphs.h"
#include "skin/imaging/text_fit.h"

using namespace sk;
using gui::Rect;
using Pixels = std::set<std::pair<int, int>>;

namespace {

class GlyphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bitmap.SetSize(24, 24);
        canvas().Brush().SetColor(gui::clWhite);
        canvas().FillRect(Rect(0, 0, 24, 24));
    }
    gui::TCanvas& canvas() { return bitmap.Canvas(); }
    Pixels Painted()
    {
        Pixels p;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                if (canvas().Pixels(x, y) != gui::clWhite)
                    p.insert({x, y});
        return p;
    }
    gui::TBitmap bitmap;
};

}  // namespace

TEST_F(GlyphTest, ArrowsPointWhereTheirKindSays)
{
    // Centre of (0, 0, 21, 21) is (10, 10).
    DrawArrow(canvas(), Rect(0, 0, 21, 21), gui::clRed, kArrowLeft);
    Pixels left;
    for (int i = 0; i <= 3; ++i)
        for (int y = 10 - i; y <= 10 + i; ++y)
            left.insert({8 + i, y});
    EXPECT_EQ(Painted(), left);
    EXPECT_EQ(canvas().Pixels(11, 7), gui::clRed);

    SetUp();
    DrawArrow(canvas(), Rect(0, 0, 21, 21), gui::clRed, kArrowRight);
    Pixels right;
    for (int i = 0; i <= 3; ++i)
        for (int y = 10 - i; y <= 10 + i; ++y)
            right.insert({12 - i, y});
    EXPECT_EQ(Painted(), right);

    SetUp();
    DrawArrow(canvas(), Rect(0, 0, 21, 21), gui::clRed, kArrowUp);
    Pixels up;
    for (int i = 0; i <= 3; ++i)
        for (int x = 10 - i; x <= 10 + i; ++x)
            up.insert({x, 8 + i});
    EXPECT_EQ(Painted(), up);

    SetUp();
    DrawArrow(canvas(), Rect(0, 0, 21, 21), gui::clRed, kArrowDown);
    Pixels down;
    for (int i = 0; i <= 3; ++i)
        for (int x = 10 - i; x <= 10 + i; ++x)
            down.insert({x, 12 - i});
    EXPECT_EQ(Painted(), down);
}

TEST_F(GlyphTest, UnknownArrowKindsOnlySetThePen)
{
    for (int kind : {0, 5}) {
        canvas().Pen().SetColor(gui::clBlack);
        DrawArrow(canvas(), Rect(0, 0, 20, 20), gui::clBlue, kind);
        EXPECT_TRUE(Painted().empty());
        EXPECT_EQ(canvas().Pen().Color(), gui::clBlue);
    }
}

TEST_F(GlyphTest, CheckMarkIsThreeParallelStrokes)
{
    DrawCheckMark(canvas(), 4, 4, gui::clBlack);
    const Pixels p = Painted();
    for (int i = 0; i <= 2; ++i) {
        EXPECT_TRUE(p.count({4, 9 - i})) << i;   // start of each stroke
        EXPECT_TRUE(p.count({6, 11 - i})) << i;  // the bend
    }
    EXPECT_FALSE(p.count({11, 4}));  // end points stay out
    EXPECT_TRUE(p.count({10, 5}));
}

TEST_F(GlyphTest, GlyphsStayInTheirCell)
{
    const auto glyphs = {&DrawCloseGlyph, &DrawSysMenuGlyph, &DrawMinimizeGlyph, &DrawMaximizeGlyph,
                         &DrawRestoreGlyph, &DrawRollDownGlyph, &DrawRollUpGlyph, &DrawMinimizeToTrayGlyph};
    for (auto glyph : glyphs) {
        SetUp();
        canvas().Brush().SetStyle(gui::bsSolid);
        canvas().Brush().SetColor(gui::clYellow);
        glyph(canvas(), 5, 5, gui::clNavy);
        const Pixels p = Painted();
        EXPECT_FALSE(p.empty());
        for (const auto& [x, y] : p) {
            EXPECT_GE(x, 5);
            EXPECT_GE(y, 5);
            EXPECT_LE(x, 15);
            EXPECT_LE(y, 15);
        }
        EXPECT_EQ(canvas().Pixels(10, 12), gui::clWhite);  // hollow figures fill nothing
    }
    SetUp();
    DrawMinimizeGlyph(canvas(), 0, 0, gui::clNavy);
    Pixels bar;
    for (int x = 1; x < 9; ++x)
        bar.insert({{x, 8}, {x, 9}});
    EXPECT_EQ(Painted(), bar);
    SetUp();
    DrawMinimizeToTrayGlyph(canvas(), 0, 0, gui::clNavy);
    EXPECT_EQ(Painted().size(), 25u);
}

TEST_F(GlyphTest, FrameImageDrawsOneFrameWithItsBackgroundLeftOut)
{
    // Three 4 x 3 frames; each frame is blue but for one lime dot at (frame, 0).
    gui::TBitmap strip;
    skintest::MakePicture(strip, 12, 3, 24, {},
                          [](int x, int y) { return (y == 0 && x % 4 == x / 4) ? 0x00FF00u : 0x0000FFu; });
    DrawFrameImage(canvas(), 10, 10, strip, 3, 2);
    EXPECT_EQ(Painted(), (Pixels{{11, 10}}));
    EXPECT_EQ(canvas().Pixels(11, 10), gui::clLime);

    SetUp();
    DrawFrameImage(canvas(), 0, 0, strip, 0, 1);  // a count below 1 is one frame
    EXPECT_EQ(Painted(), (Pixels{{0, 0}, {5, 0}, {10, 0}}));
    SetUp();
    gui::TBitmap empty;
    DrawFrameImage(canvas(), 0, 0, empty, 3, 1);
    DrawFrameImage(canvas(), 0, 0, strip, 30, 1);  // frames narrower than a pixel
    EXPECT_TRUE(Painted().empty());
}

TEST_F(GlyphTest, TextIsShortenedWithAnEllipsis)
{
    const std::string text = "Track 01 - A rather long title";
    std::string fits = text;
    FitTextWithEllipsis(canvas(), fits, canvas().TextWidth(text));
    EXPECT_EQ(fits, text);

    const int width = canvas().TextWidth("Track 01...");
    std::string cut = text;
    FitTextWithEllipsis(canvas(), cut, width);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_LE(canvas().TextWidth(cut), width);
    EXPECT_GT(canvas().TextWidth(cut.substr(0, cut.size() - 3) + text[cut.size() - 3] + "..."), width);

    std::string nothing = "Wide";
    FitTextWithEllipsis(canvas(), nothing, 1);
    EXPECT_EQ(nothing, "...");
}
