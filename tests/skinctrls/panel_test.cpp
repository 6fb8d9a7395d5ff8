// The skinned panel: its caption strip with the check box and the roll-up arrow,
// the client area its children are aligned in, rolling up and down, and the
// element's picture, caption and background picture.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "gui/controls/custom_control.h"
#include "picture_fixtures.h"
#include "skinctrls/controls/skin_panel.h"

using namespace gui;
using sk::TskSkinPanel;
using skinctrlstest::RGBOf;
using skinctrlstest::Child;
using skinctrlstest::Ramp;

namespace {

class PanelTest : public skinctrlstest::RampSkinTest {
protected:
    void SetUp() override
    {
        RampSkinTest::SetUp();
        skintest::MakePicture(tile, 8, 6, 24, {}, [](int x, int y) { return uint32_t(0x80 + x) << 16 | uint32_t(y); });
        skin.AddPicture(tile);
        // A nine-part panel whose caption lies above its client part.
        const std::vector<std::string> nine = {"pictureindex=0",         "skinrect=0,0,40,40",
                                               "lefttoppoint=5,20",      "righttoppoint=35,20",
                                               "leftbottompoint=5,35",   "rightbottompoint=35,35",
                                               "clientrect=5,20,35,35",  "captionrect=5,2,35,18",
                                               "fontcolor=255",          "checkimagerect=40,0,48,8",
                                               "uncheckimagerect=48,0,56,8"};
        skin.AddElement("panel", "panel", nine);
        std::vector<std::string> deep = nine;
        deep[6] = "clientrect=5,30,35,35";
        skin.AddElement("deep", "panel", deep);
        std::vector<std::string> tiled = nine;
        tiled.push_back("bgpictureindex=1");
        skin.AddElement("tiled", "panel", tiled);
        skin.Load();
    }

    TskSkinPanel* Make(int width = 100, int height = 80)
    {
        auto* p = new TskSkinPanel(&form);
        p->SetBounds(10, 10, width, height);
        p->SetParent(&form);
        return p;
    }
    Child* MakeChild(TskSkinPanel& panel, TAlign align = alNone)
    {
        auto* c = new Child(&form);
        c->SetBounds(20, 40, 20, 10);
        c->SetParent(&panel);
        c->SetAlign(align);
        return c;
    }
    static void Click(TskSkinPanel& panel, int x, int y)
    {
        Mouse(panel, WM_LBUTTONDOWN, x, y);
        Mouse(panel, WM_LBUTTONUP, x, y);
    }

    TBitmap tile;
};

}  // namespace

TEST_F(PanelTest, TheDefaultLookFramesThePanelAndItsCaptionStrip)
{
    auto* p = Make();
    EXPECT_EQ(p->BoundsRect(), Rect(10, 10, 110, 90));
    auto* child = MakeChild(*p, alClient);
    EXPECT_EQ(child->BoundsRect(), Rect(1, 1, 99, 79));
    TCanvas& plain = Painted(*p);
    EXPECT_EQ(plain.Pixels(0, 0), RGBOf(clBtnShadow));
    EXPECT_EQ(plain.Pixels(99, 79), RGBOf(clBtnShadow));
    EXPECT_EQ(plain.Pixels(50, 40), RGBOf(clBtnFace));

    p->SetCaptionMode(true);
    EXPECT_EQ(child->BoundsRect(), Rect(1, 23, 99, 79));
    TCanvas& strip = Painted(*p);
    EXPECT_EQ(strip.Pixels(50, 21), RGBOf(clBtnShadow));     // the strip's frame
    EXPECT_EQ(strip.Pixels(50, 1), RGBOf(clBtnHighlight));   // and the bevel inside it
    EXPECT_EQ(strip.Pixels(50, 20), RGBOf(clBtnFace));
    p->SetDefaultCaptionHeight(30);
    EXPECT_EQ(child->BoundsRect(), Rect(1, 31, 99, 79));

    // Without a border the children reach the edges.
    p->SetCaptionMode(false);
    p->SetBorderStyle(sk::bvNone);
    EXPECT_EQ(child->BoundsRect(), Rect(0, 0, 100, 80));
    EXPECT_EQ(Painted(*p).Pixels(0, 0), RGBOf(clBtnFace));
    p->SetBorderStyle(sk::bvRaised);
    TCanvas& raised = Painted(*p);
    EXPECT_EQ(raised.Pixels(0, 0), RGBOf(clBtnHighlight));
    EXPECT_EQ(raised.Pixels(99, 79), RGBOf(clBtnShadow));
    p->SetBorderStyle(sk::bvLowered);
    EXPECT_EQ(Painted(*p).Pixels(0, 0), RGBOf(clBtnShadow));
}

TEST_F(PanelTest, TheDefaultCaptionShowsTheCheckBoxAndTheCaptionInItsStrip)
{
    auto* p = Make();
    p->SetCaptionMode(true);
    p->SetCaption("Wide caption");
    p->DefaultFont().SetColor(clRed);
    const auto redIn = [](TCanvas& c, int x0, int x1, int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (c.Pixels(x, y) == clRed)
                    return true;
        return false;
    };
    EXPECT_TRUE(redIn(Painted(*p), 2, 98, 2, 20));
    EXPECT_FALSE(redIn(Painted(*p), 0, 100, 22, 80));

    // The check box sits 5 pixels in, centred in the strip; its mark shows when checked.
    p->SetCaption("");
    p->SetCheckedMode(true);
    const int top = 2 + 18 / 2 - 7;
    TCanvas& box = Painted(*p);
    EXPECT_EQ(box.Pixels(5, top), RGBOf(clBtnShadow));
    EXPECT_EQ(box.Pixels(18, top + 13), RGBOf(clBtnShadow));
    const auto darkIn = [&](TCanvas& c) {
        for (int y = top + 1; y < top + 13; ++y)
            for (int x = 6; x < 18; ++x)
                if (c.Pixels(x, y) == RGBOf(clBtnText))
                    return true;
        return false;
    };
    EXPECT_FALSE(darkIn(box));
    p->SetChecked(true);
    EXPECT_TRUE(darkIn(Painted(*p)));
}

TEST_F(PanelTest, ClickingTheCaptionTogglesTheCheckAndTheRollUp)
{
    auto* p = Make();
    p->SetCaptionMode(true);
    p->SetCheckedMode(true);
    p->SetRollUpMode(true);
    auto* shown = MakeChild(*p);
    auto* other = MakeChild(*p);
    auto* hidden = MakeChild(*p);
    hidden->Hide();
    int checks = 0;
    p->OnChecked = [&](TComponent*) { ++checks; };

    Click(*p, 50, 50);  // below the caption: nothing
    EXPECT_FALSE(p->Checked());
    EXPECT_FALSE(p->RollUpState());

    Click(*p, 50, 10);
    EXPECT_TRUE(p->Checked());
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(p->RollUpState());
    EXPECT_EQ(p->Height(), 23);
    EXPECT_FALSE(shown->Visible());
    EXPECT_FALSE(other->Visible());

    Click(*p, 50, 10);
    EXPECT_FALSE(p->Checked());
    EXPECT_FALSE(p->RollUpState());
    EXPECT_EQ(p->Height(), 80);
    EXPECT_TRUE(shown->Visible());
    EXPECT_TRUE(other->Visible());
    EXPECT_FALSE(hidden->Visible());
    // Unchecked, the children were disabled with the check box.
    EXPECT_FALSE(shown->Enabled());
    EXPECT_FALSE(hidden->Enabled());
}

TEST_F(PanelTest, CheckedEnablesTheChildrenOnlyInCheckedMode)
{
    auto* p = Make();
    auto* child = MakeChild(*p);
    int checks = 0;
    p->OnChecked = [&](TComponent*) { ++checks; };
    p->SetChecked(false);
    EXPECT_TRUE(child->Enabled());
    EXPECT_EQ(checks, 1);  // also when nothing changed

    p->SetCheckedMode(true);
    p->SetChecked(false);
    EXPECT_FALSE(child->Enabled());
    p->SetChecked(true);
    EXPECT_TRUE(child->Enabled());
    p->SetAutoEnabledControls(false);
    p->SetChecked(false);
    EXPECT_TRUE(child->Enabled());
    EXPECT_EQ(checks, 4);
}

TEST_F(PanelTest, RollingUpNeedsRollUpModeAndUnrollingARememberedHeight)
{
    auto* p = Make();
    p->SetCaptionMode(true);
    p->SetRollUpState(true);
    EXPECT_FALSE(p->RollUpState());
    EXPECT_EQ(p->Height(), 80);

    p->SetRollUpMode(true);
    p->SetDefaultCaptionHeight(15);
    p->SetRollUpState(true);
    EXPECT_EQ(p->Height(), 16);
    p->SetRollUpState(true);  // rolled up twice: still the first height to return to
    p->SetRollUpState(false);
    EXPECT_EQ(p->Height(), 80);

    // A child destroyed while rolled up is not shown again.
    auto* child = MakeChild(*p);
    p->SetRollUpState(true);
    delete child;
    p->SetRollUpState(false);
    EXPECT_EQ(p->ControlCount(), 0);
}

TEST_F(PanelTest, TheElementGivesTheClientAreaAndTheRolledUpHeight)
{
    auto* p = Make();
    p->SetRollUpMode(true);
    p->SetSkinData(&skin.Data());
    EXPECT_EQ(p->BoundsRect(), Rect(10, 10, 110, 90));  // a nine-part element takes any size
    auto* child = MakeChild(*p, alClient);
    EXPECT_EQ(child->BoundsRect(), Rect(5, 20, 95, 75));

    p->SetRollUpState(true);
    EXPECT_EQ(p->Height(), 80 - 55);
    // A new skin rolls the panel up anew and keeps the height to unroll to.
    p->SetSkinDataName("deep");
    p->ApplySkin();
    EXPECT_TRUE(p->RollUpState());
    EXPECT_EQ(p->Height(), 80 - 45);
    p->SetRollUpState(false);
    EXPECT_EQ(p->Height(), 80);
    EXPECT_EQ(child->BoundsRect(), Rect(5, 30, 95, 75));
}

TEST_F(PanelTest, ARolledUpPanelIsDrawnAtItsRolledHeightAfterTheSkinIsApplied)
{
    auto* p = Make();
    p->SetRollUpMode(true);
    p->SetSkinData(&skin.Data());
    p->SetRollUpState(true);
    p->ApplySkin();  // the same skin again: the height stays 25
    ASSERT_EQ(p->Height(), 25);
    TCanvas& canvas = Painted(*p);
    EXPECT_EQ(canvas.Pixels(0, 24), Ramp(0, 39));  // the element's bottom corners
    EXPECT_EQ(canvas.Pixels(99, 24), Ramp(39, 39));
    EXPECT_EQ(canvas.Pixels(0, 0), Ramp(0, 0));
}

TEST_F(PanelTest, TheSkinnedCaptionShowsTheCheckImageAndTheFontColour)
{
    auto* p = Make();
    p->SetCaptionMode(true);
    p->SetCheckedMode(true);
    p->SetCaption("Wide caption");
    p->SetSkinData(&skin.Data());
    // The caption rectangle (5, 2, 35, 18) stretches with the width: (5, 2, 95, 18).
    TCanvas& canvas = Painted(*p);
    EXPECT_EQ(canvas.Pixels(0, 79), Ramp(0, 39));  // the element's corners
    EXPECT_EQ(canvas.Pixels(99, 79), Ramp(39, 39));
    const int top = 2 + 16 / 2 - 4;
    EXPECT_EQ(canvas.Pixels(6, top + 1), Ramp(49, 1));  // unchecked image
    bool red = false;
    for (int y = 2; y < 18 && !red; ++y)
        for (int x = 15; x < 95 && !red; ++x)
            red = canvas.Pixels(x, y) == clRed;
    EXPECT_TRUE(red);

    // A click in the caption of the last paint checks the box.
    Click(*p, 60, 10);
    EXPECT_TRUE(p->Checked());
    EXPECT_EQ(Painted(*p).Pixels(6, top + 1), Ramp(41, 1));
    Click(*p, 60, 30);
    EXPECT_TRUE(p->Checked());
}

TEST_F(PanelTest, WithoutBorderOrCaptionOnlyTheClientPartIsTiled)
{
    auto* p = Make();
    p->SetBorderStyle(sk::bvNone);
    p->SetSkinData(&skin.Data());
    TCanvas& canvas = Painted(*p);
    EXPECT_EQ(canvas.Pixels(0, 0), Ramp(5, 20));
    EXPECT_EQ(canvas.Pixels(31, 16), Ramp(6, 21));  // the part is 30 x 15
    EXPECT_EQ(canvas.Pixels(99, 79), Ramp(5 + 9, 20 + 4));
}

TEST_F(PanelTest, ABackgroundPictureIsAllThatShows)
{
    auto* p = Make();
    p->SetSkinDataName("tiled");
    p->SetCaptionMode(true);
    p->SetCaption("Caption");
    p->SetAlphaBlend(true);
    p->SetAlphaBlendValue(0);
    p->SetSkinData(&skin.Data());
    auto* child = MakeChild(*p, alClient);
    EXPECT_EQ(child->BoundsRect(), Rect(0, 0, 100, 80));
    TCanvas& canvas = Painted(*p);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(canvas.Pixels(x, y), TColor((0x80 + x % 8) | (y % 6) << 16)) << x << "," << y;
}
