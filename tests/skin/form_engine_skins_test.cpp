// The form skinning engine with skins that change: the hover morph stepped by
// its timer, the inactive frame, skin changes reaching the frame and the
// controls, skin areas, fixed-size skins, main-menu items and frameless forms.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "form_engine_fixture.h"
#include "gui/controls/menu.h"
#include "picture_fixtures.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_objects.h"
#include "skinctrls/controls/skin_control.h"

namespace {

using formenginetest::FormEngineTest;
using formenginetest::FormSkin;
using formenginetest::Wait;
using formenginetest::WaitUntil;
using gui::Rect;
using sk::TskFormSkinEngine;

// A skinned control that counts the skin changes it is told of.
class SkinProbe : public sk::TskSkinControl {
public:
    using sk::TskSkinControl::TskSkinControl;
    int applied = 0, released = 0;
    void ApplySkin() override
    {
        ++applied;
        TskSkinControl::ApplySkin();
    }
    void ReleaseSkin() override
    {
        ++released;
        TskSkinControl::ReleaseSkin();
    }
};

void SolidPicture(gui::TBitmap& bitmap, gui::TColor colour)
{
    bitmap.SetSize(100, 60);
    bitmap.Canvas().Brush().SetColor(colour);
    bitmap.Canvas().FillRect(Rect(0, 0, 100, 60));
}

TEST_F(FormEngineTest, AHoveredObjectMorphsByTheTimerAndBackWhenTheMouseLeaves)
{
    gui::TBitmap blue;
    SolidPicture(blue, gui::clBlue);
    FormSkin skin({"[SKINOBJECTS]", "count=1", "0=knob:button", "[knob]", "skinrect=40,4,50,14",
                   "activeskinrect=40,4,50,14", "activepictureindex=0", "morphing=1"},
                  {&blue});
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    ::SendMessageA(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    ::SetCursorPos(wr.left + 45, wr.top + 8);
    ASSERT_EQ(HitTest(45, 8), HTOBJECT);
    EXPECT_EQ(engine->HoverIndex(), 0);
    sk::TskActiveSkinObject& knob = *engine->Objects(0);
    EXPECT_LT(knob.MorphFactor(), 1);
    EXPECT_TRUE(WaitUntil([&] { return knob.MorphFactor() == 1; }));
    EXPECT_EQ(FramePixel(45, 8), RGB(0, 0, 255));
    // The tracking timer sees the cursor leave the form.
    ::SetCursorPos(wr.right + 50, wr.bottom + 50);
    EXPECT_TRUE(WaitUntil([&] { return engine->HoverIndex() == -1; }));
    EXPECT_TRUE(WaitUntil([&] { return knob.MorphFactor() == 0; }));
}

TEST_F(FormEngineTest, AnInactiveFrameShowsTheSkinsInactiveEffect)
{
    FormSkin skin({"autorenderinginactiveimage=1", "inactiveeffect=iegrayscale"});
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    ::SendMessageA(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    const COLORREF grey = FramePixel(5, 6);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    EXPECT_NE(grey, RGB(5, 6, 0));
    ::SendMessageA(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(FramePixel(5, 6), RGB(5, 6, 0));
}

TEST_F(FormEngineTest, SkinChangesRebuildTheFrameAndReachTheControlsOfThatSkin)
{
    const std::vector<std::string> one = {"[SKINOBJECTS]", "count=1", "0=a:userobject", "[a]", "skinrect=30,2,40,10"};
    const std::vector<std::string> two = {"[SKINOBJECTS]", "count=2", "0=a:userobject", "1=b:userobject",
                                          "[a]",           "skinrect=30,2,40,10", "[b]", "skinrect=50,2,60,10"};
    FormSkin skin(one), other;
    auto* engine = new TskFormSkinEngine(form);
    int rebuilds = 0;
    engine->OnChangeSkinData = [&](gui::TComponent*) { ++rebuilds; };
    engine->SetSkinData(&skin.Data());
    auto* mine = new SkinProbe(form);
    mine->SetParent(form);
    mine->SetSkinData(&skin.Data());
    auto* theirs = new SkinProbe(form);
    theirs->SetParent(form);
    theirs->SetSkinData(&other.Data());
    ASSERT_EQ(engine->ObjectCount(), 1);
    mine->applied = theirs->applied = 0;

    skin.Reload(two);
    EXPECT_EQ(engine->ObjectCount(), 2);
    EXPECT_EQ(rebuilds, 2);
    EXPECT_EQ(mine->released, 1);
    EXPECT_EQ(mine->applied, 1);
    EXPECT_EQ(theirs->released, 0);
    EXPECT_EQ(theirs->applied, 0);

    // Another skin: only its controls hear of it, before and after; the frame
    // stays.
    other.Reload({});
    EXPECT_EQ(rebuilds, 2);
    EXPECT_EQ(engine->ObjectCount(), 2);
    EXPECT_EQ(theirs->applied, 1);
    EXPECT_EQ(theirs->released, 1);
    EXPECT_EQ(mine->applied, 1);
    EXPECT_EQ(mine->released, 1);
}

TEST_F(FormEngineTest, InClientModeSkinAreasPlaceTheirControls)
{
    FormSkin skin({"[SKINAREAS]", "count=1", "0=display:10,10,90,55"});
    auto* display = new SkinProbe(form);
    display->SetParent(form);
    display->SetAlign(gui::alClient);
    display->SetAreaName("display");
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSupportNCArea(false);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    // From the top-left corner zone to the bottom-right one: it stretches with
    // the form (100 wider and 60 higher than the picture).
    EXPECT_EQ(display->Align(), gui::alNone);
    EXPECT_EQ(display->BoundsRect(), Rect(10, 10, 190, 115));
}

TEST_F(FormEngineTest, AFixedSizeSkinInClientModeFixesTheClientSize)
{
    FormSkin skin({"rightbottompoint=20,50"});
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSupportNCArea(false);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    EXPECT_EQ(form->ClientWidth(), 100);
    EXPECT_EQ(form->ClientHeight(), 60);
    EXPECT_FALSE(engine->Sizeable());
    EXPECT_EQ(HitTest(1, 30), HTCLIENT);
    // The region is the whole mask.
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_TRUE(::PtInRegion(region, 99, 59));
    EXPECT_FALSE(::PtInRegion(region, 100, 30));
    ::DeleteObject(region);
}

// Frame buttons whose looks lie in an active picture, each a block of its own
// colour, laid out in the caption rectangle (6, 2, 96, 18): close and maximize
// from its right end, the icon at its left end; the frame picture under them is
// plain.
const COLORREF kCloseLook = RGB(1, 2, 250), kMaximizeLook = RGB(3, 4, 240), kIconLook = RGB(5, 6, 230);
const std::vector<std::string> kButtonsOutsideTheFrame = {
    "captionrect=6,2,96,18", "buttonsrect=0,0,0,0", "[SKINOBJECTS]", "count=4", "0=title:caption",
    "1=closebutton:stdbutton", "2=maxbutton:stdbutton", "3=sysmenubutton:stdbutton", "[title]", "skinrect=6,2,70,18",
    "textrect=4,0,64,16", "defaultcaption=1", "[closebutton]", "activepictureindex=0", "skinrectinapicture=1",
    "skinrect=0,0,12,12", "command=cmclose", "[maxbutton]", "activepictureindex=0", "skinrectinapicture=1",
    "skinrect=12,0,24,12", "command=cmmaximize", "[sysmenubutton]", "activepictureindex=0", "skinrectinapicture=1",
    "skinrect=24,0,36,12", "command=cmsysmenu"};

void ButtonLooks(gui::TBitmap& bitmap)
{
    bitmap.SetSize(36, 12);
    const COLORREF looks[] = {kCloseLook, kMaximizeLook, kIconLook};
    for (int i = 0; i < 3; ++i) {
        bitmap.Canvas().Brush().SetColor(gui::TColor(looks[i]));
        bitmap.Canvas().FillRect(Rect(12 * i, 0, 12 * i + 12, 12));
    }
}

TEST_F(FormEngineTest, ButtonsWhoseLooksLieOutsideTheFrameShowOnlyWithTheirIcons)
{
    gui::TBitmap looks;
    ButtonLooks(looks);
    FormSkin skin(kButtonsOutsideTheFrame, {&looks});
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    const auto repaint = [&] {
        ::RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    };
    repaint();
    EXPECT_EQ(FramePixel(190, 8), kCloseLook);
    EXPECT_EQ(FramePixel(178, 8), kMaximizeLook);
    EXPECT_EQ(FramePixel(12, 10), kIconLook);  // centred in the caption rectangle's height
    EXPECT_EQ(HitTest(178, 8), HTOBJECT);
    EXPECT_EQ(HitTest(12, 10), HTOBJECT);
    EXPECT_EQ(HitTest(100, 8), HTCAPTION);

    // Without those icons the form shows neither button, and its caption reaches
    // over their places: a press there moves the form. Close stays.
    engine->SetBorderIcons({});
    repaint();
    EXPECT_EQ(FramePixel(190, 8), kCloseLook);
    EXPECT_NE(FramePixel(178, 8), kMaximizeLook);
    EXPECT_NE(FramePixel(12, 10), kIconLook);
    EXPECT_EQ(HitTest(178, 8), HTCAPTION);
    EXPECT_EQ(HitTest(12, 10), HTCAPTION);
    EXPECT_EQ(HitTest(190, 8), HTOBJECT);
}

TEST_F(FormEngineTest, TheMinimizedTitleShowsTheIconWhoseLookLiesOutsideTheFrame)
{
    gui::TBitmap looks;
    ButtonLooks(looks);
    FormSkin skin(kButtonsOutsideTheFrame, {&looks});
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    ::ShowWindow(form->Handle(), SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(form->Handle()));
    ::RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(FramePixel(12, 10), kIconLook);
    // The caption buttons do nothing on the title and are not drawn there.
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    for (int x = 0; x < wr.right - wr.left; ++x)
        ASSERT_NE(FramePixel(x, 8), kCloseLook) << x;
    ::ShowWindow(form->Handle(), SW_RESTORE);
    EXPECT_FALSE(::IsIconic(form->Handle()));
}

TEST_F(FormEngineTest, AFormWithoutBorderGetsNoFrameAndNoRegion)
{
    FormSkin skin;
    form->SetBorderStyle(gui::bsNone);
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    EXPECT_EQ(ClientInWindow(), Rect(0, 0, 200, 120));
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(form->Handle(), region), ERROR);
    ::DeleteObject(region);
}

TEST_F(FormEngineTest, AFormWithoutFrameIsDraggedByItsClientArea)
{
    FormSkin skin;
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSupportNCArea(false);
    engine->SetDraggAble(true);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    const gui::TPoint start = form->ClientToScreen(gui::Point(100, 60));
    ::SetCursorPos(start.X, start.Y);
    ::SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 60));
    ::SetCursorPos(start.X + 30, start.Y + 20);
    EXPECT_TRUE(WaitUntil([&] { return form->Left() == 150 && form->Top() == 140; }));
    // Released: the form stays where it is.
    ::SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 60));
    ::SetCursorPos(start.X + 60, start.Y + 60);
    Wait(300);
    EXPECT_EQ(form->Left(), 150);
    EXPECT_EQ(form->Top(), 140);
}

TEST_F(FormEngineTest, ABrokenFrameDescriptionKeepsTheClientAreaInsideTheWindow)
{
    FormSkin skin({"clientrect=-50,70,500,900", "maskrectarea=90,50,10,5", "borderwidth=100000",
                   "lefttoppoint=120,80", "rightbottompoint=-5,-5", "hittestlefttoppoint=-1000,-1000",
                   "captionrect=50,50,0,0", "buttonsrect=300,300,200,200", "mainmenurect=0,0,1000,1000",
                   "bgpictureindex=7", "[SKINOBJECTS]", "count=2", "0=x:stdbutton", "1=t:caption", "[x]",
                   "skinrect=-10,-10,300,300", "command=cmmaximize", "skinrectinapicture=1", "[t]",
                   "skinrect=90,50,-4,2", "textrect=-5,-5,900,3"});
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    const gui::TRect client = ClientInWindow();
    EXPECT_GE(client.Left, 0);
    EXPECT_GE(client.Top, 0);
    EXPECT_LE(client.Right, form->Width());
    EXPECT_LE(client.Bottom, form->Height());
    EXPECT_LE(client.Left, client.Right);
    EXPECT_LE(client.Top, client.Bottom);
    for (int y = -5; y < form->Height() + 5; y += 7)
        for (int x = -5; x < form->Width() + 5; x += 7)
            HitTest(x, y);
    ::RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    engine->SetSupportNCArea(false);
    engine->SetSkinData(&skin.Data());
    ::RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    for (int y = 0; y < form->Height(); y += 9)
        for (int x = 0; x < form->Width(); x += 9)
            HitTest(x, y);
}

// A client rectangle past the frame picture (a picture smaller than its
// description, or a number past any picture) left the window without a client
// area or with a frame composed from outside the picture: the default frame
// stands in for it.
TEST_F(FormEngineTest, AClientRectangleOutsideTheFramePictureGivesTheDefaultFrame)
{
    for (const char* client : {"clientrect=4,20,2147483647,2147483647", "clientrect=4,20,96,6000",
                               "clientrect=4,20,101,56", "clientrect=4,-20,160,56"}) {
        SCOPED_TRACE(client);
        FormSkin skin({client, "[SKINOBJECTS]", "count=1", "0=title:caption", "[title]", "skinrect=20,2,80,18",
                       "textrect=0,0,60,16", "fontcolor=255"});
        auto* engine = new TskFormSkinEngine(form);
        engine->SetSkinData(&skin.Data());
        form->Show();
        Wait(50);
        EXPECT_EQ(ClientInWindow(), Rect(3, 22, 197, 117));
        EXPECT_EQ(HitTest(100, 60), HTCLIENT);
        EXPECT_EQ(HitTest(198, 60), HTRIGHT);
        EXPECT_EQ(HitTest(100, 119), HTBOTTOM);
        ::RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(FramePixel(50, 119), COLORREF(gui::ColorToRGB(gui::cl3DDkShadow)));
        // The client area has the plain background, and the caption band the
        // default frame's lines, not the skin's caption object.
        EXPECT_EQ(FramePixel(100, 60), COLORREF(gui::ColorToRGB(gui::clBtnFace)));
        form->SetCaption("A new caption");
        Wait(50);
        for (int y = 5; y < 18; ++y) {
            const COLORREF p = FramePixel(40, y);
            EXPECT_TRUE(p == COLORREF(gui::ColorToRGB(gui::clBtnHighlight)) ||
                        p == COLORREF(gui::ColorToRGB(gui::clBtnShadow)) || p == COLORREF(gui::ColorToRGB(gui::clBtnFace)))
                << "y " << y << ": " << std::hex << p;
        }
        delete engine;
        form->Hide();
    }
}

TEST_F(FormEngineTest, SizingWithFullWindowDragFitsTheRegionToTheSizingRectangle)
{
    FormSkin skin;
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    BOOL full = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
    ::SendMessageA(form->Handle(), WM_ENTERSIZEMOVE, 0, 0);
    RECT sizing{120, 120, 420, 270};
    ::SendMessageA(form->Handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&sizing));
    // The region is made for the size the window is about to get.
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_TRUE(::PtInRegion(region, 299, 149));
    EXPECT_FALSE(::PtInRegion(region, 300, 150));
    ::DeleteObject(region);
    ::SendMessageA(form->Handle(), WM_EXITSIZEMOVE, 0, 0);
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, full, nullptr, 0);
    // Out of the size loop, the window's own size counts again.
    form->SetBounds(120, 120, 250, 100);
    EXPECT_EQ(engine->Geometry().ClientRect, Rect(4, 20, 246, 96));
}

TEST_F(FormEngineTest, InClientModeTheCursorFollowsTheHoveredObject)
{
    FormSkin skin({"cursorindex=-1", "[SKINOBJECTS]", "count=1", "0=a:userobject", "[a]", "skinrect=30,25,50,40",
                   "cursorindex=2"});
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSupportNCArea(false);
    engine->SetUseSkinCursors(true);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    const gui::TPoint on = form->ClientToScreen(gui::Point(40, 30));
    ::SetCursorPos(on.X, on.Y);
    ::SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(on.X, on.Y));
    // Counted from the skin's first cursor; the tracking timer sets it.
    const gui::TCursor onObject = gui::TCursor(2 + skin.Data().StartCursorIndex);
    EXPECT_TRUE(WaitUntil([&] { return engine->HoverIndex() == 0 && form->Cursor() == onObject; }));
    EXPECT_EQ(engine->HoverIndex(), 0);
    EXPECT_EQ(form->Cursor(), onObject);
    const gui::TPoint off = form->ClientToScreen(gui::Point(150, 90));
    ::SetCursorPos(off.X, off.Y);
    EXPECT_TRUE(WaitUntil([&] { return engine->HoverIndex() == -1 && form->Cursor() == gui::crDefault; }));
    EXPECT_EQ(engine->HoverIndex(), -1);
    EXPECT_EQ(form->Cursor(), gui::crDefault);
}

TEST_F(FormEngineTest, MainMenuItemsAreMadeForTheVisibleTopLevelItems)
{
    FormSkin skin({"[SKINOBJECTS]", "count=2", "0=MAINMENUITEM:mainmenuitem", "1=a:userobject", "[MAINMENUITEM]",
                   "skinrect=0,0,20,10", "textrect=2,0,18,10", "[a]", "skinrect=30,2,40,10"});
    auto* menu = new gui::TMainMenu(form);
    const char* names[] = {"FileItem", "SecretItem", "EditItem"};
    for (const char* name : names) {
        auto* item = new gui::TMenuItem(menu);
        item->SetName(name);
        item->SetCaption(name);
        menu->Items().Add(item);
    }
    menu->Items().Items(1)->SetVisible(false);
    menu->Items().Items(2)->SetEnabled(false);
    auto* engine = new TskFormSkinEngine(form);
    engine->SetMainMenu(menu);
    engine->SetSkinData(&skin.Data());
    ASSERT_EQ(engine->ObjectCount(), 3);
    EXPECT_EQ(engine->Objects(0)->IDName(), "a");
    EXPECT_EQ(engine->Objects(1)->IDName(), "FileItem");
    EXPECT_EQ(engine->Objects(2)->IDName(), "EditItem");
    EXPECT_FALSE(engine->Objects(2)->Enabled());
    // Taking the menu away at run time takes its items with it.
    engine->SetMainMenu(nullptr);
    EXPECT_EQ(engine->ObjectCount(), 1);
    // Without a skin, the default frame's minimum size.
    engine->SetSkinData(nullptr);
    EXPECT_EQ(engine->GetMinWidth(), 130);
    EXPECT_EQ(engine->GetMinHeight(), 25);
}

}  // namespace
