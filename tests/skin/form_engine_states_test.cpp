// The form skinning engine's window states, roll-up, system menu, keyboard menu
// mode, tray and the skin changes it hands its controls.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/core/strings.h"
#include "picture_fixtures.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/skin_main_menu_item.h"
#include "skin/model/stored_skin.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_menu.h"
#include "skin/popups/skin_popup_window.h"
#include "skin/popups/tray_icon.h"
#include "skinctrls/controls/skin_control.h"
#include "skinctrls/controls/skin_custom_edit.h"
#include "skinctrls/menubar/main_menu_bar.h"
#include "skinctrls/views/skin_list_view.h"
#include "skinctrls/views/skin_tree_view.h"
#include "support/gui_pump.h"

namespace {

using ::testing::ElementsAre;
using gui::Rect;
using gui::TRect;
using sk::TskFormSkinEngine;

using testsupport::GuiPump;

TRect WorkArea()
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return Rect(work.left, work.top, work.right, work.bottom);
}

// A 100 x 60 skin whose frame leaves the client area (4, 30, 96, 56), with a
// main-menu item record, and a 60 x 16 roll-up picture and mask (or one of
// another height, or none).
class StatesSkin {
public:
    explicit StatesSkin(bool rollUpPicture = true, int rollUpHeight = 16)
    {
        gui::TBitmap picture, mask, rollUp, rollUpMask;
        skintest::MakeRamp(picture, 100, 60);
        skintest::MakeMask(mask, std::vector<std::string>(60, std::string(100, '#')));
        stored_->Pictures().Picture = picture.SaveToImage();
        stored_->Pictures().Mask = mask.SaveToImage();
        if (rollUpPicture) {
            skintest::MakeRamp(rollUp, 60, rollUpHeight);
            std::vector<std::string> rows(size_t(rollUpHeight), std::string(60, '#'));
            rows[0][0] = '.';  // the roll-up mask cuts the top-left pixel
            skintest::MakeMask(rollUpMask, rows);
            stored_->Pictures().RollUpPicture = rollUp.SaveToImage();
            stored_->Pictures().RollUpMask = rollUpMask.SaveToImage();
        }
        const std::vector<std::string> ini = {
            "[VERSION]", "skinname=States test", "[PICTURES]", "activepicturescount=0", "[FORMINFO]",
            "lefttoppoint=20,30", "righttoppoint=80,30", "leftbottompoint=20,50", "rightbottompoint=80,50",
            "clientrect=4,30,96,56", "maskrectarea=4,4,96,56", "captionrect=10,2,70,18", "buttonsrect=72,2,96,18",
            "mainmenurect=6,19,90,29", "rollupleftpoint=10,0", "rolluprightpoint=50,0", "[SKINOBJECTS]",
            "count=1", "0=MAINMENUITEM:mainmenuitem", "[MAINMENUITEM]", "skinrect=0,0,20,10", "textrect=2,0,18,10",
            "[SKINCONTROLS]", "count=0"};
        gui::TStringList lines;
        for (const std::string& line : ini)
            lines.Add(line);
        stored_->SetIniStrings(lines);
        data_->SetStoredSkin(stored_);
    }
    sk::TskSkinData& Data() { return *data_; }

private:
    gui::TForm owner_{nullptr};
    sk::TskStoredSkin* stored_ = new sk::TskStoredSkin(&owner_);
    sk::TskSkinData* data_ = new sk::TskSkinData(&owner_);
};

std::vector<std::string> Captions(gui::TMenuItem* items)
{
    std::vector<std::string> captions;
    for (int i = 0; i < items->Count(); ++i)
        captions.push_back(items->Items(i)->Caption());
    return captions;
}

class EngineStatesTest : public ::testing::Test {
protected:
    EngineStatesTest()
    {
        form->SetBounds(120, 120, 200, 120);
        form->SetCaption("States");
    }
    ~EngineStatesTest() override
    {
        gui::Application().OnMessage = nullptr;
        delete form;
    }

    // A key press as a message loop of the program takes it; true when the
    // loop's first steps used it.
    bool Key(UINT message, WPARAM key, LPARAM data = 0)
    {
        MSG msg{form->Handle(), message, key, data, DWORD(::GetMessageTime()), {}};
        return gui::Application().IsKeyMsg(msg);
    }
    void SysKeyMenu() { ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0); }

    gui::TForm* form = new gui::TForm(nullptr);
};

// ---- Window states ----

TEST_F(EngineStatesTest, MinimizedFormsParkSideBySideAlongTheBottomAndRestore)
{
    auto* first = new TskFormSkinEngine(form);
    gui::TForm second(nullptr);
    second.SetBounds(300, 200, 180, 100);
    auto* other = new TskFormSkinEngine(&second);
    form->Show();
    second.Show();
    GuiPump(30);
    const TRect work = WorkArea();
    const int w = first->GetMinWidth(), h = first->GetMinHeight();
    first->SetFormState(sk::wsMinimized);
    other->SetFormState(sk::wsMinimized);
    EXPECT_EQ(first->WindowState(), sk::wsMinimized);
    EXPECT_EQ(form->BoundsRect(), Rect(work.Left, work.Bottom - h, work.Left + w, work.Bottom));
    EXPECT_EQ(second.BoundsRect(), Rect(work.Left + w, work.Bottom - h, work.Left + 2 * w, work.Bottom));
    // A minimized form offers restore and close, and no roll-up.
    EXPECT_THAT(Captions(first->GetSystemMenuItems()), ElementsAre("Ma&ximize", "&Restore", "-", "&Close"));
    first->SetFormState(sk::wsNormal);
    EXPECT_EQ(form->BoundsRect(), Rect(120, 120, 320, 240));
    EXPECT_EQ(first->WindowState(), sk::wsNormal);
}

TEST_F(EngineStatesTest, AFormMinimizedByTheSystemIsATitleThatComesBack)
{
    auto* engine = new TskFormSkinEngine(form);
    form->Show();
    GuiPump(30);
    ::ShowWindow(form->Handle(), SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(form->Handle()));
    // All of it is title: the system drags it; no frame object takes the mouse.
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    EXPECT_EQ(::SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(wr.left + 2, wr.top + 2)), HTCAPTION);
    EXPECT_EQ(::SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(wr.right - 3, wr.bottom - 2)), HTCAPTION);
    // Its system menu brings it back, in the state it had.
    gui::TMenuItem* items = engine->GetSystemMenuItems();
    EXPECT_THAT(Captions(items), ElementsAre("Ma&ximize", "&Restore", "-", "&Close"));
    items->Items(1)->Click();
    EXPECT_FALSE(::IsIconic(form->Handle()));
    EXPECT_EQ(form->BoundsRect(), Rect(120, 120, 320, 240));
    EXPECT_EQ(engine->WindowState(), sk::wsNormal);
    // So does a double click on the title.
    ::ShowWindow(form->Handle(), SW_MINIMIZE);
    ::GetWindowRect(form->Handle(), &wr);
    ::SendMessageA(form->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(wr.left + 20, wr.top + 5));
    EXPECT_FALSE(::IsIconic(form->Handle()));
    EXPECT_EQ(form->BoundsRect(), Rect(120, 120, 320, 240));
    EXPECT_EQ(engine->WindowState(), sk::wsNormal);
}

// ---- Roll-up ----

TEST_F(EngineStatesTest, ARolledUpMaximizedFormRollsDownFirstThenRestores)
{
    auto* engine = new TskFormSkinEngine(form);
    int changes = 0;
    engine->OnChangeRollUpState = [&](gui::TComponent*) { ++changes; };
    form->Show();
    GuiPump(30);
    engine->RollUpForm(true);
    EXPECT_TRUE(engine->RolledUp());
    EXPECT_EQ(form->Height(), engine->GetMinHeight());
    EXPECT_THAT(Captions(engine->GetSystemMenuItems()), ElementsAre("Mi&nimize", "Ma&ximize", "&Restore", "-", "&Close"));
    // Restore from the menu rolls down.
    engine->GetSystemMenuItems()->Items(2)->Click();
    EXPECT_FALSE(engine->RolledUp());
    EXPECT_EQ(form->Height(), 120);
    EXPECT_EQ(changes, 2);

    engine->SetFormState(sk::wsMaximized);
    const TRect work = WorkArea();
    engine->RollUpForm(true);
    EXPECT_EQ(form->Height(), engine->GetMinHeight());
    gui::TMenuItem* items = engine->GetSystemMenuItems();
    ASSERT_EQ(items->Items(1)->Name(), "DSF_RESTORE");
    items->Items(1)->Click();
    EXPECT_FALSE(engine->RolledUp());
    EXPECT_EQ(engine->WindowState(), sk::wsMaximized);
    EXPECT_EQ(form->BoundsRect(), work);
    engine->GetSystemMenuItems()->Items(1)->Click();
    EXPECT_EQ(engine->WindowState(), sk::wsNormal);
    EXPECT_EQ(form->BoundsRect(), Rect(120, 120, 320, 240));

    // Requests that do not apply are ignored.
    engine->SetFormState(sk::wsMinimized);
    engine->RollUpForm(true);
    EXPECT_FALSE(engine->RolledUp());
    engine->SetFormState(sk::wsNormal);
    engine->SetBorderIcons({sk::biSystemMenu, sk::biMinimize});
    engine->RollUpForm(true);
    EXPECT_FALSE(engine->RolledUp());
    EXPECT_EQ(changes, 4);
}

TEST_F(EngineStatesTest, MaximizingARolledUpFormRollsItDownFirst)
{
    auto* engine = new TskFormSkinEngine(form);
    form->Show();
    GuiPump(30);
    engine->RollUpForm(true);
    gui::TMenuItem* items = engine->GetSystemMenuItems();
    ASSERT_EQ(items->Items(1)->Name(), "DSF_MAXITEM");
    items->Items(1)->Click();
    EXPECT_FALSE(engine->RolledUp());
    EXPECT_EQ(engine->WindowState(), sk::wsMaximized);
    EXPECT_EQ(form->BoundsRect(), WorkArea());
    // The client area takes the mouse again.
    RECT client;
    ::GetClientRect(form->Handle(), &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ::ClientToScreen(form->Handle(), &middle);
    EXPECT_EQ(::SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)), HTCLIENT);
    // Restored, it has the height it had before the roll-up.
    engine->SetFormState(sk::wsNormal);
    EXPECT_FALSE(engine->RolledUp());
    EXPECT_EQ(form->BoundsRect(), Rect(120, 120, 320, 240));
}

TEST_F(EngineStatesTest, InClientModeTheRollUpPictureTakesTheFormsPlaceAndItsControlsHide)
{
    StatesSkin skin;
    form->SetBorderStyle(gui::bsNone);
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSupportNCArea(false);
    auto* shown = new gui::TCustomControl(form);
    shown->SetParent(form);
    auto* hidden = new gui::TCustomControl(form);
    hidden->SetParent(form);
    hidden->SetVisible(false);
    engine->SetSkinData(&skin.Data());
    form->Show();
    GuiPump(30);
    const int height = form->Height();
    engine->RollUpForm(true);
    ASSERT_TRUE(engine->RolledUp());
    // The picture's roll-up points allow stretching: the width stays.
    EXPECT_EQ(form->Width(), 200);
    EXPECT_EQ(form->Height(), 16);
    EXPECT_FALSE(shown->Visible());
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_TRUE(::PtInRegion(region, 199, 15));
    EXPECT_FALSE(::PtInRegion(region, 100, 20));

    // A control freed while rolled up is forgotten.
    delete hidden;
    engine->RollUpForm(false);
    EXPECT_FALSE(engine->RolledUp());
    EXPECT_EQ(form->Height(), height);
    EXPECT_TRUE(shown->Visible());
    ASSERT_NE(::GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_TRUE(::PtInRegion(region, 100, 50));
    ::DeleteObject(region);

    // A skin without roll-up picture that comes meanwhile still gives the
    // controls back.
    StatesSkin plain(false);
    engine->RollUpForm(true);
    engine->SetSkinData(&plain.Data());
    engine->RollUpForm(false);
    EXPECT_FALSE(engine->RolledUp());
    EXPECT_TRUE(shown->Visible());
    EXPECT_EQ(form->Height(), height);
}

TEST_F(EngineStatesTest, ASkinChangeKeepsTheRollUpOnlyWhenTheNewSkinHasARollUpPicture)
{
    StatesSkin skin;
    form->SetBorderStyle(gui::bsNone);
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSupportNCArea(false);
    int changes = 0;
    engine->OnChangeRollUpState = [&](gui::TComponent*) { ++changes; };
    auto* control = new gui::TCustomControl(form);
    control->SetParent(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    GuiPump(30);
    const int height = form->Height();
    engine->RollUpForm(true);
    ASSERT_EQ(form->Height(), 16);

    // A new roll-up picture: the form stays rolled up and takes its size and
    // its mask's region.
    StatesSkin taller(true, 24);
    engine->SetSkinData(&taller.Data());
    EXPECT_TRUE(engine->RolledUp());
    EXPECT_EQ(form->Width(), 200);
    EXPECT_EQ(form->Height(), 24);
    EXPECT_FALSE(control->Visible());
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_TRUE(::PtInRegion(region, 199, 23));
    EXPECT_EQ(changes, 1);

    // None: the form rolls down to the height it had before the roll-up, and
    // its controls come back.
    StatesSkin plain(false);
    engine->SetSkinData(&plain.Data());
    EXPECT_FALSE(engine->RolledUp());
    EXPECT_EQ(form->Height(), height);
    EXPECT_TRUE(control->Visible());
    ASSERT_NE(::GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_TRUE(::PtInRegion(region, 100, 50));
    ::DeleteObject(region);
    EXPECT_EQ(changes, 2);
}

TEST_F(EngineStatesTest, AFormRolledUpWhenItsSkinGoesGetsItsControlsBack)
{
    StatesSkin skin;
    form->SetBorderStyle(gui::bsNone);
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSupportNCArea(false);
    auto* control = new gui::TCustomControl(form);
    control->SetParent(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    GuiPump(30);
    const int height = form->Height();
    engine->RollUpForm(true);
    ASSERT_FALSE(control->Visible());

    engine->SetSkinData(nullptr);
    EXPECT_FALSE(engine->RolledUp());
    EXPECT_EQ(form->Height(), height);
    EXPECT_TRUE(control->Visible());
}

// ---- System menu ----

TEST_F(EngineStatesTest, TheSystemMenuOffersTheCommandsOfTheState)
{
    auto* engine = new TskFormSkinEngine(form);
    engine->SetBorderIcons({sk::biSystemMenu, sk::biMinimize, sk::biMaximize, sk::biRollUp, sk::biMinimizeToTray});
    gui::TMenuItem* items = engine->GetSystemMenuItems();
    EXPECT_THAT(Captions(items),
                ElementsAre("Mi&nimize", "Ma&ximize", "Ro&llUp", "Minimize to &Tray", "-", "&Close"));
    EXPECT_EQ(gui::ShortCutToText(items->Items(5)->ShortCut()), "Alt+F4");
    engine->SetBorderIcons({});
    EXPECT_THAT(Captions(engine->GetSystemMenuItems()), ElementsAre("&Close"));
    // Without a menu of the program's the switch changes nothing.
    engine->SetUseDefaultSysMenu(false);
    EXPECT_THAT(Captions(engine->GetSystemMenuItems()), ElementsAre("&Close"));
}

TEST_F(EngineStatesTest, AProgramsSystemMenuGetsTheCommandsAroundItsItemsOnce)
{
    auto* engine = new TskFormSkinEngine(form);
    auto* menu = new gui::TPopupMenu(form);
    for (const char* caption : {"About", "Settings"}) {
        auto* item = new gui::TMenuItem(menu);
        item->SetCaption(caption);
        menu->Items().Add(item);
    }
    engine->SetSystemMenu(menu);
    engine->SetFormState(sk::wsMaximized);
    engine->GetSystemMenuItems();
    gui::TMenuItem* items = engine->GetSystemMenuItems();
    EXPECT_EQ(items, &menu->Items());
    EXPECT_THAT(Captions(items), ElementsAre("Mi&nimize", "&Restore", "Ro&llUp", "About", "Settings", "&Close"));
    engine->SetUseDefaultSysMenu(false);
    EXPECT_EQ(engine->GetSystemMenuItems()->Count(), 6);
}

// ---- Keyboard menu mode ----

class MenuModeTest : public EngineStatesTest {
protected:
    MenuModeTest()
    {
        auto add = [](gui::TMenuItem& parent, const std::string& name, const std::string& caption) {
            auto* item = new gui::TMenuItem(&parent);
            item->SetName(name);
            item->SetCaption(caption);
            parent.Add(item);
            return item;
        };
        file = add(menu->Items(), "File1", "&File");
        add(*file, "Open1", "&Open")->OnClick = [this](gui::TComponent*) { clicks.push_back("open"); };
        add(*file, "Exit1", "E&xit")->OnClick = [this](gui::TComponent*) { clicks.push_back("exit"); };
        gui::TMenuItem* edit = add(menu->Items(), "Edit1", "&Edit");
        gui::TMenuItem* copy = add(*edit, "Copy1", "&Copy");
        copy->SetShortCut(gui::ShortCut('C', {gui::ssCtrl}));
        copy->OnClick = [this](gui::TComponent*) { clicks.push_back("copy"); };
        engine->SetMainMenu(menu);
        engine->SetSkinData(&skin.Data());
        engine->OnMainMenuEnter = [this](gui::TComponent*) { clicks.push_back("enter"); };
        engine->OnMainMenuExit = [this](gui::TComponent*) { clicks.push_back("exit mode"); };
        gui::Application().OnMessage = [this](MSG& msg, bool&) { programMessages += msg.message == WM_KEYDOWN; };
        form->Show();
        GuiPump(30);
    }
    sk::TskSkinMainMenuItem* Item(int index)
    {
        int n = 0;
        for (int i = 0; i < engine->ObjectCount(); ++i)
            if (auto* item = dynamic_cast<sk::TskSkinMainMenuItem*>(engine->Objects(i)); item && n++ == index)
                return item;
        return nullptr;
    }

    StatesSkin skin;
    gui::TMainMenu* menu = new gui::TMainMenu(form);
    TskFormSkinEngine* engine = new TskFormSkinEngine(form);
    gui::TMenuItem* file = nullptr;
    std::vector<std::string> clicks;
    int programMessages = 0;
};

TEST_F(MenuModeTest, AltSelectsTheFirstItemAndTheKeysMoveOpenAndChoose)
{
    ASSERT_NE(Item(1), nullptr);
    SysKeyMenu();
    EXPECT_TRUE(engine->MainMenuMode());
    EXPECT_TRUE(Item(0)->Active());
    // Keys go to the menu, not to the program's handler or the form.
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_RIGHT));
    EXPECT_EQ(programMessages, 0);
    EXPECT_FALSE(Item(0)->Active());
    EXPECT_TRUE(Item(1)->Active());
    Key(WM_KEYDOWN, VK_RIGHT);  // round to the first
    EXPECT_TRUE(Item(0)->Active());
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_TRUE(Item(0)->Down());
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);
    EXPECT_TRUE(engine->MenuOpen());
    Key(WM_KEYDOWN, VK_DOWN);
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_THAT(clicks, ElementsAre("enter", "exit mode", "exit"));
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
    EXPECT_FALSE(engine->MainMenuMode());
    EXPECT_FALSE(engine->MenuOpen());
    // The program's own handler is back.
    Key(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(programMessages, 1);
}

TEST_F(MenuModeTest, DownOpensTheSelectedItemsMenuAndThenMovesInIt)
{
    SysKeyMenu();
    ASSERT_TRUE(Item(0)->Active());
    Key(WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(Item(0)->Down());
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);
    // Open, the menu takes Down itself: from its first item to the second,
    // which Enter chooses.
    Key(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_THAT(clicks, ElementsAre("enter", "exit mode", "exit"));
}

TEST_F(MenuModeTest, EscapeStepsBackOutOfTheMenuMode)
{
    SysKeyMenu();
    Key(WM_KEYDOWN, VK_RETURN);
    ASSERT_EQ(engine->SkinMenu().LevelCount(), 1);
    // As the system's menus: the first Esc closes the submenu and leaves its
    // item selected, still in the mode; the second leaves the mode.
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
    EXPECT_FALSE(engine->MenuOpen());
    EXPECT_TRUE(engine->MainMenuMode());
    EXPECT_FALSE(Item(0)->Down());
    EXPECT_TRUE(Item(0)->Active());
    // Down opens it again, Esc closes it again.
    Key(WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(Item(0)->Down());
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(Item(0)->Active());
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(engine->MainMenuMode());
    EXPECT_FALSE(Item(0)->Active());
    EXPECT_THAT(clicks, ElementsAre("enter", "exit mode"));
    // Alt again while in the mode leaves it too.
    SysKeyMenu();
    SysKeyMenu();
    EXPECT_FALSE(engine->MainMenuMode());
    // Alt with the system menu open closes it and enters the mode.
    engine->SkinMenuOpen();
    engine->SkinMenu().Popup(nullptr, nullptr, 0, Rect(10, 10, 10, 10), engine->GetSystemMenuItems(), false);
    ASSERT_EQ(engine->SkinMenu().LevelCount(), 1);
    SysKeyMenu();
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
    EXPECT_TRUE(engine->MainMenuMode());
    EXPECT_TRUE(Item(0)->Active());
    engine->MainMenuExit();
    EXPECT_EQ(programMessages, 0);
}

TEST_F(MenuModeTest, AltAndALetterOpenItsItemAndShortcutsReachTheMenuEveryTime)
{
    const LPARAM alt = LPARAM(KF_ALTDOWN) << 16;
    EXPECT_TRUE(Key(WM_SYSKEYDOWN, 'E', alt));
    EXPECT_TRUE(Item(1)->Down());
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);
    EXPECT_TRUE(engine->MainMenuMode());
    // In the mode a letter alone names an item too.
    Key(WM_KEYDOWN, 'F');
    EXPECT_TRUE(Item(0)->Down());
    EXPECT_FALSE(Item(1)->Down());
    Key(WM_KEYDOWN, 'O');
    EXPECT_THAT(clicks, ElementsAre("enter", "exit mode", "open"));
    EXPECT_FALSE(engine->MainMenuMode());
    clicks.clear();

    // Alt released after the letter that opened an item is not Alt alone, which
    // would end the menu mode again.
    ::SendMessageA(form->Handle(), WM_SYSKEYDOWN, VK_MENU, alt);
    EXPECT_TRUE(Key(WM_SYSKEYDOWN, 'F', alt));
    ::SendMessageA(form->Handle(), WM_SYSKEYUP, VK_MENU, alt | (LPARAM(KF_UP) << 16));
    EXPECT_TRUE(engine->MainMenuMode());
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);
    engine->MainMenuExit();
    clicks.clear();

    // An Alt letter of no item stays the form's, and so do keys whose codes
    // read as letters (the keypad's 5 as 'e').
    EXPECT_FALSE(Key(WM_SYSKEYDOWN, 'Q', alt));
    EXPECT_FALSE(Key(WM_SYSKEYDOWN, VK_NUMPAD5, alt));
    EXPECT_FALSE(engine->MainMenuMode());
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(Key(WM_KEYDOWN, 'C'));
    EXPECT_TRUE(Key(WM_KEYDOWN, 'C'));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_THAT(clicks, ElementsAre("copy", "copy"));
}

TEST_F(MenuModeTest, ACommandOfTheFrameItemsEndsTheMenuModeBeforeItRuns)
{
    auto* run = new gui::TMenuItem(menu);
    run->SetCaption("&Run");
    run->OnClick = [this](gui::TComponent*) {
        clicks.push_back(engine->MainMenuMode() || gui::Application().OnMessage == nullptr ? "run in mode" : "run");
    };
    menu->Items().Add(run);
    engine->SetMainMenu(menu);
    ASSERT_NE(Item(2), nullptr);
    SysKeyMenu();
    Key(WM_KEYDOWN, VK_LEFT);
    EXPECT_TRUE(Item(2)->Active());
    Key(WM_KEYDOWN, VK_RETURN);
    Key(WM_SYSKEYDOWN, 'R', LPARAM(KF_ALTDOWN) << 16);
    EXPECT_THAT(clicks, ElementsAre("enter", "exit mode", "run", "run"));
    EXPECT_FALSE(engine->MainMenuMode());
}

TEST_F(MenuModeTest, AMenuBarTakesTheKeyboardModeInsteadOfTheFrameItems)
{
    auto* help = new gui::TMenuItem(menu);
    help->SetCaption("&Help");
    help->OnClick = [this](gui::TComponent*) { clicks.push_back("help"); };
    menu->Items().Add(help);
    auto* bar = new sk::TskSkinMainMenuBar(form);
    bar->SetParent(form);
    bar->SetMainMenu(menu);
    bar->SetFormSkinEngine(engine);
    engine->SetMainMenuBar(bar);
    SysKeyMenu();
    EXPECT_TRUE(engine->MainMenuMode());
    EXPECT_TRUE(bar->MenuMode());
    EXPECT_FALSE(Item(0)->Active());
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(engine->MainMenuMode());
    EXPECT_FALSE(bar->MenuMode());
    // A command of the bar chosen from the keyboard ends the mode: the keys are
    // the program's again.
    SysKeyMenu();
    Key(WM_KEYDOWN, VK_LEFT);
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_THAT(clicks, ElementsAre("enter", "exit mode", "enter", "exit mode", "help"));
    EXPECT_FALSE(engine->MainMenuMode());
    EXPECT_FALSE(bar->MenuMode());
    EXPECT_FALSE(Key(WM_KEYDOWN, VK_RIGHT));
    EXPECT_EQ(programMessages, 1);
    delete bar;
    EXPECT_EQ(engine->MainMenuBar(), nullptr);
}

TEST_F(MenuModeTest, EscapeInAMenuOfTheBarLeavesItsItemSelectedAndTheNextLeavesTheMode)
{
    auto* bar = new sk::TskSkinMainMenuBar(form);
    bar->SetParent(form);
    bar->SetMainMenu(menu);
    bar->SetFormSkinEngine(engine);
    engine->SetMainMenuBar(bar);
    auto barItem = [bar](int i) { return dynamic_cast<sk::TskSkinMainMenuBarItem*>(bar->Objects(i)); };
    ASSERT_NE(barItem(1), nullptr);
    SysKeyMenu();
    Key(WM_KEYDOWN, VK_DOWN);
    ASSERT_TRUE(barItem(0)->Down());
    ASSERT_EQ(engine->SkinMenu().LevelCount(), 1);

    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
    EXPECT_FALSE(engine->MenuOpen());
    EXPECT_TRUE(engine->MainMenuMode());
    EXPECT_TRUE(bar->MenuMode());
    EXPECT_FALSE(barItem(0)->Down());
    EXPECT_TRUE(barItem(0)->Active());
    // Right moves the selection along the bar without opening anything.
    Key(WM_KEYDOWN, VK_RIGHT);
    EXPECT_FALSE(barItem(0)->Active());
    EXPECT_TRUE(barItem(1)->Active());
    EXPECT_FALSE(barItem(1)->Down());
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
    // Up opens the selected item's menu as Down does.
    Key(WM_KEYDOWN, VK_UP);
    EXPECT_TRUE(barItem(1)->Down());
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(barItem(1)->Active());
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_TRUE(barItem(1)->Down());
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);

    Key(WM_KEYDOWN, VK_ESCAPE);
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(engine->MainMenuMode());
    EXPECT_FALSE(bar->MenuMode());
    EXPECT_FALSE(barItem(0)->Active() || barItem(1)->Active() || barItem(1)->Down());
    EXPECT_THAT(clicks, ElementsAre("enter", "exit mode"));
    // The keys are the program's again.
    EXPECT_FALSE(Key(WM_KEYDOWN, VK_DOWN));
    EXPECT_EQ(programMessages, 1);
    delete bar;
}

// Another form with a main menu of one item, in menu mode with the fixture's.
class OtherMenuForm {
public:
    OtherMenuForm()
    {
        form_->SetBounds(360, 120, 200, 120);
        auto* tools = new gui::TMenuItem(&menu_->Items());
        tools->SetCaption("&Tools");
        menu_->Items().Add(tools);
        engine_->SetMainMenu(menu_);
        engine_->SetSkinData(&skin_.Data());
        form_->Show();
    }
    ~OtherMenuForm() { delete form_; }
    TskFormSkinEngine* Engine() const { return engine_; }
    void SysKeyMenu() { ::SendMessageA(form_->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0); }
    // Its form goes, and its engine with it, in the middle of the mode.
    void Destroy()
    {
        delete form_;
        form_ = nullptr;
    }

private:
    StatesSkin skin_;
    gui::TForm* form_ = new gui::TForm(nullptr);
    gui::TMainMenu* menu_ = new gui::TMainMenu(form_);
    TskFormSkinEngine* engine_ = new TskFormSkinEngine(form_);
};

TEST_F(MenuModeTest, TwoFormsInMenuModeEachGiveBackWhatTheyTook)
{
    OtherMenuForm other;
    GuiPump(30);
    // The first form's mode ends first: the other's keeps the keys.
    SysKeyMenu();
    other.SysKeyMenu();
    ASSERT_TRUE(engine->MainMenuMode());
    ASSERT_TRUE(other.Engine()->MainMenuMode());
    ::SendMessageA(form->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(50, 50));
    EXPECT_FALSE(engine->MainMenuMode());
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_FALSE(other.Engine()->MainMenuMode());
    EXPECT_EQ(programMessages, 0);
    EXPECT_FALSE(Key(WM_KEYDOWN, VK_RIGHT));
    EXPECT_EQ(programMessages, 1);

    // The other way round: the second ends first, the first keeps the keys.
    SysKeyMenu();
    other.SysKeyMenu();
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_FALSE(other.Engine()->MainMenuMode());
    EXPECT_TRUE(engine->MainMenuMode());
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_FALSE(engine->MainMenuMode());
    EXPECT_FALSE(Key(WM_KEYDOWN, VK_RIGHT));
    EXPECT_EQ(programMessages, 2);
}

TEST_F(MenuModeTest, AnEngineThatGoesInMenuModeLeavesNoHandlerBehind)
{
    // The fixture's form stays the active one: no activation ends its mode when
    // the other form goes.
    {
        // Gone while another form's mode is on top of its own.
        OtherMenuForm first;
        ::SetActiveWindow(form->Handle());
        GuiPump(30);
        first.SysKeyMenu();
        SysKeyMenu();
        first.Destroy();
        EXPECT_TRUE(Key(WM_KEYDOWN, VK_ESCAPE));
        EXPECT_FALSE(engine->MainMenuMode());
        EXPECT_FALSE(Key(WM_KEYDOWN, VK_RIGHT));
        EXPECT_EQ(programMessages, 1);
    }
    {
        // Gone while its own mode is on top.
        OtherMenuForm second;
        ::SetActiveWindow(form->Handle());
        GuiPump(30);
        SysKeyMenu();
        second.SysKeyMenu();
        second.Destroy();
        EXPECT_TRUE(engine->MainMenuMode());
        EXPECT_TRUE(Key(WM_KEYDOWN, VK_ESCAPE));
        EXPECT_FALSE(engine->MainMenuMode());
        EXPECT_FALSE(Key(WM_KEYDOWN, VK_RIGHT));
        EXPECT_EQ(programMessages, 2);
    }
}

TEST_F(EngineStatesTest, AFormWithoutMainMenuLeavesItsKeysAlone)
{
    new TskFormSkinEngine(form);
    SysKeyMenu();
    EXPECT_FALSE(gui::Application().OnMessage);
    EXPECT_FALSE(Key(WM_KEYDOWN, VK_RIGHT));
}

TEST_F(EngineStatesTest, TheSystemMenuTakesTheKeysUntilAPressElsewhereClosesIt)
{
    auto* engine = new TskFormSkinEngine(form);
    int opened = 0, closed = 0;
    engine->OnSkinMenuOpen = [&](gui::TComponent*) { ++opened; };
    engine->OnSkinMenuClose = [&](gui::TComponent*) { ++closed; };
    form->Show();
    GuiPump(30);
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    // The system's handling of the press waits for the button to come up.
    ::PostMessageA(form->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(100, -10));
    ::SendMessageA(form->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(wr.left + 100, wr.top + 10));
    ASSERT_EQ(engine->SkinMenu().LevelCount(), 1);
    EXPECT_TRUE(gui::Application().OnMessage);
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_DOWN));
    // Esc closes it, and the next key is the form's.
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
    EXPECT_FALSE(gui::Application().OnMessage);
    EXPECT_FALSE(Key(WM_KEYDOWN, 'A'));

    ::PostMessageA(form->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(100, -10));
    ::SendMessageA(form->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(wr.left + 100, wr.top + 10));
    ASSERT_EQ(engine->SkinMenu().LevelCount(), 1);
    ::SendMessageA(form->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(50, 50));
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
    EXPECT_FALSE(engine->MenuOpen());
    EXPECT_FALSE(gui::Application().OnMessage);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(closed, 2);
}

TEST_F(EngineStatesTest, AltSpaceOpensTheSystemMenuBelowItsButton)
{
    auto* engine = new TskFormSkinEngine(form);
    form->Show();
    GuiPump(30);
    const sk::TskActiveSkinObject* button = nullptr;
    for (int i = 0; i < engine->ObjectCount(); ++i)
        if (engine->Objects(i)->IDName() == "sysmenubutton")
            button = engine->Objects(i);
    ASSERT_NE(button, nullptr);
    const int commands = engine->GetSystemMenuItems()->Count();
    ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    ASSERT_EQ(engine->SkinMenu().LevelCount(), 1);
    EXPECT_TRUE(engine->MenuOpen());
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    const TRect popup = engine->SkinMenu().TopLevel()->BoundsRect();
    EXPECT_EQ(popup.Left, wr.left + button->ObjectRect().Left);
    EXPECT_EQ(popup.Top, wr.top + button->ObjectRect().Bottom);
    EXPECT_EQ(engine->SkinMenu().TopLevel()->RowCount(), commands);
    // Esc closes it; without the system-menu icon Alt+Space opens nothing.
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
    engine->SetBorderIcons({sk::biMinimize, sk::biMaximize});
    ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
}

// ---- Tray ----

// Keeps the icon from the shell: the test needs only what the engine does.
class QuietTrayIcon : public sk::TskTrayIcon {
public:
    using sk::TskTrayIcon::TskTrayIcon;

protected:
    bool NotifyShell(DWORD, const NOTIFYICONDATAA&) override { return true; }
};

TEST_F(EngineStatesTest, TheTrayIconHidesTheProgramAndBringsItBack)
{
    auto* engine = new TskFormSkinEngine(form);
    std::vector<std::string> events;
    engine->OnMinimizeToTray = [&](gui::TComponent*) { events.push_back("to tray"); };
    engine->OnRestoreFromTray = [&](gui::TComponent*) { events.push_back("from tray"); };
    engine->MinimizeToTray();  // no icon: nothing
    EXPECT_FALSE(gui::Application().Minimized());

    auto* tray = new QuietTrayIcon(form);
    tray->SetIconVisible(true);
    engine->SetTrayIcon(tray);
    EXPECT_FALSE(tray->IconVisible());
    ASSERT_EQ(tray->PopupMenu(), &engine->SkinPopupMenu());
    EXPECT_THAT(Captions(&engine->SkinPopupMenu().Items()), ElementsAre("&Restore", "-", "&Close"));
    EXPECT_EQ(engine->SkinPopupMenu().Items().Items(2)->Name(), "TRAY_DSF_CLOSE");

    gui::Application().SetMainForm(form);
    form->Show();
    GuiPump(30);
    engine->MinimizeToTray();
    EXPECT_TRUE(gui::Application().Minimized());
    EXPECT_TRUE(tray->MinimizeToTray());
    EXPECT_FALSE(form->Visible());
    // The tray menu's Restore.
    engine->SkinPopupMenu().Items().Items(0)->Click();
    EXPECT_FALSE(gui::Application().Minimized());
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(tray->MinimizeToTray());
    EXPECT_FALSE(tray->IconVisible());
    EXPECT_THAT(events, ElementsAre("to tray", "from tray"));
    gui::Application().SetMainForm(nullptr);
    // Another icon takes the engine's menu; the first one gives it back.
    QuietTrayIcon next(nullptr);
    engine->SetTrayIcon(&next);
    EXPECT_EQ(tray->PopupMenu(), nullptr);
    EXPECT_FALSE(tray->OnDblClick);
    delete tray;
    EXPECT_EQ(engine->TrayIcon(), &next);
    // An engine that goes first leaves the icon no double click of its own.
    delete engine;
    EXPECT_FALSE(next.OnDblClick);
}

// ---- Skin changes of the controls ----

template <typename Base>
class Counting : public Base {
public:
    using Base::Base;
    void ApplySkin() override
    {
        ++applied;
        Base::ApplySkin();
    }
    int applied = 0;
};

TEST_F(EngineStatesTest, AnotherSkinsChangeReachesOnlyTheControlsBoundToIt)
{
    StatesSkin own, other;
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&own.Data());
    int rebuilds = 0;
    engine->OnChangeSkinData = [&](gui::TComponent*) { ++rebuilds; };
    auto* edit = new Counting<sk::TskSkinCustomEdit>(form);
    auto* tree = new Counting<sk::TskSkinCustomTreeView>(form);
    auto* list = new Counting<sk::TskSkinCustomListView>(form);
    auto* unbound = new Counting<sk::TskSkinCustomListView>(form);
    for (gui::TWinControl* control : std::vector<gui::TWinControl*>{edit, tree, list, unbound})
        control->SetParent(form);
    edit->SetSkinData(&other.Data());
    tree->SetSkinData(&other.Data());
    list->SetSkinData(&other.Data());
    const int editBefore = edit->applied, treeBefore = tree->applied, listBefore = list->applied,
              unboundBefore = unbound->applied;
    ::SendMessageA(form->Handle(), sk::WM_SKINCHANGED, reinterpret_cast<WPARAM>(&other.Data()),
                   sk::kSkinMessageParam);
    EXPECT_EQ(edit->applied, editBefore + 1);
    EXPECT_EQ(tree->applied, treeBefore + 1);
    EXPECT_EQ(list->applied, listBefore + 1);
    EXPECT_EQ(unbound->applied, unboundBefore);
    EXPECT_EQ(rebuilds, 0);
}

}  // namespace
