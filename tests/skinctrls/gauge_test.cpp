// The skinned gauge: values kept in range, the bar in proportion in the plain
// look and from the skin's bar picture, and the percentage caption.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "picture_fixtures.h"
#include "skinctrls/controls/skin_gauge.h"

using namespace gui;
using sk::TskSkinGauge;
using skinctrlstest::RGBOf;

namespace {

class Probe : public TskSkinGauge {
public:
    using TskSkinGauge::TskSkinGauge;
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        TskSkinGauge::Paint();
    }
};

constexpr TColor kBar = 0xD2BDB6;

class GaugeTest : public skinctrlstest::RampSkinTest {
protected:
    void SetUp() override
    {
        RampSkinTest::SetUp();
        // A horizontal element: the bar picture at rows 20..25, two pixels of
        // begin piece and three of end piece.
        skin.AddElement("gauge", "gauge",
                        {"pictureindex=0", "skinrect=0,0,40,10", "lefttoppoint=2,0", "righttoppoint=38,0",
                         "clientrect=2,0,38,10", "progressarea=2,2,38,8", "progressrect=0,20,12,26",
                         "beginoffset=2", "endoffset=3", "fontcolor=16777215"});
        skin.AddElement("vgauge", "gauge",
                        {"pictureindex=0", "skinrect=0,0,10,40", "lefttoppoint=0,2", "leftbottompoint=0,38",
                         "clientrect=0,2,10,38", "progressarea=2,2,8,38", "progressrect=20,0,26,12",
                         "beginoffset=2", "endoffset=3", "vertical=1"});
        skin.AddElement("nomiddle", "gauge",
                        {"pictureindex=0", "skinrect=0,0,40,10", "lefttoppoint=2,0", "righttoppoint=38,0",
                         "progressarea=2,2,38,8", "progressrect=0,20,5,26", "beginoffset=2", "endoffset=3"});
        // Elements whose rectangles cannot be cut from the 64 x 64 picture.
        skin.AddElement("pastpicture", "gauge",
                        {"pictureindex=0", "skinrect=30,0,70,10", "progressarea=2,2,38,8", "progressrect=0,20,12,26"});
        skin.AddElement("barpastpicture", "gauge",
                        {"pictureindex=0", "skinrect=0,0,40,10", "progressarea=2,2,38,8", "progressrect=0,60,12,66"});
        skin.AddElement("insideout", "gauge", {"pictureindex=0", "skinrect=40,10,0,0", "progressrect=0,20,12,26"});
        skin.AddElement("nopicture", "gauge", {"pictureindex=-1", "skinrect=0,0,40,10", "progressrect=0,20,12,26"});
        skin.Load();
    }

    Probe* Make(int width = 100, int height = 20)
    {
        auto* g = new Probe(&form);
        g->SetBounds(10, 10, width, height);
        g->SetParent(&form);
        return g;
    }
    Probe* MakeSkinned(const std::string& element, int length = 100)
    {
        auto* g = Make(length, length);
        g->SetSkinDataName(element);
        g->SetSkinData(&skin.Data());
        return g;
    }
    // The plain gauge as it should look with Text as its caption.
    TBitmap& Expected(Probe& g, const std::string& text, int barRight)
    {
        expected.SetSize(g.Width(), g.Height());
        TCanvas& c = expected.Canvas();
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(clWindow);
        c.FillRect(Rect(0, 0, g.Width(), g.Height()));
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect(Rect(0, 0, g.Width(), g.Height()));
        if (barRight > 1) {
            c.Brush().SetColor(kBar);
            c.FillRect(Rect(1, 1, barRight, g.Height() - 1));
        }
        c.Font().Assign(g.DefaultFont());
        c.Brush().SetStyle(bsClear);
        c.TextOut(g.Width() / 2 - c.TextWidth(text) / 2, g.Height() / 2 - c.TextHeight(text) / 2, text);
        return expected;
    }
    // Whether the painted gauge matches the bitmap pixel for pixel.
    bool Matches(Probe& g, TBitmap& bitmap)
    {
        TCanvas& painted = Painted(g);
        for (int y = 0; y < g.Height(); ++y)
            for (int x = 0; x < g.Width(); ++x)
                if (painted.Pixels(x, y) != bitmap.Canvas().Pixels(x, y)) {
                    ADD_FAILURE() << "differs at " << x << "," << y;
                    return false;
                }
        return true;
    }
    static int Red(TColor c) { return GetRValue(c); }
    static int Green(TColor c) { return GetGValue(c); }

    TBitmap expected;
};

}  // namespace

TEST_F(GaugeTest, ValuesStayInRangeAndOnlyAChangedValueRepaints)
{
    auto* g = Make();
    EXPECT_EQ(g->Value(), 50);
    int paints = g->paints;
    g->SetValue(50);
    EXPECT_EQ(g->paints, paints);
    g->SetValue(150);
    EXPECT_EQ(g->Value(), 100);
    EXPECT_GT(g->paints, paints);
    paints = g->paints;
    g->SetValue(1000);  // clamps to what it is
    EXPECT_EQ(g->paints, paints);
    g->SetValue(-5);
    EXPECT_EQ(g->Value(), 0);

    g->SetValue(80);
    g->SetMaxValue(40);
    EXPECT_EQ(g->Value(), 40);
    paints = g->paints;
    g->SetMaxValue(40);
    EXPECT_GT(g->paints, paints);  // the range setters always repaint
    g->SetMinValue(30);
    EXPECT_EQ(g->Value(), 40);
    g->SetMinValue(45);
    EXPECT_EQ(g->Value(), 45);
    // Above the maximum is tested first, even when the maximum lies below the minimum.
    g->SetMaxValue(20);
    g->SetValue(30);
    EXPECT_EQ(g->Value(), 20);
}

TEST_F(GaugeTest, ThePlainBarGrowsInProportionRoundedHalfToEven)
{
    auto* g = Make();
    TCanvas& half = Painted(*g);  // 49 of the 98 pixels inside the frame
    EXPECT_EQ(half.Pixels(0, 0), RGBOf(clBtnShadow));
    EXPECT_EQ(half.Pixels(49, 10), kBar);
    EXPECT_EQ(half.Pixels(50, 10), RGBOf(clWindow));
    g->SetMaxValue(4);
    g->SetValue(1);  // 24.5 pixels
    EXPECT_EQ(Painted(*g).Pixels(24, 10), kBar);
    EXPECT_EQ(Painted(*g).Pixels(25, 10), RGBOf(clWindow));
    g->SetValue(0);
    EXPECT_EQ(Painted(*g).Pixels(1, 10), RGBOf(clWindow));

    // Vertical, the bar grows from the bottom.
    g->SetBounds(10, 10, 20, 100);
    g->SetMaxValue(100);
    g->SetValue(50);
    g->SetVertical(true);
    TCanvas& vertical = Painted(*g);
    EXPECT_EQ(vertical.Pixels(10, 50), kBar);
    EXPECT_EQ(vertical.Pixels(10, 49), RGBOf(clWindow));
    EXPECT_EQ(vertical.Pixels(10, 98), kBar);
}

TEST_F(GaugeTest, TheCaptionIsTheProgressTextAndThePercentage)
{
    auto* g = Make();
    EXPECT_TRUE(Matches(*g, Expected(*g, "", 50)));
    g->SetShowPercent(true);
    EXPECT_TRUE(Matches(*g, Expected(*g, "50%", 50)));
    g->SetProgressText("Ripping ");
    EXPECT_TRUE(Matches(*g, Expected(*g, "50%", 50)));
    g->SetShowProgressText(true);
    EXPECT_TRUE(Matches(*g, Expected(*g, "Ripping 50%", 50)));
    g->SetShowProgressText(false);

    // An empty range shows an empty bar at 0%.
    g->SetMaxValue(0);
    EXPECT_TRUE(Matches(*g, Expected(*g, "0%", 1)));
    // The program's batch: a value beyond the maximum is a full bar at 100%.
    g->SetMaxValue(300);
    g->SetValue(150);
    EXPECT_TRUE(Matches(*g, Expected(*g, "50%", 50)));
    g->SetValue(450);
    EXPECT_TRUE(Matches(*g, Expected(*g, "100%", 99)));
}

TEST_F(GaugeTest, TheSkinnedBarTilesItsMiddleBetweenItsEnds)
{
    auto* g = MakeSkinned("gauge");
    EXPECT_EQ(g->BoundsRect(), Rect(10, 10, 110, 20));  // the element's height
    // The bar area (2, 2, 98, 8); at 50 the bar is 48 wide: (2, 2, 50, 8).
    TCanvas& canvas = Painted(*g);
    EXPECT_EQ(canvas.Pixels(2, 3), TColor(0 | 21 << 8));  // the begin piece
    EXPECT_EQ(canvas.Pixels(3, 3), TColor(1 | 21 << 8));
    for (int x = 4; x < 47; ++x)  // the middle (2..8 of the bar picture) tiled from the left
        ASSERT_EQ(canvas.Pixels(x, 3), TColor((2 + (x - 4) % 7) | 21 << 8)) << x;
    EXPECT_EQ(canvas.Pixels(47, 7), TColor(9 | 25 << 8));  // the end piece
    EXPECT_EQ(canvas.Pixels(49, 3), TColor(11 | 21 << 8));
    EXPECT_EQ(Green(canvas.Pixels(50, 3)), 3);  // the element beyond the bar

    // A bar shorter than both ends shows nothing of the bar picture.
    g->SetValue(4);
    EXPECT_EQ(Green(Painted(*g).Pixels(2, 3)), 3);
    g->SetValue(5);  // 4.8 pixels: 5, both ends and no middle
    TCanvas& ends = Painted(*g);
    EXPECT_EQ(ends.Pixels(3, 3), TColor(1 | 21 << 8));
    EXPECT_EQ(ends.Pixels(4, 3), TColor(9 | 21 << 8));
    EXPECT_EQ(Green(ends.Pixels(7, 3)), 3);
}

TEST_F(GaugeTest, AVerticalElementTurnsTheGaugeAndTilesFromTheBottom)
{
    auto* g = MakeSkinned("vgauge");
    EXPECT_EQ(g->BoundsRect(), Rect(10, 10, 20, 110));
    Painted(*g);
    EXPECT_TRUE(g->Vertical());
    // The bar area (2, 2, 8, 98); at 50 the bar is (2, 50, 8, 98).
    TCanvas& canvas = Painted(*g);
    EXPECT_EQ(canvas.Pixels(3, 50), TColor(21 | 0 << 8));  // the begin piece on top
    EXPECT_EQ(canvas.Pixels(3, 51), TColor(21 | 1 << 8));
    EXPECT_EQ(canvas.Pixels(3, 97), TColor(21 | 11 << 8));  // the end piece below
    EXPECT_EQ(canvas.Pixels(3, 94), TColor(21 | 8 << 8));  // tiles laid upward
    EXPECT_EQ(canvas.Pixels(3, 88), TColor(21 | 2 << 8));
    EXPECT_EQ(canvas.Pixels(3, 87), TColor(21 | 8 << 8));
    EXPECT_EQ(canvas.Pixels(3, 52), TColor(21 | 8 << 8));  // the last tile loses its top
    EXPECT_EQ(Red(canvas.Pixels(3, 49)), 3);
}

TEST_F(GaugeTest, AnElementThatLeavesItsPictureLeavesThePlainLook)
{
    for (const char* name : {"pastpicture", "barpastpicture", "insideout", "nopicture"}) {
        SCOPED_TRACE(name);
        auto* g = MakeSkinned(name);
        EXPECT_EQ(g->Width(), 100);  // the size asked for, not an element's
        EXPECT_TRUE(Matches(*g, Expected(*g, "", 50)));
    }
}

TEST_F(GaugeTest, ABarPictureWithoutMiddleEndsTheDrawing)
{
    auto* g = MakeSkinned("nomiddle");
    g->SetShowPercent(true);
    TCanvas& canvas = Painted(*g);
    for (int x = 2; x < 50; ++x)
        ASSERT_EQ(Green(canvas.Pixels(x, 3)), 3) << x;
}

TEST_F(GaugeTest, TheCaptionOverTheSkinBlendsWithItsOpacity)
{
    auto* g = MakeSkinned("gauge");
    TBitmap bare;
    bare.SetSize(g->Width(), g->Height());
    bare.Canvas().CopyRect(Rect(0, 0, g->Width(), g->Height()), Painted(*g), Rect(0, 0, g->Width(), g->Height()));
    g->SetShowPercent(true);
    int white = 0;
    TCanvas& shown = Painted(*g);
    for (int y = 0; y < g->Height(); ++y)
        for (int x = 0; x < g->Width(); ++x)
            white += shown.Pixels(x, y) == clWhite;
    EXPECT_GT(white, 0);

    g->SetTextAlphaBlend(true);
    g->SetTextAlphaBlendValue(0);
    TCanvas& hidden = Painted(*g);
    for (int y = 0; y < g->Height(); ++y)
        for (int x = 0; x < g->Width(); ++x)
            ASSERT_EQ(hidden.Pixels(x, y), bare.Canvas().Pixels(x, y)) << x << "," << y;
}
