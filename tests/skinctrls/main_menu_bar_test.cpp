// The skinned main menu bar: items laid out in a row, the overflow marker and its
// menu, hot tracking, submenus that follow the mouse, the keyboard's menu mode,
// the skinned look and the buttons of a maximized MDI child.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/controls/menu_item.h"
#include "gui/controls/wnd_proc_chain.h"
#include "skin/data/skin_messages.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/popups/skin_main_menu.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_menu_item.h"
#include "skin/popups/skin_popup_window.h"
#include "skinctrls/menubar/main_menu_bar.h"
#include "support/gui_pump.h"
#include "test_skin.h"

using namespace gui;
using sk::TskMenuBarObject;
using sk::TskSkinMainMenuBar;
using sk::TskSkinMainMenuBarButton;
using sk::TskSkinMainMenuBarItem;

namespace {

using testsupport::GuiPump;
using testsupport::GuiPumpUntil;

// One skinned form for the whole program: showing windows costs seconds here.
struct SharedForm {
    SharedForm()
    {
        form->SetBounds(60, 60, 500, 300);
        engine = new sk::TskFormSkinEngine(form);
        form->Show();
    }
    TForm* form = new TForm(nullptr);
    sk::TskFormSkinEngine* engine;
};

SharedForm& Shared()
{
    static SharedForm* shared = new SharedForm;
    return *shared;
}

int CaptionWidth(const std::string& caption, const TFont& font)
{
    TBitmap probe;
    probe.SetSize(1, 1);
    probe.Canvas().Font().Assign(font);
    TRect r;
    probe.Canvas().DrawText(caption, r, DT_CALCRECT | DT_SINGLELINE);
    return r.Right - r.Left;
}

class MainMenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The bar follows the real cursor: it rests away from the bar and menus.
        ::SetCursorPos(2, ::GetSystemMetrics(SM_CYSCREEN) - 4);
        engine.OnMainMenuEnter = [this](TComponent* sender) { enterSenders.push_back(sender); };
        file = AddMenu("&File", "mnuFile");
        Add(*file, "Open");
        Add(*file, "Exit");
        cd = AddMenu("&CD", "mnuCD");
        Add(*cd, "Rip");
        help = AddMenu("&Help", "mnuHelp");
        Add(*help, "About");
        leaf = AddMenu("&Tools", "mnuTools");
        bar = new TskSkinMainMenuBar(&form);
        bar->SetParent(&form);
    }
    void TearDown() override
    {
        if (engine.SkinMenu().LevelCount() > 0)
            engine.SkinMenu().CloseMenus();
        delete bar;
        engine.OnMainMenuEnter = nullptr;
        GuiPump(20);
    }

    TMenuItem* AddMenu(const std::string& caption, const std::string& name)
    {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        item->SetName(name);
        item->OnClick = [this, caption](TComponent*) { clicks += caption + ";"; };
        menu->Items().Add(item);
        return item;
    }
    TMenuItem* Add(TMenuItem& parent, const std::string& caption)
    {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        parent.Add(item);
        return item;
    }
    void Show(int width = 400)
    {
        bar->SetMainMenu(menu.get());
        bar->SetFormSkinEngine(&engine);
        // Aligned to the top, the bar would take the form's width.
        bar->SetAlign(alNone);
        bar->SetWidth(width);
        Paint();
    }
    TBitmap& Paint()
    {
        painted.SetSize(bar->Width(), bar->Height());
        bar->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(painted.Canvas().Handle()), 0);
        return painted;
    }
    TskSkinMainMenuBarItem& ItemAt(int i) { return dynamic_cast<TskSkinMainMenuBarItem&>(*bar->Objects(i)); }
    TPoint Centre(int i)
    {
        const TRect r = bar->Objects(i)->ObjectRect();
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    void Mouse(UINT msg, TPoint p)
    {
        const TPoint s = bar->ClientToScreen(p);
        ::SetCursorPos(s.X, s.Y);
        const WPARAM keys = msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
        ::SendMessageA(bar->Handle(), msg, keys, PointToLParam(p));
    }
    void Click(TPoint p)
    {
        Mouse(WM_LBUTTONDOWN, p);
        Mouse(WM_LBUTTONUP, p);
    }
    sk::TskSkinMenu& Menus() { return engine.SkinMenu(); }
    std::vector<std::string> OpenCaptions()
    {
        std::vector<std::string> captions;
        if (Menus().LevelCount() == 0)
            return captions;
        sk::TskSkinPopupWindow& level = *Menus().Levels(0);
        for (int i = 0; i < level.RowCount(); ++i)
            captions.push_back(level.Rows(i)->MenuItem().Caption());
        return captions;
    }

    TForm& form = *Shared().form;
    sk::TskFormSkinEngine& engine = *Shared().engine;
    std::unique_ptr<TMainMenu> menu = std::make_unique<TMainMenu>(nullptr);
    TskSkinMainMenuBar* bar = nullptr;
    TMenuItem *file, *cd, *help, *leaf;
    TBitmap painted;
    std::string clicks;
    std::vector<TComponent*> enterSenders;
};

// ---- Layout and the overflow marker ----

TEST_F(MainMenuBarTest, StandsAtTheTopAndLaysTheVisibleItemsOutInARow)
{
    EXPECT_EQ("mainmenubar", bar->SkinDataName());
    EXPECT_EQ(alTop, bar->Align());
    EXPECT_EQ(22, bar->Height());
    EXPECT_EQ(0, bar->Top());
    cd->SetEnabled(false);
    help->SetVisible(false);
    Show();
    ASSERT_EQ(3, bar->ObjectCount());
    EXPECT_EQ("mnuFile", bar->Objects(0)->IDName());
    EXPECT_EQ("mnuTools", bar->Objects(2)->IDName());
    EXPECT_FALSE(bar->Objects(1)->Enabled());
    EXPECT_FALSE(bar->HiddenItems());

    // Each as wide as its caption and 12 pixels more, from the area's left edge.
    int left = 2;
    const char* captions[] = {"&File", "&CD", "&Tools"};
    for (int i = 0; i < 3; ++i) {
        const int w = CaptionWidth(captions[i], bar->DefItemFont()) + 12;
        EXPECT_EQ(Rect(left, 2, left + w, 20), bar->Objects(i)->ObjectRect()) << i;
        left += w;
    }
    // A bar without an element is the button face where no item is highlighted.
    EXPECT_EQ(ColorToRGB(clBtnFace), ColorToRGB(painted.Canvas().Pixels(left + 10, 10)));
}

TEST_F(MainMenuBarTest, ItemsThatDoNotFitAreLeftOutBehindAMarker)
{
    Show();
    const int fit = bar->Objects(1)->ObjectRect().Right + 2 + 5 + 2;  // File and CD fit, Help does not
    leaf->SetEnabled(false);
    bar->SetMainMenu(menu.get());
    bar->SetWidth(fit);
    Paint();
    EXPECT_TRUE(bar->HiddenItems());
    EXPECT_TRUE(ItemAt(1).Shown());
    EXPECT_FALSE(ItemAt(2).Shown());
    EXPECT_FALSE(ItemAt(3).Shown());
    EXPECT_FALSE(ItemAt(2).Enabled());
    const TRect marker = bar->MarkerRect();
    EXPECT_EQ(Rect(fit - 2 - 5, 2, fit - 2, 20), marker);
    // The marker's arrow, in the shadow colour while the mouse is elsewhere.
    bool arrow = false;
    for (int x = marker.Left; x < marker.Right; ++x)
        for (int y = marker.Top; y < marker.Bottom; ++y)
            arrow = arrow || ColorToRGB(painted.Canvas().Pixels(x, y)) == ColorToRGB(clBtnShadow);
    EXPECT_TRUE(arrow);

    // Left out, an item cannot be hovered.
    Mouse(WM_MOUSEMOVE, Point(bar->Objects(2)->ObjectRect().Left + 1, 10));
    EXPECT_EQ(-1, bar->HotIndex());
    Mouse(WM_MOUSEMOVE, Point(marker.Left + 1, 10));
    EXPECT_TRUE(bar->MarkerHot());

    // Wide again, each item gets back what it was.
    bar->SetWidth(400);
    Paint();
    EXPECT_FALSE(bar->HiddenItems());
    EXPECT_TRUE(ItemAt(2).Shown());
    EXPECT_TRUE(ItemAt(2).Enabled());
    EXPECT_FALSE(ItemAt(3).Enabled());
}

TEST_F(MainMenuBarTest, TheMarkerOpensAMenuOfExactlyTheItemsLeftOut)
{
    // An invisible item before the left-out ones must not shift the list.
    auto* hidden = AddMenu("Hidden", "mnuHidden");
    hidden->SetVisible(false);
    menu->Items().Remove(hidden);
    menu->Items().Insert(1, hidden);
    Show();
    const int fit = bar->Objects(1)->ObjectRect().Right + 2 + 5 + 2;
    bar->SetWidth(fit);
    Paint();
    ASSERT_TRUE(bar->HiddenItems());
    const TRect marker = bar->MarkerRect();
    Click(Point(marker.Left + 2, 10));
    EXPECT_EQ((std::vector<std::string>{"&Help", "&Tools"}), OpenCaptions());
    delete hidden;
}

// ---- The mouse ----

TEST_F(MainMenuBarTest, TheItemUnderTheMouseIsHighlighted)
{
    Show();
    Mouse(WM_MOUSEMOVE, Centre(0));
    EXPECT_EQ(0, bar->HotIndex());
    EXPECT_TRUE(bar->Objects(0)->Active());
    EXPECT_TRUE(bar->Objects(0)->MouseIn());
    Paint();
    EXPECT_EQ(ColorToRGB(0xD2BDB6), ColorToRGB(painted.Canvas().Pixels(bar->Objects(0)->ObjectRect().Left + 2, 4)));
    EXPECT_EQ(ColorToRGB(0x800000), ColorToRGB(painted.Canvas().Pixels(bar->Objects(0)->ObjectRect().Left, 10)));

    Mouse(WM_MOUSEMOVE, Centre(1));
    EXPECT_EQ(1, bar->HotIndex());
    EXPECT_FALSE(bar->Objects(0)->Active());
    EXPECT_TRUE(bar->Objects(1)->Active());

    // Off the bar, the tracking timer lets the highlight go.
    ::SetCursorPos(2, ::GetSystemMetrics(SM_CYSCREEN) - 4);
    EXPECT_TRUE(GuiPumpUntil([&] { return bar->HotIndex() == -1; }));
    EXPECT_FALSE(bar->Objects(1)->Active());
}

TEST_F(MainMenuBarTest, AnOpenSubmenuFollowsTheMouseAlongTheBar)
{
    Show();
    Mouse(WM_MOUSEMOVE, Centre(0));
    Click(Centre(0));
    EXPECT_TRUE(ItemAt(0).Down());
    EXPECT_TRUE(bar->MenuMode());
    EXPECT_TRUE(engine.MainMenuMode());
    EXPECT_EQ((std::vector<std::string>{"Open", "Exit"}), OpenCaptions());
    // The submenu opens under its item.
    const TRect first = bar->Objects(0)->ObjectRect();
    const TPoint below = bar->ClientToScreen(Point(first.Left, first.Bottom));
    EXPECT_EQ(below.Y, Menus().Levels(0)->Top());
    ASSERT_EQ(1u, enterSenders.size());
    EXPECT_EQ(bar, enterSenders[0]);

    // No click is needed on the next item.
    Mouse(WM_MOUSEMOVE, Centre(1));
    EXPECT_FALSE(ItemAt(0).Down());
    EXPECT_TRUE(ItemAt(1).Down());
    EXPECT_EQ((std::vector<std::string>{"Rip"}), OpenCaptions());
    EXPECT_EQ(1, Menus().LevelCount());

    // Leaving the bar keeps the item whose menu is open highlighted.
    bar->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(1, bar->HotIndex());
    EXPECT_TRUE(ItemAt(1).Down());
    EXPECT_EQ(1u, enterSenders.size());
}

TEST_F(MainMenuBarTest, ALeafItemRunsItsCommandOnceAndLeavesTheMenuMode)
{
    std::vector<std::string> named;
    bar->OnMainMenuItemClick = [&named](TComponent*, const std::string& name) { named.push_back(name); };
    Show();
    Click(Centre(0));  // File's menu opens first
    ASSERT_EQ(1, Menus().LevelCount());
    Mouse(WM_MOUSEMOVE, Centre(3));
    Click(Centre(3));
    EXPECT_EQ("&Tools;", clicks);
    EXPECT_EQ((std::vector<std::string>{"mnuFile", "mnuTools"}), named);
    EXPECT_FALSE(bar->MenuMode());
    EXPECT_EQ(0, Menus().LevelCount());
    for (int i = 0; i < bar->ObjectCount(); ++i)
        EXPECT_FALSE(ItemAt(i).Down()) << i;
}

TEST_F(MainMenuBarTest, WhenTheMenusCloseThePressedItemComesBackUp)
{
    Show();
    Click(Centre(0));
    ASSERT_TRUE(ItemAt(0).Down());
    // As when a command of the submenu is chosen.
    Menus().CloseMenus();
    EXPECT_FALSE(ItemAt(0).Down());
    EXPECT_FALSE(ItemAt(0).Active());
    EXPECT_FALSE(bar->MenuMode());
    // The mouse highlights again without opening anything.
    Mouse(WM_MOUSEMOVE, Centre(1));
    EXPECT_TRUE(ItemAt(1).Active());
    EXPECT_FALSE(ItemAt(1).Down());
    EXPECT_EQ(0, Menus().LevelCount());

    // A press on the form dismisses an open menu the same way.
    Click(Centre(1));
    ASSERT_EQ(1, Menus().LevelCount());
    ::SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(Point(5, 100)));
    ::SendMessageA(form.Handle(), WM_LBUTTONUP, 0, PointToLParam(Point(5, 100)));
    EXPECT_EQ(0, Menus().LevelCount());
    EXPECT_FALSE(ItemAt(1).Down());
}

TEST_F(MainMenuBarTest, AClickHandlerMayRebuildTheBar)
{
    // The handler makes every object anew, the clicked one with it; the press
    // goes on with the new object of the same item.
    bar->OnMainMenuItemClick = [this](TComponent*, const std::string&) { bar->SetMainMenu(menu.get()); };
    Show();
    Click(Centre(0));
    EXPECT_EQ(4, bar->ObjectCount());
    EXPECT_TRUE(ItemAt(0).Down());
    EXPECT_EQ((std::vector<std::string>{"Open", "Exit"}), OpenCaptions());
    Click(Centre(3));
    EXPECT_EQ("&Tools;", clicks);
    EXPECT_EQ(0, Menus().LevelCount());
}

TEST_F(MainMenuBarTest, MenusAndItemsThatGoAwayLeaveNothingBehind)
{
    Show();
    delete leaf;
    Paint();
    EXPECT_EQ(nullptr, ItemAt(3).MenuItem());
    EXPECT_FALSE(ItemAt(3).Enabled());
    Click(Centre(3));
    EXPECT_EQ("", clicks);

    menu.reset();
    EXPECT_EQ(nullptr, bar->MainMenu());
    EXPECT_EQ(0, bar->ObjectCount());
    Paint();
}

// ---- The keyboard ----

TEST_F(MainMenuBarTest, TheKeyboardSelectsItemsRoundTheBarAndSkipsDisabledOnes)
{
    cd->SetEnabled(false);
    Show();
    bar->EnterMenuMode();
    EXPECT_TRUE(bar->MenuMode());
    EXPECT_TRUE(ItemAt(0).Active());
    ASSERT_EQ(1u, enterSenders.size());
    EXPECT_EQ(bar, enterSenders[0]);

    bar->SelectNextItem();
    EXPECT_FALSE(ItemAt(0).Active());
    EXPECT_TRUE(ItemAt(2).Active());  // CD is disabled
    bar->SelectNextItem();
    bar->SelectNextItem();
    EXPECT_TRUE(ItemAt(0).Active());  // round from the last
    bar->SelectPriorItem();
    EXPECT_TRUE(ItemAt(3).Active());
    EXPECT_FALSE(ItemAt(0).Active());

    // Enter presses it: a leaf runs its command.
    EXPECT_TRUE(bar->PressSelectedItem());
    EXPECT_EQ("&Tools;", clicks);
    EXPECT_FALSE(bar->MenuMode());
    EXPECT_FALSE(bar->PressSelectedItem());
}

TEST_F(MainMenuBarTest, PressingTheSelectedItemOpensItsMenuAndArrowsCarryItOn)
{
    Show();
    bar->EnterMenuMode();
    EXPECT_TRUE(bar->PressSelectedItem());
    EXPECT_TRUE(ItemAt(0).Down());
    EXPECT_EQ((std::vector<std::string>{"Open", "Exit"}), OpenCaptions());
    bar->SelectNextItem();
    EXPECT_TRUE(ItemAt(1).Down());
    EXPECT_EQ((std::vector<std::string>{"Rip"}), OpenCaptions());

    bar->SubMenuClosed();
    EXPECT_FALSE(ItemAt(1).Down());
    EXPECT_TRUE(ItemAt(1).Active());
    bar->LeaveMenuMode();
    EXPECT_FALSE(ItemAt(1).Active());
    EXPECT_FALSE(bar->MenuMode());
}

TEST_F(MainMenuBarTest, AnAcceleratorSelectsAndOpensItsItem)
{
    Show();
    EXPECT_TRUE(bar->CheckAccelerator('c'));
    EXPECT_TRUE(ItemAt(1).Down());
    EXPECT_EQ((std::vector<std::string>{"Rip"}), OpenCaptions());
    EXPECT_TRUE(bar->CheckAccelerator('H'));
    EXPECT_FALSE(ItemAt(1).Down());
    EXPECT_TRUE(ItemAt(2).Down());
    EXPECT_EQ((std::vector<std::string>{"About"}), OpenCaptions());
    EXPECT_FALSE(bar->CheckAccelerator('x'));

    // Without an engine nothing opens and no key is taken.
    bar->SetFormSkinEngine(nullptr);
    EXPECT_FALSE(bar->CheckAccelerator('f'));
    EXPECT_FALSE(bar->PressSelectedItem());
}

// ---- The skin ----

class SkinnedMenuBarTest : public MainMenuBarTest {
protected:
    void SetUp() override
    {
        MainMenuBarTest::SetUp();
        // The bar: 100 x 26 of grey with ends of 4; an item: 30 x 20, normal
        // blue, highlighted green, pressed red.
        picture.SetSize(200, 100);
        TCanvas& c = picture.Canvas();
        c.Brush().SetColor(0x808080);
        c.FillRect(Rect(0, 0, 100, 26));
        c.Brush().SetColor(0xFF0000);
        c.FillRect(Rect(0, 30, 30, 50));
        c.Brush().SetColor(0x00FF00);
        c.FillRect(Rect(30, 30, 60, 50));
        c.Brush().SetColor(0x0000FF);
        c.FillRect(Rect(60, 30, 90, 50));
        const int index = skin.AddPicture(picture);
        const std::string pic = "pictureindex=" + std::to_string(index);
        skin.AddElement("mainmenubar", "mainmenubar",
                        {pic, "skinrect=0,0,100,26", "itemsrect=4,3,96,23", "menubaritem=BarItem",
                         "trackmarkcolor=255", "trackmarkactivecolor=65280"});
        skin.AddObject("BarItem", "mainmenubaritem",
                       {"activepictureindex=" + std::to_string(index), "skinrect=0,30,30,50",
                        "activeskinrect=30,30,60,50", "downrect=60,30,90,50", "textrect=5,2,25,18",
                        "itemleftoffset=3", "itemrightoffset=3", "fontname=Arial", "fontheight=13",
                        "fontcolor=0", "activefontcolor=16777215", "downfontcolor=16777215",
                        "unenabledfontcolor=8421504", "morphing=1", "morphkind=default"});
        skin.Load();
    }
    TBitmap picture;
    skinctrlstest::TestSkin skin;
};

TEST_F(SkinnedMenuBarTest, TheBarTakesItsHeightAndItemsFromTheSkin)
{
    bar->SetSkinData(&skin.Data());
    Show();
    EXPECT_TRUE(bar->Skinned());
    EXPECT_EQ(26, bar->Height());
    bar->SetBounds(0, 0, 400, 40);
    EXPECT_EQ(26, bar->Height());
    EXPECT_EQ(Rect(4, 3, 400 - 4, 23), bar->ItemsArea());

    // The skin's item stretched around its caption.
    TFont font;
    font.SetName("Arial");
    font.SetHeight(13);
    const int w = 30 - 20 + CaptionWidth("&File", font) + 2;
    EXPECT_EQ(Rect(4, 3, 4 + w, 23), bar->Objects(0)->ObjectRect());
    EXPECT_EQ(Rect(4 + w, 3, 4 + w + 30 - 20 + CaptionWidth("&CD", font) + 2, 23), bar->Objects(1)->ObjectRect());
    Paint();
    EXPECT_EQ(0x808080u, ColorToRGB(painted.Canvas().Pixels(1, 1)));
    EXPECT_EQ(0x808080u, ColorToRGB(painted.Canvas().Pixels(398, 24)));
    EXPECT_EQ(0xFF0000u, ColorToRGB(painted.Canvas().Pixels(5, 4)));

    // Pressed, the item shows its down picture at once.
    Click(Centre(0));
    Paint();
    EXPECT_EQ(0x0000FFu, ColorToRGB(painted.Canvas().Pixels(5, 4)));
}

TEST_F(SkinnedMenuBarTest, ABarOnAFormOfAnotherSkinLetsAReloadedSkinGoBeforeItsPicturesGo)
{
    // The form's engine has no skin of its own; the bar draws from this one.
    bar->SetSkinData(&skin.Data());
    Show();
    ASSERT_TRUE(bar->Skinned());
    ASSERT_GT(bar->ObjectCount(), 0);
    // The skin's own form hears of a change first: when it hears that the change
    // is over, every form has been told that the old skin goes, and its pictures
    // are gone. A paint then must not draw from them.
    int objectsMeanwhile = -1;
    bool skinnedMeanwhile = true;
    gui::TWndProcHook* watchPointer = nullptr;
    gui::TWndProcHook watch(skin.Owner().WindowProc(), [&](TMessage& message) {
        if (message.Msg == sk::WM_SKINCHANGED) {
            objectsMeanwhile = bar->ObjectCount();
            skinnedMeanwhile = bar->Skinned();
            ::RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            Paint();
        }
        watchPointer->CallNext(message);
    });
    watchPointer = &watch;
    skin.Load();
    EXPECT_EQ(objectsMeanwhile, 0);
    EXPECT_FALSE(skinnedMeanwhile);
    // Afterwards the bar draws from the new skin.
    EXPECT_TRUE(bar->Skinned());
    EXPECT_GT(bar->ObjectCount(), 0);
    Paint();
    EXPECT_EQ(0x808080u, ColorToRGB(painted.Canvas().Pixels(1, 1)));
}

TEST_F(SkinnedMenuBarTest, ABarOnAFormWithoutAnEngineLetsAReloadedSkinGoAndReadsTheNewOne)
{
    TForm plain(nullptr);
    plain.SetBounds(60, 400, 500, 100);
    auto* other = new TskSkinMainMenuBar(&plain);
    other->SetParent(&plain);
    other->SetAlign(alNone);
    other->SetWidth(400);
    other->SetMainMenu(menu.get());
    other->SetSkinData(&skin.Data());
    ASSERT_TRUE(other->Skinned());
    ASSERT_GT(other->ObjectCount(), 0);
    ASSERT_EQ(26, other->Height());

    // The same elements in other colours, and a bar 30 high.
    skin.Clear();
    picture.Canvas().Brush().SetColor(0x00FFFF);
    picture.Canvas().FillRect(Rect(0, 0, 100, 30));
    const std::string pic = "pictureindex=" + std::to_string(skin.AddPicture(picture));
    skin.AddElement("mainmenubar", "mainmenubar",
                    {pic, "skinrect=0,0,100,30", "itemsrect=4,3,96,23", "menubaritem=BarItem"});
    skin.AddObject("BarItem", "mainmenubaritem",
                   {"activepictureindex=0", "skinrect=0,30,30,50", "textrect=5,2,25,18", "fontname=Arial",
                    "fontheight=13"});

    // The plain form hears that the change is over before the skin data reaches
    // the controls no engine walked: the old pictures are gone by then, and a
    // paint must not draw from them.
    int objectsMeanwhile = -1;
    bool skinnedMeanwhile = true;
    TBitmap paintedMeanwhile;
    gui::TWndProcHook* watchPointer = nullptr;
    gui::TWndProcHook watch(plain.WindowProc(), [&](TMessage& message) {
        if (message.Msg == sk::WM_SKINCHANGED) {
            objectsMeanwhile = other->ObjectCount();
            skinnedMeanwhile = other->Skinned();
            ::RedrawWindow(other->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            paintedMeanwhile.SetSize(other->Width(), other->Height());
            other->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(paintedMeanwhile.Canvas().Handle()), 0);
        }
        watchPointer->CallNext(message);
    });
    watchPointer = &watch;
    skin.Load();
    EXPECT_EQ(objectsMeanwhile, 0);
    EXPECT_FALSE(skinnedMeanwhile);

    // Afterwards it draws from the new skin.
    EXPECT_TRUE(other->Skinned());
    EXPECT_GT(other->ObjectCount(), 0);
    EXPECT_EQ(30, other->Height());
    painted.SetSize(other->Width(), other->Height());
    other->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(painted.Canvas().Handle()), 0);
    EXPECT_EQ(0x00FFFFu, ColorToRGB(painted.Canvas().Pixels(1, 28)));
}

TEST_F(SkinnedMenuBarTest, ABarLetsASkinThatGoesGoFirst)
{
    auto own = std::make_unique<skinctrlstest::TestSkin>();
    own->AddPicture(picture);
    own->AddElement("mainmenubar", "mainmenubar",
                    {"pictureindex=0", "skinrect=0,0,100,26", "itemsrect=4,3,96,23", "menubaritem=BarItem"});
    own->AddObject("BarItem", "mainmenubaritem", {"activepictureindex=0", "skinrect=0,30,30,50"});
    own->Load();
    bar->SetSkinData(&own->Data());
    Show();
    ASSERT_TRUE(bar->Skinned());
    ASSERT_GT(bar->ObjectCount(), 0);
    own.reset();
    // Its items drew from the pictures just freed: they go with the skin.
    EXPECT_EQ(nullptr, bar->SkinData());
    EXPECT_FALSE(bar->Skinned());
    EXPECT_EQ(0, bar->ObjectCount());
    Paint();
    EXPECT_EQ(ColorToRGB(clBtnFace), ColorToRGB(painted.Canvas().Pixels(1, 1)));
}

TEST_F(SkinnedMenuBarTest, TheHighlightFadesInStepByStep)
{
    bar->SetSkinData(&skin.Data());
    Show();
    Mouse(WM_MOUSEMOVE, Centre(0));
    TskMenuBarObject& item = *bar->Objects(0);
    EXPECT_TRUE(item.Morphing());
    EXPECT_LT(item.MorphFactor(), 1.0);
    EXPECT_TRUE(GuiPumpUntil([&] { return item.MorphFactor() == 1.0; }));
    Paint();
    EXPECT_EQ(0x00FF00u, ColorToRGB(painted.Canvas().Pixels(5, 4)));
}

TEST_F(SkinnedMenuBarTest, TheSkinsMarkerColourAndReleaseToTheDefaultLook)
{
    bar->SetSkinData(&skin.Data());
    Show(60);
    ASSERT_TRUE(bar->HiddenItems());
    const TRect marker = bar->MarkerRect();
    bool arrow = false;
    for (int x = marker.Left; x < marker.Right; ++x)
        for (int y = marker.Top; y < marker.Bottom; ++y)
            arrow = arrow || ColorToRGB(painted.Canvas().Pixels(x, y)) == 0xFFu;
    EXPECT_TRUE(arrow);

    bar->ReleaseSkin();
    EXPECT_FALSE(bar->Skinned());
    EXPECT_EQ(0, bar->ObjectCount());
    bar->ApplySkin();
    EXPECT_EQ(4, bar->ObjectCount());
}

TEST(BrokenMenuBarSkin, OddElementValuesPaintWithoutFault)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    TBitmap picture;
    picture.SetSize(40, 40);
    skinctrlstest::TestSkin skin;
    const std::string pic = std::to_string(skin.AddPicture(picture));
    // Inside-out and oversized rectangles, offsets past the picture, a picture
    // index beyond the list for the item.
    skin.AddElement("mainmenubar", "mainmenubar",
                    {"pictureindex=" + pic, "skinrect=0,0,500,12", "itemsrect=90,30,10,-4", "menubaritem=Item",
                     "sysmenubutton=Item", "closebutton=Nothing"});
    skin.AddObject("Item", "mainmenubaritem",
                   {"activepictureindex=" + pic, "skinrect=0,20,30,10", "activeskinrect=5,5,400,400",
                    "textrect=100,100,50,50", "itemleftoffset=40", "itemrightoffset=-3", "morphing=1"});
    skin.AddObject("Other", "mainmenubaritem", {"activepictureindex=99", "skinrect=0,0,10,10"});
    skin.Load();
    TMainMenu menu(nullptr);
    for (const char* caption : {"&One", "T&wo", ""}) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        menu.Items().Add(item);
    }
    auto* bar = new TskSkinMainMenuBar(&form);
    bar->SetParent(&form);
    bar->SetSkinData(&skin.Data());
    bar->SetMainMenu(&menu);
    bar->MDIChildMaximized();
    EXPECT_EQ(12, bar->Height());
    for (int width : {0, 1, 7, 300}) {
        bar->SetAlign(alNone);
        bar->SetWidth(width);
        TBitmap painted;
        painted.SetSize(std::max(width, 1), 12);
        bar->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(painted.Canvas().Handle()), 0);
        for (int i = 0; i < bar->ObjectCount(); ++i) {
            bar->Objects(i)->MouseEnter();
            bar->Objects(i)->MouseLeave();
        }
    }
    bar->SelectNextItem();
    bar->EnterMenuMode();
    bar->LeaveMenuMode();
    EXPECT_FALSE(bar->CheckAccelerator('w'));  // no engine
    delete bar;
}

// ---- MDI child buttons ----

TEST_F(MainMenuBarTest, AMaximizedChildsButtonsFrameTheItems)
{
    Show();
    bar->MDIChildMaximized();
    ASSERT_EQ(8, bar->ObjectCount());
    EXPECT_EQ(4, bar->ButtonCount());
    const uint8_t commands[] = {TskSkinMainMenuBarButton::cbSysMenu, TskSkinMainMenuBarButton::cbClose,
                                TskSkinMainMenuBarButton::cbRestore, TskSkinMainMenuBarButton::cbMinimize};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(commands[i], dynamic_cast<TskSkinMainMenuBarButton&>(*bar->Objects(i)).Command()) << i;
    Paint();
    // Squares as high as the area: system menu at the left, close rightmost.
    const int right = bar->Width() - 2;
    EXPECT_EQ(Rect(2, 2, 20, 20), bar->Objects(0)->ObjectRect());
    EXPECT_EQ(Rect(right - 18, 2, right, 20), bar->Objects(1)->ObjectRect());
    EXPECT_EQ(Rect(right - 38, 2, right - 20, 20), bar->Objects(2)->ObjectRect());
    EXPECT_EQ(Rect(right - 58, 2, right - 40, 20), bar->Objects(3)->ObjectRect());
    EXPECT_EQ(22, bar->Objects(4)->ObjectRect().Left);

    // The items are still the items.
    Mouse(WM_MOUSEMOVE, Centre(4));
    EXPECT_EQ(4, bar->HotIndex());

    bar->MDIChildRestored();  // no child stays maximized
    EXPECT_EQ(4, bar->ObjectCount());
    EXPECT_EQ(0, bar->ButtonCount());
}

}  // namespace
