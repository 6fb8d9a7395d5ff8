// The skinned menu engine: opening levels, the keyboard and the mouse over rows,
// submenus, scrolling, closing and who hears of it, and the skinned popup menu.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "menu_fixture.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_menu.h"
#include "skin/popups/skin_popup_window.h"

using namespace gui;
using sk::TskSkinMenu;
using sk::TskSkinPopupWindow;

namespace menutest {

TEST_F(SkinMenuTest, LevelListsTheVisibleItemsAndSelectsTheFirstEnabledOne)
{
    Add(menu.Items(), "Disabled", false);
    Add(menu.Items(), "Hidden")->SetVisible(false);
    Add(menu.Items(), "&Open");
    Add(menu.Items(), "-");
    Add(menu.Items(), "Save");
    Open();
    ASSERT_EQ(1, engine.LevelCount());
    TskSkinPopupWindow& level = Level(0);
    ASSERT_EQ(4, level.RowCount());
    EXPECT_EQ("&Open", level.Rows(1)->MenuItem().Caption());
    EXPECT_EQ(1, level.ActiveRow());
    EXPECT_TRUE(engine.MenusOpen());

    // Rows of the item height, separators of 4, inside a frame of 3 pixels.
    EXPECT_EQ(3 * 20 + 4 + 6, level.Height());
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas().Font().Assign(engine.Font());
    EXPECT_EQ(measure.Canvas().TextWidth("Disabled  ") + 2 + 16 + 16 + 10, level.Width());
    EXPECT_EQ(Rect(3, 23, level.Width() - 3, 43), level.Rows(1)->ItemRect());

    // Shown below the point without taking the activation from the form.
    EXPECT_TRUE(::IsWindowVisible(level.Handle()));
    EXPECT_EQ(Point(100, 100), level.ShowPosition());
    EXPECT_NE(level.Handle(), ::GetActiveWindow());
    EXPECT_TRUE(::GetWindowLongPtrA(level.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    // The start index leaves the first items out; an item without sub-items opens nothing.
    Open(100, 100, 3);
    EXPECT_EQ(2, Level(0).RowCount());
    engine.Popup(nullptr, nullptr, 0, Rect(0, 0, 0, 0), menu.Items().Items(2), false);
    EXPECT_EQ(0, engine.LevelCount());
}

TEST_F(SkinMenuTest, ArrowsSkipDisabledRowsAndSeparatorsAndWrapAround)
{
    Add(menu.Items(), "One");
    Add(menu.Items(), "-");
    Add(menu.Items(), "Two");
    Add(menu.Items(), "Off", false);
    Add(menu.Items(), "Three");
    Open();
    TskSkinPopupWindow& level = Level(0);
    EXPECT_EQ(0, level.ActiveRow());
    EXPECT_TRUE(level.ProcessKey(VK_DOWN));
    EXPECT_EQ(2, level.ActiveRow());
    level.ProcessKey(VK_DOWN);
    EXPECT_EQ(4, level.ActiveRow());
    EXPECT_FALSE(level.Rows(2)->Active());
    level.ProcessKey(VK_DOWN);  // the last row: round to the first
    EXPECT_EQ(0, level.ActiveRow());
    level.ProcessKey(VK_UP);  // row 0: round to the last
    EXPECT_EQ(4, level.ActiveRow());
    level.ProcessKey(VK_UP);
    EXPECT_EQ(2, level.ActiveRow());

    // Only rows that cannot be selected below, and not the last row: it stays.
    menu.Items().Items(4)->SetEnabled(false);
    Open();
    Level(0).ProcessKey(VK_DOWN);
    EXPECT_EQ(2, Level(0).ActiveRow());
    Level(0).ProcessKey(VK_DOWN);
    EXPECT_EQ(2, Level(0).ActiveRow());
}

TEST_F(SkinMenuTest, ChoosingALeafClosesEverythingBeforeItsCommandRuns)
{
    Add(menu.Items(), "First");
    Add(menu.Items(), "&Second");
    Add(menu.Items(), "Off", false);
    TControl owner(nullptr);
    int ownerCloses = 0;
    TWndProcHook ownerHook(owner.WindowProc(), [&](TMessage& m) { ownerCloses += m.Msg == sk::WM_CLOSESKINMENUS; });

    engine.Popup(&owner, nullptr, 0, Rect(100, 100, 100, 100), &menu.Items(), false);
    Level(0).ProcessKey(VK_RETURN);
    EXPECT_EQ("First;", clicks);
    EXPECT_EQ(0, levelsAtClick);
    EXPECT_EQ(0, engine.LevelCount());
    EXPECT_FALSE(engine.MenusOpen());
    EXPECT_EQ(1, ownerCloses);
    EXPECT_EQ(1, formCloses);

    // The accelerator chooses its row at once.
    Open();
    EXPECT_TRUE(Level(0).ProcessKey('S'));
    EXPECT_EQ("First;&Second;", clicks);

    // A click on a disabled row does nothing.
    Open();
    const TPoint off = RowCentre(0, 2);
    Level(0).Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(off));
    Level(0).Perform(WM_LBUTTONUP, 0, PointToLParam(off));
    EXPECT_EQ(1, engine.LevelCount());
    const TPoint first = RowCentre(0, 0);
    Level(0).Perform(WM_LBUTTONUP, 0, PointToLParam(first));
    EXPECT_EQ("First;&Second;First;", clicks);
    EXPECT_EQ(0, engine.LevelCount());
    // Closed levels are freed once the messages that closed them are done.
    menutest::Pump(20);
}

TEST_F(SkinMenuTest, OnlyLettersAndDigitsPickARowByItsAccelerator)
{
    Add(menu.Items(), "&Print");
    Add(menu.Items(), "&Add");
    Add(menu.Items(), "Track &3");
    Open();
    // Keys whose codes read as marked characters pick no row: F1 ('p') and
    // the keypad's 1 ('a').
    EXPECT_FALSE(Level(0).ProcessKey(VK_F1));
    EXPECT_FALSE(Level(0).ProcessKey(VK_NUMPAD1));
    EXPECT_EQ("", clicks);
    ASSERT_EQ(1, engine.LevelCount());
    EXPECT_EQ(0, Level(0).ActiveRow());

    // The letters and digits themselves do.
    EXPECT_TRUE(Level(0).ProcessKey('A'));
    EXPECT_EQ("&Add;", clicks);
    Open();
    EXPECT_TRUE(Level(0).ProcessKey('P'));
    Open();
    EXPECT_TRUE(Level(0).ProcessKey('3'));
    EXPECT_EQ("&Add;&Print;Track &3;", clicks);
    menutest::Pump(20);
}

TEST_F(SkinMenuTest, SubmenusOpenFromTheKeyboardAndCloseLevelByLevel)
{
    Add(menu.Items(), "Leaf");
    TMenuItem* more = Add(menu.Items(), "More");
    Add(*more, "Inner");
    TMenuItem* deeper = Add(*more, "Deeper");
    Add(*deeper, "Deepest");

    Open();
    Level(0).ProcessKey(VK_DOWN);
    EXPECT_EQ(1, engine.LevelCount());  // selected from the keyboard: not opened yet
    Level(0).ProcessKey(VK_RIGHT);
    ASSERT_EQ(2, engine.LevelCount());
    EXPECT_EQ("More;", clicks);  // the row's command runs first
    EXPECT_TRUE(Level(0).Rows(1)->Open());
    // The submenu's first row lines up with the row it opened from.
    const TRect row = Level(0).Rows(1)->ItemRect();
    EXPECT_EQ(Level(0).Left() + row.Right + 1, Level(1).Left());
    EXPECT_EQ(Level(0).Top() + row.Top, Level(1).Top() + Level(1).ItemsRect().Top);

    engine.TopLevel()->ProcessKey(VK_DOWN);
    engine.TopLevel()->ProcessKey(VK_RETURN);
    ASSERT_EQ(3, engine.LevelCount());
    engine.TopLevel()->ProcessKey(VK_ESCAPE);
    EXPECT_EQ(2, engine.LevelCount());
    EXPECT_FALSE(Level(1).Rows(1)->Open());
    engine.TopLevel()->ProcessKey(VK_LEFT);
    EXPECT_EQ(1, engine.LevelCount());
    engine.TopLevel()->ProcessKey(VK_LEFT);  // the last level stays
    EXPECT_EQ(1, engine.LevelCount());
    EXPECT_EQ(0, formCloses);
    engine.TopLevel()->ProcessKey(VK_ESCAPE);
    EXPECT_EQ(0, engine.LevelCount());
    menutest::Pump(20);
}

TEST_F(SkinMenuTest, HoveringOpensASubmenuAfterAPauseUnlessTheMouseMovesOn)
{
    Add(menu.Items(), "Leaf");
    TMenuItem* more = Add(menu.Items(), "More");
    Add(*more, "Inner");
    Open();
    TskSkinPopupWindow& level = Level(0);
    level.MouseMoveAt(RowCentre(0, 1));
    EXPECT_EQ(level.Rows(1), engine.PendingItem());
    EXPECT_EQ(1, engine.LevelCount());
    // Back to the leaf before the pause is over: nothing opens.
    level.MouseMoveAt(RowCentre(0, 0));
    EXPECT_EQ(nullptr, engine.PendingItem());
    menutest::Pump(700);
    EXPECT_EQ(1, engine.LevelCount());

    level.MouseMoveAt(RowCentre(0, 1));
    const DWORD start = ::GetTickCount();
    ASSERT_TRUE(menutest::PumpUntil([this] { return engine.LevelCount() == 2; }));
    EXPECT_GE(::GetTickCount() - start, 400u);
    EXPECT_TRUE(level.Rows(1)->Open());
    // Hovering another row of the first level closes the submenu.
    level.MouseMoveAt(RowCentre(0, 0));
    EXPECT_EQ(1, engine.LevelCount());
    EXPECT_FALSE(level.Rows(1)->Open());
}

TEST_F(SkinMenuTest, SubmenuWithoutRoomOnTheRightOpensOnTheLeft)
{
    TMenuItem* more = Add(menu.Items(), "More");
    Add(*more, "Inner");
    Open();
    const int width = Level(0).Width();
    const TRect area = engine.WorkArea();
    Open(area.Right - width, 100);
    EXPECT_EQ(area.Right - width, Level(0).Left());
    Level(0).ProcessKey(VK_RIGHT);
    ASSERT_EQ(2, engine.LevelCount());
    EXPECT_EQ(Level(0).Left() + Level(0).Rows(0)->ItemRect().Left - 1, Level(1).Left() + Level(1).Width());
}

TEST_F(SkinMenuTest, MenuTallerThanTheWorkAreaScrolls)
{
    for (int i = 0; i < 100; ++i)
        Add(menu.Items(), "Item " + std::to_string(i));
    Open();
    TskSkinPopupWindow& level = Level(0);
    const TRect area = engine.WorkArea();
    ASSERT_TRUE(level.Scroll());
    EXPECT_EQ(area.Bottom - area.Top, level.Height());
    EXPECT_EQ(area.Top, level.Top());
    const int shown = level.VisibleCount();
    EXPECT_EQ((level.Height() - 6 - 20) / 20, shown);
    EXPECT_FALSE(level.Rows(shown)->Visible());
    EXPECT_EQ(level.ItemsRect().Top + 10, level.Rows(0)->ItemRect().Top);

    // Down past the last shown row scrolls one row at a time.
    for (int i = 0; i < shown; ++i)
        level.ProcessKey(VK_DOWN);
    EXPECT_EQ(shown, level.ActiveRow());
    EXPECT_EQ(2, level.VisibleStart());
    EXPECT_TRUE(level.Rows(shown)->Visible());

    // The mouse resting on the bottom marker scrolls every 100 ms until it leaves.
    const TRect items = level.ItemsRect();
    const TPoint marker = level.ClientToScreen(Point(items.Left + 5, items.Bottom - 5));
    ::SetCursorPos(marker.X, marker.Y);
    ASSERT_TRUE(menutest::PumpUntil([&] { return level.ScrollCode() == 2; }));
    ASSERT_TRUE(menutest::PumpUntil([&] { return level.VisibleStart() >= 5; }));
    const TPoint row = level.ClientToScreen(Point(items.Left + 5, items.Top + 40));
    ::SetCursorPos(row.X, row.Y);
    ASSERT_TRUE(menutest::PumpUntil([&] { return level.ScrollCode() == 0; }));
    const int stopped = level.VisibleStart();
    menutest::Pump(250);
    EXPECT_EQ(stopped, level.VisibleStart());
}

TEST_F(SkinMenuTest, ClosingNotifiesTheOwnerOfTheMenusThatClose)
{
    Add(menu.Items(), "One");
    TControl first(nullptr), second(nullptr);
    int firstCloses = 0, secondCloses = 0;
    TWndProcHook firstHook(first.WindowProc(), [&](TMessage& m) { firstCloses += m.Msg == sk::WM_CLOSESKINMENUS; });
    TWndProcHook secondHook(second.WindowProc(),
                            [&](TMessage& m) { secondCloses += m.Msg == sk::WM_CLOSESKINMENUS; });
    engine.Popup(&first, nullptr, 0, Rect(100, 100, 100, 100), &menu.Items(), false);
    EXPECT_TRUE(engine.FirstLevel() == false);
    engine.Popup(&second, nullptr, 0, Rect(100, 100, 100, 100), &menu.Items(), false);
    EXPECT_EQ(1, firstCloses);
    EXPECT_EQ(0, secondCloses);
    EXPECT_EQ(&second, engine.OwnerControl());
    engine.CloseLevels(0);
    EXPECT_EQ(1, secondCloses);
    EXPECT_EQ(nullptr, engine.OwnerControl());
    // Only CloseMenus tells the form.
    EXPECT_EQ(0, formCloses);
    EXPECT_TRUE(TskSkinMenu::IsMenuCloseMessage(WM_NCLBUTTONDOWN));
    EXPECT_FALSE(TskSkinMenu::IsMenuCloseMessage(WM_MOUSEMOVE));
}

TEST_F(SkinMenuTest, BlendedMenuFadesInOnlyAtTheFirstLevel)
{
    TMenuItem* more = Add(menu.Items(), "More");
    Add(*more, "Inner");
    engine.SetAlphaBlend(true);
    engine.SetAlphaBlendValue(150);
    engine.SetAlphaBlendAnimation(true);
    Open();
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(Level(0).Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(150, alpha);
    Level(0).ProcessKey(VK_RIGHT);
    ASSERT_TRUE(::GetLayeredWindowAttributes(Level(1).Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(150, alpha);
}

// A form skinning engine as far as the skinned popup menu calls on it.
class FakeHost : public TComponent, public sk::TskSkinMenuHost {
public:
    FakeHost(TForm& form) : TComponent(&form), menu(this, &form) {}
    sk::TskSkinData* MenusSkinData() const override { return menusSkin; }
    sk::TskSkinData* SkinData() const override { return skin; }
    void SkinMenuOpen() override { ++opened; }
    TskSkinMenu& SkinMenu() override { return menu; }

    TskSkinMenu menu;
    sk::TskSkinData* menusSkin = nullptr;
    sk::TskSkinData* skin = nullptr;
    int opened = 0;
};

TEST_F(SkinMenuTest, SkinnedPopupMenuOpensThroughTheEngineOfItsForm)
{
    auto* popup = new sk::TskSkinPopupMenu(&form);
    int popups = 0;
    popup->OnPopup = [&](TComponent*) { ++popups; };
    auto* item = new TMenuItem(nullptr);
    item->SetCaption("Item");
    popup->Items().Add(item);
    // No engine on the form: nothing shows.
    popup->Popup(300, 300);
    EXPECT_EQ(1, popups);

    auto* skin = new sk::TskSkinData(&form);
    auto* host = new FakeHost(form);
    host->skin = skin;
    popup->Popup(300, 300);
    EXPECT_EQ(2, popups);
    EXPECT_EQ(1, host->opened);
    ASSERT_EQ(1, host->menu.LevelCount());
    EXPECT_EQ(Point(300, 300), host->menu.Levels(0)->ShowPosition());
    EXPECT_EQ(skin, popup->SkinData());
    host->menu.CloseMenus();
    delete skin;
    EXPECT_EQ(nullptr, popup->SkinData());
    menutest::Pump(20);
}

}  // namespace menutest
