// The skinned control base: the default look or the element's picture at any
// size the element allows, blending over what lies behind, skin changes, the
// cursor from the skin, the window's shape from the mask, and rectangles of the
// skin mapped to the control's size.
#include <gtest/gtest.h>

#include <memory>

#include "gui/controls/control_messages.h"
#include "gui/core/rounding.h"
#include "gui/graphics/win_types.h"
#include "picture_fixtures.h"
#include "skinctrls/controls/skin_custom_control.h"
#include "test_skin.h"

using namespace gui;
using sk::TskSkinCustomControl;

namespace {

class Probe : public TskSkinCustomControl {
public:
    using TskSkinCustomControl::MapSkinRect;
    using TskSkinCustomControl::TskSkinCustomControl;
    int Index() const { return SkinIndex(); }
    int Mode() const { return ResizeMode(); }
    const sk::SkinGeometry& Sized() const { return NewGeometry(); }
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        TskSkinCustomControl::Paint();
    }
};

// The colour of the test picture at (x, y): red x, green y.
TColor Ramp(int x, int y) { return TColor(x | y << 8); }

class SkinControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skintest::MakeRamp(ramp, 40, 40);
        skintest::MakeMask(mask, {"..################..",
                                  ".##################.",
                                  "####################",
                                  "####################",
                                  "####################",
                                  "####################",
                                  "####################",
                                  "####################",
                                  ".##################.",
                                  "..################.."});
        skin.AddPicture(ramp);
        skin.AddPicture(mask);
        skin.AddElement("fixed", "splitter", {"pictureindex=0", "maskpictureindex=1", "skinrect=5,5,25,15"});
        skin.AddElement("nine", "splitter",
                        {"pictureindex=0", "skinrect=0,0,30,30", "lefttoppoint=5,5", "righttoppoint=25,5",
                         "leftbottompoint=5,25", "rightbottompoint=25,25", "clientrect=5,5,25,25"});
        skin.AddElement("horizontal", "splitter",
                        {"pictureindex=0", "skinrect=0,0,30,10", "lefttoppoint=5,0", "righttoppoint=25,0",
                         "clientrect=5,0,25,10"});
        // A right-bottom point with one zero coordinate does not make it nine-part.
        skin.AddElement("vertical", "splitter",
                        {"pictureindex=0", "skinrect=0,0,10,30", "lefttoppoint=0,5", "leftbottompoint=0,25",
                         "rightbottompoint=3,0", "clientrect=0,5,10,25"});
        skin.AddElement("bevel", "bevel", {"pictureindex=0", "skinrect=0,0,8,8"});
        skin.AddElement("pointer", "splitter", {"pictureindex=0", "skinrect=0,0,8,8", "cursorindex=2"});
        skin.SetStartCursorIndex(5);
        skin.Load();
        form.SetBounds(100, 100, 300, 200);
        form.SetColor(clYellow);
        target.SetSize(60, 60);
    }

    Probe* Make(const std::string& element, int width, int height)
    {
        auto* c = new Probe(&form);
        c->SetBounds(10, 10, width, height);
        c->SetSkinDataName(element);
        c->SetParent(&form);
        c->SetSkinData(&skin.Data());
        return c;
    }
    // Paints the control into a bitmap first filled with magenta.
    TCanvas& Painted(TControl& c)
    {
        target.Canvas().Brush().SetColor(clFuchsia);
        target.Canvas().FillRect(Rect(0, 0, 60, 60));
        c.Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0);
        return target.Canvas();
    }

    TBitmap ramp, mask, target;
    skinctrlstest::TestSkin skin;
    TForm form{nullptr};
};

TColor Face() { return TColor(ColorToRGB(clBtnFace)); }

}  // namespace

TEST_F(SkinControlTest, WithoutAnElementTheDefaultLookShows)
{
    auto* c = Make("missing", 30, 20);
    EXPECT_EQ(c->Index(), -1);
    EXPECT_EQ(Painted(*c).Pixels(29, 19), Face());
    c->SetDrawDefault(false);
    EXPECT_EQ(Painted(*c).Pixels(5, 5), clWhite);
    c->SetBounds(10, 10, 0, 20);  // no size, no painting
    EXPECT_EQ(Painted(*c).Pixels(0, 0), clFuchsia);

    // Default sizes apply without an element.
    auto* sized = new Probe(&form);
    sized->SetBounds(0, 0, 30, 20);
    sized->SetDefaultWidth(70);
    sized->SetSkinDataName("missing");
    sized->SetSkinData(&skin.Data());
    EXPECT_EQ(sized->BoundsRect(), Rect(0, 0, 70, 20));
}

TEST_F(SkinControlTest, AFixedElementIsCopiedAtItsOwnSizeAndLookedUpAtEveryPaint)
{
    auto* c = Make("fixed", 100, 100);
    EXPECT_EQ(c->Mode(), sk::rmFixed);
    EXPECT_EQ(c->BoundsRect(), Rect(10, 10, 30, 20));
    c->SetBounds(0, 0, 50, 50);
    EXPECT_EQ(c->BoundsRect(), Rect(0, 0, 20, 10));
    TCanvas& canvas = Painted(*c);
    EXPECT_EQ(canvas.Pixels(0, 0), Ramp(5, 5));
    EXPECT_EQ(canvas.Pixels(19, 9), Ramp(24, 14));
    EXPECT_EQ(canvas.Pixels(20, 9), clFuchsia);

    c->SetSkinDataName("missing");
    EXPECT_EQ(Painted(*c).Pixels(0, 0), Face());
}

TEST_F(SkinControlTest, EachResizeModeTakesTheSizesItCan)
{
    auto* nine = Make("nine", 50, 40);
    EXPECT_EQ(nine->Mode(), sk::rmNinePart);
    EXPECT_EQ(nine->BoundsRect(), Rect(10, 10, 60, 50));
    EXPECT_EQ(nine->Sized().RTPoint, Point(45, 5));
    EXPECT_EQ(nine->Sized().LBPoint, Point(5, 35));
    EXPECT_EQ(nine->Sized().RBPoint, Point(45, 35));
    EXPECT_EQ(nine->Sized().ClRect, Rect(5, 5, 45, 35));
    TCanvas& canvas = Painted(*nine);
    EXPECT_EQ(canvas.Pixels(0, 0), Ramp(0, 0));
    EXPECT_EQ(canvas.Pixels(49, 39), Ramp(29, 29));  // corners keep their pixels
    nine->SetBounds(10, 10, 35, 31);
    EXPECT_EQ(nine->Sized().RBPoint, Point(30, 26));

    auto* horizontal = Make("horizontal", 50, 40);
    EXPECT_EQ(horizontal->Mode(), sk::rmHorizontal);
    EXPECT_EQ(horizontal->BoundsRect(), Rect(10, 10, 60, 20));
    EXPECT_EQ(Painted(*horizontal).Pixels(49, 9), Ramp(29, 9));

    auto* vertical = Make("vertical", 50, 40);
    EXPECT_EQ(vertical->Mode(), sk::rmVertical);
    EXPECT_EQ(vertical->BoundsRect(), Rect(10, 10, 20, 50));
    vertical->SetBounds(10, 10, 5, 60);
    EXPECT_EQ(vertical->BoundsRect(), Rect(10, 10, 20, 70));

    // An element of another kind gives no picture and does not decide the size.
    auto* bevel = Make("bevel", 50, 40);
    EXPECT_NE(bevel->Index(), -1);
    EXPECT_EQ(bevel->BoundsRect(), Rect(10, 10, 60, 50));
    EXPECT_EQ(Painted(*bevel).Pixels(5, 5), clWhite);
}

TEST_F(SkinControlTest, BlendingShowsWhatLiesBehindInProportion)
{
    auto* c = Make("missing", 30, 20);
    const TColor plain = Painted(*c).Pixels(5, 5);
    c->SetAlphaBlend(true);
    c->SetAlphaBlendValue(255);
    EXPECT_EQ(Painted(*c).Pixels(5, 5), plain);
    c->SetAlphaBlendValue(0);
    EXPECT_EQ(Painted(*c).Pixels(5, 5), clYellow);
    c->SetAlphaBlendValue(50);
    const auto mix = [](uint32_t face, uint32_t behind) {
        return uint32_t(Round(50 / 255.0 * face + (1 - 50 / 255.0) * behind));
    };
    const uint32_t face = ColorToRGB(clBtnFace), behind = ColorToRGB(clYellow);
    const auto expected = TColor(mix(face & 0xFF, behind & 0xFF) | mix(face >> 8 & 0xFF, behind >> 8 & 0xFF) << 8 |
                                 mix(face >> 16 & 0xFF, behind >> 16 & 0xFF) << 16);
    EXPECT_EQ(Painted(*c).Pixels(5, 5), expected);
}

TEST_F(SkinControlTest, SkinDataThatIsDroppedOrDestroyedLeavesTheDefaultLook)
{
    auto* c = Make("fixed", 20, 10);
    form.Show();
    ::UpdateWindow(form.Handle());
    c->SetSkinData(nullptr);
    RECT pending{};
    EXPECT_FALSE(::GetUpdateRect(c->Handle(), &pending, FALSE));  // not painted again at once
    EXPECT_EQ(Painted(*c).Pixels(0, 0), Face());

    c->SetSkinData(&skin.Data());
    EXPECT_EQ(Painted(*c).Pixels(0, 0), Ramp(5, 5));
    c->ReleaseSkin();
    EXPECT_EQ(c->Index(), -1);
    delete &skin.Data();
    EXPECT_EQ(c->SkinData(), nullptr);
    EXPECT_EQ(Painted(*c).Pixels(0, 0), Face());
}

TEST_F(SkinControlTest, TheCursorComesFromTheSkinWhenAsked)
{
    auto* c = Make("pointer", 8, 8);
    EXPECT_EQ(c->Cursor(), crDefault);
    c->SetUseSkinCursor(true);
    c->ApplySkin();
    EXPECT_EQ(c->Cursor(), 7);  // the skin's first cursor is 5
    c->SetSkinDataName("fixed");
    c->ApplySkin();
    EXPECT_EQ(c->Cursor(), crDefault);
}

TEST_F(SkinControlTest, TheMaskShapesTheWindowWhileTheElementHasOne)
{
    auto* c = Make("fixed", 20, 10);
    const auto inside = [&](int x, int y) {
        win::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
        if (::GetWindowRgn(c->Handle(), region.Get()) == ERROR)
            return true;  // no shape: the whole window
        return ::PtInRegion(region.Get(), x, y) != FALSE;
    };
    ASSERT_TRUE(c->HandleAllocated() || c->Handle());
    EXPECT_FALSE(inside(0, 0));
    EXPECT_FALSE(inside(19, 9));
    EXPECT_TRUE(inside(2, 0));
    EXPECT_TRUE(inside(0, 5));

    // Shapes come and go as often as the skin changes.
    for (int i = 0; i < 3; ++i) {
        c->SetSkinDataName("nine");
        c->ApplySkin();
        EXPECT_TRUE(inside(0, 0));
        c->SetSkinDataName("fixed");
        c->ApplySkin();
        EXPECT_FALSE(inside(0, 0));
    }
    // A window made anew gets the shape again.
    c->RecreateWnd();
    EXPECT_FALSE(inside(0, 0));
    EXPECT_TRUE(inside(5, 5));
}

TEST_F(SkinControlTest, SkinRectanglesMoveAndStretchWithThePartsTheyLieIn)
{
    auto* nine = Make("nine", 50, 40);  // 20 wider, 10 higher than the skin
    EXPECT_EQ(nine->MapSkinRect(Rect(1, 1, 3, 3)), Rect(1, 1, 3, 3));
    EXPECT_EQ(nine->MapSkinRect(Rect(26, 1, 28, 3)), Rect(46, 1, 48, 3));
    EXPECT_EQ(nine->MapSkinRect(Rect(1, 26, 3, 28)), Rect(1, 36, 3, 38));
    EXPECT_EQ(nine->MapSkinRect(Rect(26, 26, 28, 28)), Rect(46, 36, 48, 38));
    EXPECT_EQ(nine->MapSkinRect(Rect(2, 2, 27, 27)), Rect(2, 2, 47, 37));
    EXPECT_EQ(nine->MapSkinRect(Rect(2, 2, 27, 4)), Rect(2, 2, 47, 4));
    EXPECT_EQ(nine->MapSkinRect(Rect(2, 26, 27, 28)), Rect(2, 36, 47, 38));
    EXPECT_EQ(nine->MapSkinRect(Rect(2, 2, 4, 27)), Rect(2, 2, 4, 37));
    EXPECT_EQ(nine->MapSkinRect(Rect(26, 2, 28, 27)), Rect(46, 2, 48, 37));
    EXPECT_EQ(nine->MapSkinRect(Rect(10, 10, 20, 20)), Rect(10, 10, 20, 20));
    // A rectangle reaching a corner zone's excluded edge is not wholly inside it.
    EXPECT_EQ(nine->MapSkinRect(Rect(0, 0, 5, 5)), Rect(0, 0, 5, 5));
    // Unless that edge is the picture's own: flush with it, it moves with its corner.
    EXPECT_EQ(nine->MapSkinRect(Rect(26, 26, 30, 30)), Rect(46, 36, 50, 40));
    EXPECT_EQ(nine->MapSkinRect(Rect(26, 0, 30, 4)), Rect(46, 0, 50, 4));
    EXPECT_EQ(nine->MapSkinRect(Rect(0, 26, 4, 30)), Rect(0, 36, 4, 40));

    auto* horizontal = Make("horizontal", 50, 40);
    EXPECT_EQ(horizontal->MapSkinRect(Rect(2, 0, 27, 10)), Rect(2, 0, 47, 10));
    EXPECT_EQ(horizontal->MapSkinRect(Rect(26, 0, 28, 10)), Rect(46, 0, 48, 10));
    EXPECT_EQ(horizontal->MapSkinRect(Rect(10, 0, 20, 10)), Rect(10, 0, 20, 10));
    auto* vertical = Make("vertical", 10, 40);
    EXPECT_EQ(vertical->MapSkinRect(Rect(0, 2, 10, 27)), Rect(0, 2, 10, 37));
    EXPECT_EQ(vertical->MapSkinRect(Rect(0, 26, 10, 28)), Rect(0, 36, 10, 38));
    auto* fixed = Make("fixed", 20, 10);
    EXPECT_EQ(fixed->MapSkinRect(Rect(1, 2, 3, 4)), Rect(1, 2, 3, 4));
}

TEST_F(SkinControlTest, TheControlNeverErasesAndTellsOfTheMouse)
{
    auto* c = Make("missing", 30, 20);
    target.Canvas().Brush().SetColor(clFuchsia);
    target.Canvas().FillRect(Rect(0, 0, 60, 60));
    EXPECT_EQ(c->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0), 1);
    EXPECT_EQ(target.Canvas().Pixels(5, 5), clFuchsia);

    std::vector<std::string> events;
    c->OnMouseEnter = [&](TComponent* s) { events.push_back(s == c ? "enter" : "?"); };
    c->OnMouseLeave = [&](TComponent* s) { events.push_back(s == c ? "leave" : "?"); };
    c->Perform(CM_MOUSEENTER, 0, 0);
    c->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));

    // Blended, a control that moves shows what now lies behind it at once.
    form.Show();
    ::UpdateWindow(form.Handle());
    c->SetAlphaBlend(true);
    const int before = c->paints;
    c->SetLeft(40);
    EXPECT_GT(c->paints, before);
}
