// The skinned button: clicks from the mouse, the repeat, groups, the dialog's
// default and cancel buttons, actions, and the images of its states.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "gui/controls/action.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/custom_control.h"
#include "gui/graphics/image_list.h"
#include "picture_fixtures.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_panel.h"

using namespace gui;
using sk::TskSkinButton;
using skinctrlstest::Ramp;

namespace {

// A control that takes the focus and is no skinned button.
class Plain : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

class ButtonTest : public skinctrlstest::RampSkinTest {
protected:
    void SetUp() override
    {
        RampSkinTest::SetUp();
        skin.AddElement("button", "button",
                        {"pictureindex=0", "skinrect=0,0,30,10", "activeskinrect=0,10,30,20",
                         "downskinrect=0,20,30,30", "clientrect=0,0,30,10", "disabledfontcolor=255"});
        skin.AddElement("panel", "panel", {"pictureindex=0", "skinrect=30,0,60,10"});
        skin.AddElement("toolpanel", "panel",
                        {"pictureindex=0", "skinrect=0,0,40,40", "lefttoppoint=5,5", "righttoppoint=35,5",
                         "leftbottompoint=5,35", "rightbottompoint=35,35", "clientrect=5,5,35,35"});
        skin.AddElement("morph", "button",
                        {"pictureindex=0", "skinrect=0,0,30,10", "activeskinrect=0,10,30,20", "morphing=1"});
        // Elements whose rectangles cannot be cut from the 64 x 64 picture.
        skin.AddElement("pastpicture", "button", {"pictureindex=0", "skinrect=40,0,70,10"});
        skin.AddElement("insideout", "button", {"pictureindex=0", "skinrect=30,10,0,0"});
        skin.AddElement("activepastpicture", "button",
                        {"pictureindex=0", "skinrect=0,0,30,10", "activeskinrect=0,60,30,70"});
        skin.AddElement("downpastpicture", "button",
                        {"pictureindex=0", "skinrect=0,0,30,10", "downskinrect=50,0,80,10"});
        skin.AddElement("nopicture", "button", {"pictureindex=5", "skinrect=0,0,30,10"});
        skin.Load();
    }

    TskSkinButton* Make(const std::string& caption = "")
    {
        auto* b = new TskSkinButton(&form);
        b->SetCaption(caption);
        b->SetParent(&form);
        b->OnClick = [this](TComponent*) { ++clicks; };
        return b;
    }
    Plain* MakePlain()
    {
        auto* p = new Plain(&form);
        p->SetBounds(200, 10, 50, 50);
        p->SetParent(&form);
        return p;
    }
    // A key as the message loop delivers it to the focused window.
    static void Key(UINT msg, WPARAM key)
    {
        ::PostMessageA(::GetFocus(), msg, key, 0);
        skinctrlstest::ControlTest::Wait(0);
    }

    int clicks = 0;
};

}  // namespace

TEST_F(ButtonTest, ClicksComeOnReleaseOverTheButtonOnly)
{
    auto* b = Make();
    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(b->Focused());
    Mouse(*b, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->Down());

    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    b->Perform(CM_MOUSELEAVE, 0, 0);
    Mouse(*b, WM_LBUTTONUP, 300, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->Down());

    // The mouse taken off the held button, as the system reports it.
    Mouse(*b, WM_MOUSEMOVE, 5, 5);
    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    Mouse(*b, WM_MOUSEMOVE, 300, 5);
    Mouse(*b, WM_LBUTTONUP, 300, 5);
    EXPECT_EQ(clicks, 1);

    // A button that cannot take the focus does not get it from the mouse.
    auto* flat = Make();
    flat->SetCanFocused(false);
    Mouse(*flat, WM_LBUTTONDOWN, 5, 5);
    Mouse(*flat, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(flat->Focused());
}

TEST_F(ButtonTest, RepeatModeClicksWhileHeldAndPausesOffTheButton)
{
    auto* b = Make();
    b->SetRepeatMode(true);
    b->SetRepeatInterval(30);
    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    Mouse(*b, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 1);  // a short press clicks once, on release

    clicks = 0;
    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(clicks, 0);  // the first click comes with the first tick
    EXPECT_TRUE(WaitUntil([&] { return clicks >= 2; }));
    b->Perform(CM_MOUSELEAVE, 0, 0);
    const int paused = clicks;
    Wait(100);
    EXPECT_EQ(clicks, paused);
    b->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return clicks > paused; }));
    const int held = clicks;
    Mouse(*b, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, held + 1);
    Wait(60);
    EXPECT_EQ(clicks, held + 1);
}

TEST_F(ButtonTest, GroupedButtonsStayOneDown)
{
    auto* a = Make();
    auto* b = Make();
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    EXPECT_FALSE(a->CanFocused());
    Mouse(*a, WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(clicks, 1);  // a grouped button clicks at the press
    Mouse(*a, WM_LBUTTONUP, 5, 5);
    EXPECT_TRUE(a->Down());
    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    Mouse(*b, WM_LBUTTONUP, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());

    // Clicked again, a down button stays down unless all may be up.
    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    Mouse(*b, WM_LBUTTONUP, 5, 5);
    EXPECT_TRUE(b->Down());
    b->SetAllowAllUp(true);
    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    Mouse(*b, WM_LBUTTONUP, 5, 5);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, AllowAllUpStillKeepsAtMostOneButtonOfTheGroupDown)
{
    auto* a = Make();
    auto* b = Make();
    auto* other = Make();
    for (TskSkinButton* button : {a, b}) {
        button->SetGroupIndex(1);
        button->SetAllowAllUp(true);
    }
    other->SetGroupIndex(2);
    other->SetDown(true);
    Mouse(*a, WM_LBUTTONDOWN, 5, 5);
    Mouse(*a, WM_LBUTTONUP, 5, 5);
    EXPECT_TRUE(a->Down());
    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    Mouse(*b, WM_LBUTTONUP, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(other->Down());  // another group is left alone
    // Down from the program too.
    a->SetDown(true);
    EXPECT_FALSE(b->Down());
    // And all may be up.
    Mouse(*a, WM_LBUTTONDOWN, 5, 5);
    Mouse(*a, WM_LBUTTONUP, 5, 5);
    EXPECT_FALSE(a->Down());
    EXPECT_FALSE(b->Down());
}

TEST_F(ButtonTest, TheDefaultLookShowsHotAndPressedFaces)
{
    auto* b = Make();
    b->SetBounds(10, 10, 40, 20);
    EXPECT_EQ(Painted(*b).Pixels(0, 0), skinctrlstest::RGBOf(clBtnShadow));
    EXPECT_EQ(Painted(*b).Pixels(3, 3), skinctrlstest::RGBOf(clBtnFace));
    b->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(Painted(*b).Pixels(0, 0), TColor(0x800000));
    EXPECT_EQ(Painted(*b).Pixels(3, 3), TColor(0xD2BDB6));
    b->SetDown(true);
    EXPECT_EQ(Painted(*b).Pixels(3, 3), TColor(0xB59385));
    b->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Painted(*b).Pixels(3, 3), skinctrlstest::RGBOf(clBtnFace));

    // Blended over its parent, a faint button shows mostly the form.
    b->SetDown(false);
    form.SetColor(clYellow);
    b->SetAlphaBlend(true);
    b->SetAlphaBlendValue(50);
    const TColor faint = Painted(*b).Pixels(3, 3);
    EXPECT_GT(GetRValue(faint), 240);
    EXPECT_LT(GetBValue(faint), 80);
}

TEST_F(ButtonTest, AnElementThatLeavesItsPictureLeavesTheDefaultLook)
{
    auto* plain = Make("OK");
    plain->SetBounds(10, 10, 40, 20);
    TBitmap expected;
    expected.SetSize(40, 20);
    Painted(*plain);
    expected.Canvas().Draw(0, 0, target);
    for (const char* name : {"pastpicture", "insideout", "activepastpicture", "downpastpicture", "nopicture"}) {
        SCOPED_TRACE(name);
        auto* b = Make("OK");
        b->SetBounds(10, 10, 40, 20);
        b->SetSkinDataName(name);
        b->SetSkinData(&skin.Data());
        EXPECT_EQ(b->Width(), 40);  // the size asked for, not an element's
        TCanvas& painted = Painted(*b);
        int differing = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                differing += painted.Pixels(x, y) != expected.Canvas().Pixels(x, y);
        EXPECT_EQ(differing, 0);
    }
}

TEST_F(ButtonTest, EnterClicksTheDefaultButtonAndEscTheCancelButton)
{
    auto* ok = Make("OK");
    ok->SetDefault(true);
    auto* cancel = Make("Cancel");
    cancel->SetLeft(100);
    cancel->SetCancel(true);
    int cancels = 0;
    cancel->OnClick = [&](TComponent*) { ++cancels; };
    auto* edit = MakePlain();
    int keysSeen = 0;
    edit->OnKeyDown = [&](TComponent*, WORD&, TShiftState) { ++keysSeen; };

    edit->SetFocus();
    // The focus elsewhere, the default button shows that Enter is its.
    EXPECT_EQ(Painted(*ok).Pixels(0, 0), TColor(0x800000));
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(keysSeen, 0);  // used as a dialog key
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(cancels, 1);
    Key(WM_KEYDOWN, 'A');
    EXPECT_EQ(keysSeen, 1);

    // Another skinned button focused is the one Enter clicks.
    cancel->SetFocus();
    EXPECT_EQ(Painted(*ok).Pixels(0, 0), skinctrlstest::RGBOf(clBtnShadow));
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(cancels, 2);
}

TEST_F(ButtonTest, TheAcceleratorFocusesAndClicks)
{
    auto* b = Make("&Go");
    auto* edit = MakePlain();
    edit->SetFocus();
    Key(WM_SYSCHAR, 'g');
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->Focused());
    Key(WM_SYSCHAR, 'x');
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, AClickSetsTheModalResultAndRunsTheActionUnlessOnClickIsOwn)
{
    auto* b = Make();
    b->SetModalResult(mrOk);
    Mouse(*b, WM_LBUTTONDOWN, 5, 5);
    Mouse(*b, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(form.ModalResult(), mrOk);

    auto* images = new TImageList(&form);
    TBitmap picture;
    picture.SetSize(16, 16);
    picture.Canvas().Brush().SetColor(clLime);
    picture.Canvas().FillRect(Rect(0, 0, 16, 16));
    picture.Canvas().SetPixels(0, 0, clWhite);  // left out of the picture
    ASSERT_EQ(images->AddMasked(picture, clWhite), 0);
    auto* list = new TActionList(&form);
    list->SetImages(images);
    auto* action = new TAction(&form);
    action->SetActionList(list);
    action->SetCaption("Rip");
    action->SetImageIndex(0);
    int executed = 0;
    action->OnExecute = [&](TComponent*) { ++executed; };

    auto* linked = Make();
    linked->OnClick = nullptr;
    linked->SetAction(action);
    EXPECT_EQ(linked->Caption(), "Rip");
    ASSERT_EQ(linked->Glyph().Width(), 16);
    EXPECT_EQ(linked->Glyph().Canvas().Pixels(5, 5), clLime);
    EXPECT_EQ(linked->Glyph().Canvas().Pixels(0, 0), clFuchsia);
    action->SetEnabled(false);
    EXPECT_FALSE(linked->Enabled());
    action->SetEnabled(true);
    Mouse(*linked, WM_LBUTTONDOWN, 5, 5);
    Mouse(*linked, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(executed, 1);

    linked->OnClick = [this](TComponent*) { ++clicks; };
    const int before = clicks;
    Mouse(*linked, WM_LBUTTONDOWN, 5, 5);
    Mouse(*linked, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(clicks, before + 1);

    delete action;  // the button lets go of it
    EXPECT_EQ(linked->Action(), nullptr);
}

TEST_F(ButtonTest, EachStateShowsItsImage)
{
    auto* b = Make();
    b->SetSkinData(&skin.Data());
    EXPECT_EQ(b->BoundsRect(), Rect(0, 0, 30, 10));  // a fixed element's size
    TskSkinButton* other = Make();
    other->SetLeft(100);
    other->SetFocus();
    EXPECT_EQ(Painted(*b).Pixels(1, 1), Ramp(1, 1));
    b->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(Painted(*b).Pixels(1, 1), Ramp(1, 11));
    b->SetDown(true);
    EXPECT_EQ(Painted(*b).Pixels(1, 1), Ramp(1, 21));
    b->SetDown(false);
    // Without a disabled image, a disabled button shows its normal one.
    b->SetEnabled(false);
    EXPECT_EQ(Painted(*b).Pixels(1, 1), Ramp(1, 1));
}

TEST_F(ButtonTest, TheCrossFadeRunsToTheActiveImageAndBack)
{
    auto* b = Make();
    b->SetSkinDataName("morph");
    b->SetSkinData(&skin.Data());
    TskSkinButton* other = Make();
    other->SetLeft(100);
    other->SetFocus();
    // Looked at after every message (a busy machine may hand over several ticks in
    // one round of the loop), the fade is seen on its way between the two images
    // before it ends in the new one.
    auto oneMessage = [] {
        MSG msg;
        int quitCode = 0;
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            gui::Application().HandleNextMessage(quitCode);
    };
    auto fade = [&](TColor to) {
        bool between = false;
        return testsupport::PumpUntil(30000, [&] {
            const TColor now = Painted(*b).Pixels(1, 1);
            between = between || (GetGValue(now) > 1 && GetGValue(now) < 11);
            return between && now == to;
        }, oneMessage);
    };
    b->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(fade(Ramp(1, 11)));
    b->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(fade(Ramp(1, 1)));
}

TEST_F(ButtonTest, SpaceHoldsTheFocusedButtonDownAndClicksOnRelease)
{
    auto* b = Make();
    b->SetFocus();
    Key(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(clicks, 0);
    Key(WM_KEYUP, VK_SPACE);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicks, 1);
    // Enter on the focused button clicks it once.
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(clicks, 2);

    // In repeat mode each Space the keyboard repeats is a click.
    b->SetRepeatMode(true);
    Key(WM_KEYDOWN, VK_SPACE);
    Key(WM_KEYDOWN, VK_SPACE);
    Key(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(clicks, 5);
}

TEST_F(ButtonTest, ADisabledSkinnedButtonShowsItsNormalImageWithTheDisabledGlyphAndColour)
{
    auto* b = Make("W");
    TBitmap glyph;
    glyph.SetSize(16, 8);
    glyph.Canvas().Brush().SetColor(clLime);
    glyph.Canvas().FillRect(Rect(0, 0, 8, 8));
    glyph.Canvas().Brush().SetColor(clBlue);
    glyph.Canvas().FillRect(Rect(8, 0, 16, 8));
    glyph.Canvas().SetPixels(0, 7, clWhite);  // the colour each frame leaves out
    glyph.Canvas().SetPixels(8, 7, clWhite);
    b->SetGlyph(glyph);
    b->SetNumGlyphs(2);
    b->SetSpacing(0);
    b->SetSkinData(&skin.Data());
    const auto has = [&](TColor colour) {
        TCanvas& c = Painted(*b);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 30; ++x)
                if (c.Pixels(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(has(clLime));
    EXPECT_FALSE(has(clBlue));
    EXPECT_FALSE(has(clRed));
    b->SetEnabled(false);
    EXPECT_EQ(Painted(*b).Pixels(0, 0), Ramp(0, 0));
    EXPECT_FALSE(has(clLime));
    EXPECT_TRUE(has(clBlue));
    EXPECT_TRUE(has(clRed));

    // Margins below -1 are refused.
    b->SetMargin(-5);
    EXPECT_EQ(b->Margin(), -1);
}

TEST_F(ButtonTest, AnElementOfAnotherKindShowsOneImageForEveryState)
{
    auto* b = Make();
    b->SetSkinData(&skin.Data());
    TskSkinButton* other = Make();
    other->SetLeft(100);
    other->SetFocus();
    b->SetSkinDataName("panel");
    b->ApplySkin();
    EXPECT_EQ(Painted(*b).Pixels(1, 1), Ramp(31, 1));
    b->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(Painted(*b).Pixels(1, 1), Ramp(31, 1));
    b->SetDown(true);
    EXPECT_EQ(Painted(*b).Pixels(1, 1), Ramp(31, 1));
}

TEST_F(ButtonTest, AFadedToolButtonShowsTheSkinnedPanelBehindIt)
{
    auto* panel = new sk::TskSkinPanel(&form);
    panel->SetBounds(10, 10, 120, 40);
    panel->SetBorderStyle(sk::bvNone);
    panel->SetParent(&form);
    panel->SetSkinDataName("toolpanel");
    panel->SetSkinData(&skin.Data());
    TskSkinButton* b = Make();
    b->SetParent(panel);
    b->SetCanFocused(false);
    b->SetBounds(41, 2, 38, 36);
    const TColor behind = Painted(*panel).Pixels(41 + 3, 2 + 4);
    EXPECT_EQ(behind, Ramp(5 + 44 % 30, 5 + 6));
    b->SetAlphaBlend(true);
    b->SetAlphaBlendValue(0);
    EXPECT_EQ(Painted(*b).Pixels(3, 4), behind);
    b->SetAlphaBlendValue(255);
    EXPECT_EQ(Painted(*b).Pixels(3, 4), skinctrlstest::RGBOf(clBtnFace));
}

TEST_F(ButtonTest, AButtonThatCannotTakeTheFocusIsNoTabStopWhenItsFormIsBuilt)
{
    TForm building(nullptr);
    building.BeginLoading();
    auto* b = new TskSkinButton(&building);
    EXPECT_TRUE(b->TabStop());
    b->SetCanFocused(false);
    EXPECT_FALSE(b->TabStop());
    building.EndLoading();
    // Later changes leave the tab stop alone.
    b->SetCanFocused(true);
    EXPECT_FALSE(b->TabStop());
}
