// The skinned edit: its frame from the skin or without one, the skin's height,
// the browse button and what the mouse does with it, and the font colours of its
// states.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "gui/controls/control_messages.h"
#include "gui/graphics/canvas.h"
#include "picture_fixtures.h"
#include "skinctrls/controls/skin_edit.h"

using namespace gui;
using sk::TskSkinEdit;
using skinctrlstest::RGBOf;

namespace {

constexpr TColor kFontColor = 0x0000FF, kActiveFontColor = 0x00FF00, kDisabledFontColor = 0x808080;

// An edit whose frame image a test can look at.
class FrameProbe : public TskSkinEdit {
public:
    using TskSkinEdit::TskSkinEdit;
    TBitmap& Frame()
    {
        image.SetSize(Width(), Height());
        if (Skinned())
            DrawSkinFrame(image);
        else
            DrawDefaultFrame(image);
        return image;
    }
    TColor At(int x, int y) { return Frame().Canvas().Pixels(x, y); }
    TBitmap image;
};

class SkinEditTest : public skinctrlstest::RampSkinTest {
protected:
    void SetUp() override
    {
        RampSkinTest::SetUp();
        const std::vector<std::string> edit = {
            "pictureindex=0", "skinrect=0,0,40,16", "activeskinrect=0,16,40,32", "lefttoppoint=5,0",
            "righttoppoint=30,0", "clientrect=3,3,30,13", "fontname=Courier New", "fontheight=11",
            "fontstyle=fsbold", "fontcolor=" + std::to_string(kFontColor),
            "activefontcolor=" + std::to_string(kActiveFontColor),
            "disabledfontcolor=" + std::to_string(kDisabledFontColor)};
        skin.AddElement("edit", "edit", edit);
        std::vector<std::string> buttonEdit = edit;
        buttonEdit.insert(buttonEdit.end(), {"buttonrect=30,0,40,16", "activebuttonrect=40,0,50,16",
                                             "downbuttonrect=50,0,60,16", "unenabledbuttonrect=40,32,50,48"});
        skin.AddElement("buttonedit", "edit", buttonEdit);
        skin.AddElement("nopicture", "edit", {"pictureindex=-1", "skinrect=0,0,40,16"});
        skin.AddElement("nosize", "edit", {"pictureindex=0"});
        skin.AddElement("otherkind", "button", {"pictureindex=0", "skinrect=0,0,40,16"});
        skin.AddElement("pastpicture", "edit", {"pictureindex=0", "skinrect=40,0,80,16"});
        skin.AddElement("insideout", "edit", {"pictureindex=0", "skinrect=40,16,0,0"});
        skin.AddElement("activepastpicture", "edit",
                        {"pictureindex=0", "skinrect=0,0,40,16", "activeskinrect=0,56,40,72"});
        skin.AddElement("buttonpastpicture", "edit",
                        {"pictureindex=0", "skinrect=0,0,40,16", "buttonrect=30,0,40,16",
                         "activebuttonrect=60,0,70,16"});
        skin.Load();
    }

    FrameProbe* Make(bool buttonMode = false, bool skinned = false)
    {
        auto* e = new FrameProbe(&form);
        e->SetBounds(10, 10, 150, 30);
        e->SetParent(&form);
        e->SetButtonMode(buttonMode);
        if (buttonMode)
            e->SetSkinDataName("buttonedit");
        if (skinned)
            e->SetSkinData(&skin.Data());
        e->OnButtonClick = [this](TComponent*) { ++clicks; };
        return e;
    }
    static TRect ClientOf(TWinControl& c)
    {
        RECT window{}, client{};
        ::GetWindowRect(c.Handle(), &window);
        ::GetClientRect(c.Handle(), &client);
        ::MapWindowPoints(c.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        return Rect(client.left - window.left, client.top - window.top, client.right - window.left,
                    client.bottom - window.top);
    }
    // A non-client message at a point given in window coordinates.
    static LRESULT HitTest(TWinControl& c, int x, int y)
    {
        RECT window{};
        ::GetWindowRect(c.Handle(), &window);
        return ::SendMessageA(c.Handle(), WM_NCHITTEST, 0, MAKELPARAM(window.left + x, window.top + y));
    }
    static void NC(TWinControl& c, UINT msg, LRESULT hit) { ::SendMessageA(c.Handle(), msg, WPARAM(hit), 0); }

    int clicks = 0;
};

}  // namespace

TEST_F(SkinEditTest, WithoutASkinThePlainFrameSurroundsTheText)
{
    auto* e = Make();
    EXPECT_EQ(e->Font().Name(), "Arial");  // not the form's font
    EXPECT_EQ(e->Font().Height(), 14);
    EXPECT_EQ(ClientOf(*e), Rect(2, 2, 148, 28));
    EXPECT_EQ(e->At(0, 0), RGBOf(clBtnFace));
    EXPECT_EQ(e->At(1, 1), RGBOf(clBtnShadow));
    EXPECT_EQ(e->At(5, 5), RGBOf(clWindow));
    // Under the mouse the rings change places.
    e->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(e->At(0, 0), RGBOf(clBtnShadow));
    EXPECT_EQ(e->At(1, 1), RGBOf(clBtnFace));
    e->Perform(CM_MOUSELEAVE, 0, 0);

    auto* b = Make(true);
    EXPECT_EQ(ClientOf(*b), Rect(2, 2, 128, 28));
    EXPECT_EQ(b->ButtonRect(), Rect(130, 0, 150, 30));
    EXPECT_EQ(b->At(129, 0), RGBOf(clBtnFace));  // the rings end before the button
    EXPECT_EQ(b->At(130, 0), RGBOf(clBtnShadow));
    EXPECT_EQ(b->At(140, 10), RGBOf(clBtnFace));
    NC(*b, WM_NCMOUSEMOVE, HTHSCROLL);
    EXPECT_EQ(b->At(140, 10), TColor(0xD2BDB6));
    NC(*b, WM_NCLBUTTONDOWN, HTHSCROLL);
    EXPECT_EQ(b->At(140, 10), TColor(0xB59385));
    EXPECT_EQ(b->At(130, 0), TColor(0x800000));
}

TEST_F(SkinEditTest, TheSkinGivesHeightFrameAndFont)
{
    auto* e = Make(false, true);
    EXPECT_TRUE(e->Skinned());
    EXPECT_EQ(e->Height(), 16);
    e->SetBounds(10, 10, 200, 50);
    EXPECT_EQ(e->Width(), 200);
    EXPECT_EQ(e->Height(), 16);
    // The client rectangle of the element, its right edge moving with the width.
    EXPECT_EQ(ClientOf(*e), Rect(3, 3, 190, 13));
    EXPECT_EQ(e->Font().Name(), "Courier New");
    EXPECT_EQ(e->Font().Height(), 11);
    EXPECT_TRUE(e->Font().Style().Contains(fsBold));
    EXPECT_EQ(e->Font().Color(), kFontColor);

    // Ends kept, the middle tiled, from the normal rectangle.
    TBitmap& frame = e->Frame();
    EXPECT_EQ(frame.Height(), 16);
    EXPECT_EQ(skintest::Reds(frame, 5, 0, 7), skintest::Sequence(0, 7));
    EXPECT_EQ(skintest::Reds(frame, 5, 190, 200), skintest::Sequence(30, 10));
    EXPECT_EQ(skintest::Red(frame, 5 + 25, 5), 5);  // the 25 middle columns repeat
    EXPECT_EQ(skintest::Green(frame, 50, 5), 5);
    // The active rectangle under the mouse or with the focus.
    e->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(skintest::Green(e->Frame(), 50, 5), 21);
    e->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(skintest::Green(e->Frame(), 50, 5), 5);
    e->SetFocus();
    EXPECT_EQ(skintest::Green(e->Frame(), 50, 5), 21);
}

TEST_F(SkinEditTest, TheButtonStatesComeFromTheirRectangles)
{
    auto* e = Make(true, true);
    e->SetWidth(100);
    EXPECT_EQ(e->ButtonRect(), Rect(90, 0, 100, 16));  // moved with the right end
    EXPECT_EQ(skintest::Red(e->Frame(), 92, 3), 32);   // the picture's own button
    NC(*e, WM_NCMOUSEMOVE, HTHSCROLL);
    EXPECT_TRUE(e->ButtonHot());
    EXPECT_EQ(skintest::Red(e->Frame(), 92, 3), 42);
    NC(*e, WM_NCLBUTTONDOWN, HTHSCROLL);
    EXPECT_EQ(skintest::Red(e->Frame(), 92, 3), 52);
    // Pressed but off the button: the normal look.
    NC(*e, WM_NCMOUSEMOVE, HTVSCROLL);
    EXPECT_EQ(skintest::Red(e->Frame(), 92, 3), 32);
    NC(*e, WM_NCLBUTTONUP, HTVSCROLL);
    EXPECT_EQ(clicks, 0);
    e->SetEnabled(false);
    EXPECT_EQ(skintest::Red(e->Frame(), 92, 3), 42);
    EXPECT_EQ(skintest::Green(e->Frame(), 92, 3), 35);
}

TEST_F(SkinEditTest, TheButtonIsFoundByTheMouseAndClicksOnRelease)
{
    auto* e = Make(true);
    EXPECT_EQ(HitTest(*e, 140, 10), HTHSCROLL);
    EXPECT_EQ(HitTest(*e, 129, 10), HTHSCROLL);  // a pixel to spare before it
    EXPECT_EQ(HitTest(*e, 0, 10), HTVSCROLL);
    EXPECT_EQ(HitTest(*e, 50, 29), HTVSCROLL);
    EXPECT_EQ(HitTest(*e, 50, 10), HTCLIENT);
    // No button, no codes of the frame's own.
    auto* plain = Make();
    EXPECT_NE(HitTest(*plain, 0, 10), HTVSCROLL);

    NC(*e, WM_NCLBUTTONDOWN, HTVSCROLL);
    EXPECT_FALSE(e->ButtonPressed());

    NC(*e, WM_NCMOUSEMOVE, HTHSCROLL);
    NC(*e, WM_NCLBUTTONDOWN, HTHSCROLL);
    EXPECT_TRUE(e->ButtonPressed());
    EXPECT_FALSE(e->Focused());
    NC(*e, WM_NCLBUTTONUP, HTHSCROLL);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(e->ButtonPressed());
    EXPECT_TRUE(e->Focused());

    // Off the button, into the text or out of the window: no longer hot.
    NC(*e, WM_NCMOUSEMOVE, HTVSCROLL);
    EXPECT_FALSE(e->ButtonHot());
    NC(*e, WM_NCMOUSEMOVE, HTHSCROLL);
    Mouse(*e, WM_MOUSEMOVE, 5, 5);
    EXPECT_FALSE(e->ButtonHot());
    NC(*e, WM_NCMOUSEMOVE, HTHSCROLL);
    NC(*e, WM_NCLBUTTONDOWN, HTHSCROLL);
    ::SendMessageA(e->Handle(), WM_NCMOUSELEAVE, 0, 0);
    EXPECT_FALSE(e->ButtonHot());
    EXPECT_FALSE(e->ButtonPressed());
}

// A key as the message loop hands it to the focused window, with Shift held or
// not: the state of the keyboard says so while it is handled.
void PressKey(WORD key, bool shift = false)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[key] = 0x80;
    ::SetKeyboardState(keys);
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 1);
    skinctrlstest::ControlTest::Wait(0);
    keys[VK_SHIFT] = 0;
    keys[key] = 0;
    ::SetKeyboardState(keys);
    ::PostMessageA(::GetFocus(), WM_KEYUP, key, 0xC0000001);
    skinctrlstest::ControlTest::Wait(0);
}

TEST_F(SkinEditTest, TabStopsAtTheBrowseButtonBetweenTheTextAndTheNextControl)
{
    auto* e = Make(true, true);
    auto* next = Make();
    next->SetTop(60);
    e->SetText("C:\\Music");
    e->SetFocus();
    EXPECT_FALSE(e->ButtonFocused());
    EXPECT_EQ(skintest::Red(e->Frame(), 142, 3), 32);  // the button's normal look

    // Tab: the button takes the keys, in its active look; the edit keeps the focus,
    // and its text takes no keys.
    PressKey(VK_TAB);
    EXPECT_TRUE(e->Focused());
    EXPECT_TRUE(e->ButtonFocused());
    EXPECT_EQ(skintest::Red(e->Frame(), 142, 3), 42);
    ::PostMessageA(e->Handle(), WM_CHAR, 'x', 1);
    PressKey(VK_BACK);
    PressKey(VK_DELETE);
    EXPECT_EQ(e->Text(), "C:\\Music");
    // Enter and Space click it.
    PressKey(VK_RETURN);
    PressKey(VK_SPACE);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(e->Text(), "C:\\Music");

    // Shift+Tab goes back to the text, all of it selected; Tab twice goes on past
    // the button to the next control, no tab typed on the way.
    PressKey(VK_TAB, true);
    EXPECT_TRUE(e->Focused());
    EXPECT_FALSE(e->ButtonFocused());
    EXPECT_EQ(e->SelLength(), 8);
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    EXPECT_TRUE(next->Focused());
    EXPECT_FALSE(e->ButtonFocused());
    EXPECT_EQ(skintest::Red(e->Frame(), 142, 3), 32);
    EXPECT_EQ(e->Text(), "C:\\Music");

    // Shift+Tab from the next control comes to the button first; a click in the
    // text gives the keys back to the text.
    PressKey(VK_TAB, true);
    EXPECT_TRUE(e->Focused());
    EXPECT_TRUE(e->ButtonFocused());
    Mouse(*e, WM_LBUTTONDOWN, 5, 5);
    Mouse(*e, WM_LBUTTONUP, 5, 5);
    EXPECT_FALSE(e->ButtonFocused());
    ::PostMessageA(e->Handle(), WM_CHAR, 'x', 1);
    Wait(0);
    EXPECT_NE(e->Text(), "C:\\Music");
    EXPECT_EQ(clicks, 2);

    // An edit without a button keeps Tab out of its text, as before.
    auto* plain = Make(false, true);
    plain->SetFocus();
    PressKey(VK_TAB);
    EXPECT_FALSE(plain->Focused());
}

TEST_F(SkinEditTest, FontColoursFollowTheMouseTheFocusAndEnabled)
{
    auto* e = Make(false, true);
    e->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(e->Font().Color(), kActiveFontColor);
    e->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(e->Font().Color(), kFontColor);
    e->SetFocus();
    EXPECT_EQ(e->Font().Color(), kActiveFontColor);
    e->Perform(CM_MOUSELEAVE, 0, 0);  // focused: the colour stays
    EXPECT_EQ(e->Font().Color(), kActiveFontColor);
    ::SetFocus(form.Handle());
    EXPECT_EQ(e->Font().Color(), kFontColor);
    e->SetEnabled(false);
    EXPECT_EQ(e->Font().Color(), kDisabledFontColor);
    e->SetEnabled(true);
    EXPECT_EQ(e->Font().Color(), kFontColor);

    auto* plain = Make();
    plain->DefaultFont().SetColor(clNavy);
    EXPECT_EQ(plain->Font().Color(), clNavy);  // the default font, while no skin is in use
    plain->SetEnabled(false);
    EXPECT_EQ(plain->Font().Color(), clGrayText);
    plain->SetEnabled(true);
    EXPECT_EQ(plain->Font().Color(), clNavy);
}

TEST_F(SkinEditTest, ElementsThatCannotDrawAnEditLeaveThePlainFrame)
{
    for (const char* name : {"nopicture", "nosize", "otherkind", "absent", "pastpicture", "insideout",
                             "activepastpicture", "buttonpastpicture"}) {
        SCOPED_TRACE(name);
        auto* e = Make();
        e->SetSkinDataName(name);
        e->SetSkinData(&skin.Data());
        EXPECT_FALSE(e->Skinned());
        EXPECT_EQ(e->Height(), 20);  // the default height, not an element's
        EXPECT_EQ(e->Font().Name(), "Arial");
        EXPECT_EQ(e->At(0, 0), RGBOf(clBtnFace));
    }
}

TEST_F(SkinEditTest, WhenTheSkinGoesTheDefaultsReturn)
{
    gui::TComponent owner(nullptr);
    auto* data = new sk::TskSkinData(&owner);
    data->SetStoredSkin(skin.Data().StoredSkin());
    auto* e = Make();
    e->DefaultFont().SetName("Tahoma");
    e->SetSkinData(data);
    EXPECT_EQ(e->Height(), 16);
    e->SetText("kept");
    delete data;
    EXPECT_EQ(e->SkinData(), nullptr);
    e->ApplySkin();
    EXPECT_EQ(e->Height(), 20);
    EXPECT_EQ(e->Font().Name(), "Tahoma");
    EXPECT_EQ(e->Text(), "kept");
    EXPECT_EQ(ClientOf(*e), Rect(2, 2, 148, 18));
}

TEST_F(SkinEditTest, ABlendedFrameShowsWhatLiesBehind)
{
    form.SetColor(clLime);
    auto* e = Make();
    e->SetAlphaBlend(true);  // at value 0: only what lies behind
    ::RedrawWindow(e->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = ::GetWindowDC(e->Handle());
    EXPECT_EQ(::GetPixel(dc, 0, 0), ColorToRGB(clLime));
    e->SetAlphaBlendValue(255);
    ::RedrawWindow(e->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(::GetPixel(dc, 0, 0), ColorToRGB(clBtnFace));
    ::ReleaseDC(e->Handle(), dc);
}

TEST_F(SkinEditTest, PaintingSettlesAfterAChange)
{
    auto* e = Make(true, true);
    e->SetText("settles");
    e->SetFocus();
    int framePaints = 0, paints = 0;
    TWndProcHook hook(e->WindowProc(), [&](TMessage& m) {
        framePaints += m.Msg == WM_NCPAINT;
        paints += m.Msg == WM_PAINT;
        hook.CallNext(m);
    });
    ::PostMessageA(e->Handle(), WM_CHAR, 'x', 1);
    // The frame is painted anew under the new text.
    EXPECT_TRUE(WaitUntil([&] { return framePaints >= 1 && paints >= 1; }));
    framePaints = paints = 0;
    Wait(200);
    EXPECT_EQ(framePaints, 0);
    EXPECT_EQ(paints, 0);
}
