// The notification-area icon: what it hands the shell, how it tells clicks from
// double clicks, its popup menu, its animation, and hiding the program.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu_item.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/image_list.h"
#include "skin/popups/skin_popup_menu.h"
#include "skin/popups/tray_icon.h"
#include "support/gui_pump.h"

namespace {

using namespace gui;
using sk::TskTrayIcon;

using testsupport::GuiPump;

// Keeps every call to the shell, after making it.
class RecordingTrayIcon : public TskTrayIcon {
public:
    using TskTrayIcon::TskTrayIcon;

    struct Call {
        DWORD message;
        NOTIFYICONDATAA data;
        bool result;
    };
    std::vector<Call> calls;

    int Count(DWORD message) const
    {
        int n = 0;
        for (const Call& call : calls)
            n += call.message == message;
        return n;
    }

protected:
    bool NotifyShell(DWORD message, const NOTIFYICONDATAA& data) override
    {
        const bool result = TskTrayIcon::NotifyShell(message, data);
        calls.push_back({message, data, result});
        return result;
    }
};

// Records where it was asked to open instead of opening.
class RecordingPopupMenu : public sk::TskSkinPopupMenu {
public:
    using sk::TskSkinPopupMenu::TskSkinPopupMenu;
    void Popup(int X, int Y) override
    {
        ++popups;
        at = {X, Y};
        popupComponent = PopupComponent();
    }
    int popups = 0;
    POINT at{};
    TComponent* popupComponent = nullptr;
};

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest()
    {
        tray->OnClick = [this](TComponent*) { events += "click;"; };
        tray->OnDblClick = [this](TComponent*) { events += "dblclick;"; };
        tray->OnMouseDown = [this](TComponent*, TMouseButton b, TShiftState s, int, int) {
            events += "down" + std::to_string(int(b)) + (s.Contains(ssLeft) ? "L" : "") +
                      (s.Contains(ssRight) ? "R" : "") + (s.Contains(ssMiddle) ? "M" : "") + ";";
        };
        tray->OnMouseUp = [this](TComponent*, TMouseButton b, TShiftState, int, int) {
            events += "up" + std::to_string(int(b)) + ";";
        };
    }
    ~TrayIconTest() override { delete tray; }

    void Notify(UINT mouseMessage) { ::SendMessageA(tray->Handle(), sk::WM_TRAYNOTIFY, 1, LPARAM(mouseMessage)); }
    static int DoubleClickTime() { return int(::GetDoubleClickTime()); }

    TForm form{nullptr};
    RecordingTrayIcon* tray = new RecordingTrayIcon(&form);
    std::string events;
};

#ifndef _WIN64
// The Windows 2000 layout of the ANSI notification data on the 32-bit target.
static_assert(offsetof(NOTIFYICONDATAA, guidItem) == 488, "notification data of the Windows 2000 layout");
#endif

TEST_F(TrayIconTest, ShellGetsTheIconWithItsWindowMessageAndTip)
{
    tray->SetHint("Ripping");
    ASSERT_TRUE(tray->ShowIcon());
    ASSERT_EQ(tray->Count(NIM_ADD), 1);
    const NOTIFYICONDATAA& added = tray->calls.back().data;
    EXPECT_EQ(added.cbSize, DWORD(NOTIFYICONDATAA_V2_SIZE));
    EXPECT_EQ(added.hWnd, tray->Handle());
    EXPECT_EQ(added.uID, 1u);
    EXPECT_EQ(added.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(added.uCallbackMessage, 2048u);
    EXPECT_NE(added.hIcon, nullptr);  // the application's icon
    EXPECT_STREQ(added.szTip, "Ripping");
    EXPECT_TRUE(tray->IconVisible());

    EXPECT_TRUE(tray->ModifyIcon());
    EXPECT_TRUE(tray->HideIcon());
    EXPECT_EQ(tray->calls.back().message, DWORD(NIM_DELETE));
    EXPECT_FALSE(tray->IconVisible());
    // Nothing to modify once the icon is gone.
    EXPECT_FALSE(tray->ModifyIcon());
}

TEST_F(TrayIconTest, TipIsCutTo127CharactersAndEmptyWithoutShowHint)
{
    tray->SetHint(std::string(200, 'x'));
    const NOTIFYICONDATAA& cut = tray->calls.back().data;
    EXPECT_EQ(std::string(cut.szTip), std::string(127, 'x'));

    tray->SetShowHint(false);
    const NOTIFYICONDATAA& none = tray->calls.back().data;
    for (char c : none.szTip)
        ASSERT_EQ(c, '\0');
}

TEST_F(TrayIconTest, SingleClickIsToldOnceAfterTheDoubleClickTime)
{
    Notify(WM_LBUTTONDOWN);
    Notify(WM_LBUTTONUP);
    EXPECT_EQ(events, "down0L;up0;");
    GuiPump(DWORD(DoubleClickTime() + 300));
    EXPECT_EQ(events, "down0L;up0;click;");

    // Held past the double-click time: the click comes with the release.
    events.clear();
    Notify(WM_LBUTTONDOWN);
    GuiPump(DWORD(DoubleClickTime() + 300));
    EXPECT_EQ(events, "down0L;");
    Notify(WM_LBUTTONUP);
    EXPECT_EQ(events, "down0L;click;up0;");
    GuiPump(DWORD(DoubleClickTime() + 100));
    EXPECT_EQ(events, "down0L;click;up0;");
}

TEST_F(TrayIconTest, DoubleClickIsNoClick)
{
    Notify(WM_LBUTTONDOWN);
    Notify(WM_LBUTTONUP);
    Notify(WM_LBUTTONDBLCLK);
    Notify(WM_LBUTTONUP);
    GuiPump(DWORD(DoubleClickTime() + 300));
    EXPECT_EQ(events, "down0L;up0;dblclick;up0;");
}

TEST_F(TrayIconTest, ButtonsOpenThePopupMenuAtTheCursor)
{
    RecordingPopupMenu menu(&form);
    tray->SetPopupMenu(&menu);
    ::SetCursorPos(40, 50);
    Notify(WM_RBUTTONDOWN);
    EXPECT_EQ(events, "down1R;");
    ASSERT_EQ(menu.popups, 1);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    EXPECT_EQ(menu.at.x, cursor.x);
    EXPECT_EQ(menu.at.y, cursor.y);
    EXPECT_EQ(menu.popupComponent, tray);

    Notify(WM_LBUTTONDOWN);
    EXPECT_EQ(menu.popups, 1);
    tray->SetPopupByLeftButton(true);
    Notify(WM_LBUTTONDOWN);
    EXPECT_EQ(menu.popups, 2);

    menu.SetAutoPopup(false);
    Notify(WM_RBUTTONDOWN);
    EXPECT_EQ(menu.popups, 2);
}

TEST_F(TrayIconTest, DoubleClickRunsTheFirstDefaultItemUnlessTheLeftButtonPopsUp)
{
    RecordingPopupMenu menu(&form);
    std::string clicked;
    for (const char* caption : {"Open", "Restore", "Exit"}) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        item->SetDefault(std::string(caption) != "Open");
        item->OnClick = [&clicked, caption](TComponent*) { clicked += caption; };
        menu.Items().Add(item);
    }
    tray->SetPopupMenu(&menu);
    Notify(WM_LBUTTONDBLCLK);
    EXPECT_EQ(clicked, "Restore");

    tray->SetPopupByLeftButton(true);
    Notify(WM_LBUTTONDBLCLK);
    EXPECT_EQ(clicked, "Restore");
    EXPECT_EQ(events, "dblclick;dblclick;");
}

TEST_F(TrayIconTest, DisabledIconIgnoresTheMouse)
{
    RecordingPopupMenu menu(&form);
    tray->SetPopupMenu(&menu);
    tray->SetEnabled(false);
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEMOVE})
        Notify(m);
    GuiPump(DWORD(DoubleClickTime() + 200));
    EXPECT_EQ(events, "");
    EXPECT_EQ(menu.popups, 0);
}

// Four pictures of 16 x 16 in four colours, with a see-through corner.
void FillList(TImageList& list)
{
    TBitmap strip;
    strip.SetSize(64, 16);
    const TColor colours[] = {TColor(0x0000FF), TColor(0x00FF00), TColor(0xFF0000), TColor(0x00FFFF)};
    for (int i = 0; i < 4; ++i) {
        strip.Canvas().Brush().SetColor(colours[i]);
        strip.Canvas().FillRect(Bounds(i * 16, 0, 16, 16));
    }
    strip.Canvas().Brush().SetColor(TColor(0xFF00FF));
    for (int i = 0; i < 4; ++i)
        strip.Canvas().FillRect(Bounds(i * 16, 0, 4, 4));
    list.AddMasked(strip, TColor(0xFF00FF));
}

// The colour an icon leaves at a point when drawn over grey.
COLORREF IconPixel(const TIcon& icon, int x, int y)
{
    TBitmap target;
    target.SetSize(16, 16);
    target.Canvas().Brush().SetColor(TColor(0x808080));
    target.Canvas().FillRect(Rect(0, 0, 16, 16));
    ::DrawIconEx(target.Canvas().Handle(), 0, 0, icon.Handle(), 16, 16, 0, nullptr, DI_NORMAL);
    return COLORREF(target.Canvas().Pixels(x, y)) & 0xFFFFFF;
}

TEST_F(TrayIconTest, IconIndexStaysInTheListAndShowsItsPicture)
{
    TImageList list(nullptr);
    FillList(list);
    ASSERT_EQ(list.Count(), 4);
    tray->SetIconList(&list);
    tray->SetIconIndex(10);
    EXPECT_EQ(tray->IconIndex(), 3);
    EXPECT_EQ(IconPixel(tray->Icon(), 10, 10), COLORREF(0x00FFFF));
    EXPECT_EQ(IconPixel(tray->Icon(), 1, 1), COLORREF(0x808080));  // see-through

    tray->SetIconIndex(1);
    EXPECT_EQ(IconPixel(tray->Icon(), 10, 10), COLORREF(0x00FF00));
    // An empty list has no picture to show; the icon stays as it was.
    TImageList none(nullptr);
    tray->SetIconList(&none);
    tray->SetIconIndex(5);
    EXPECT_EQ(IconPixel(tray->Icon(), 10, 10), COLORREF(0x00FF00));
    // Without a list the index is 0.
    tray->SetIconList(nullptr);
    tray->SetIconIndex(2);
    EXPECT_EQ(tray->IconIndex(), 0);
}

TEST_F(TrayIconTest, CyclingIconsRunsThroughTheListAndAroundAgain)
{
    TImageList list(nullptr);
    FillList(list);
    tray->SetIconList(&list);
    std::vector<int> next;
    tray->OnCycle = [&next](TComponent*, int NextIndex) { next.push_back(NextIndex); };
    tray->SetAnimateTimerInterval(20);
    tray->SetIconIndex(2);
    tray->SetCycleIcons(true);
    EXPECT_EQ(tray->IconIndex(), 0);
    testsupport::GuiPumpUntil([&] { return next.size() >= 5; });
    tray->SetCycleIcons(false);
    ASSERT_GE(next.size(), 5u);
    EXPECT_EQ(std::vector<int>(next.begin(), next.begin() + 5), (std::vector<int>{1, 2, 3, 0, 1}));
}

TEST_F(TrayIconTest, RestartedTaskbarGetsAVisibleIconBack)
{
    const UINT taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
    ::SendMessageA(Application().Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(tray->Count(NIM_ADD), 0);

    tray->SetIconVisible(true);
    ::SendMessageA(Application().Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(tray->Count(NIM_ADD), 2);
}

TEST_F(TrayIconTest, MinimizedProgramHidesInTheNotificationArea)
{
    form.SetBounds(30, 30, 200, 120);
    form.Show();
    Application().SetMainForm(&form);
    tray->SetMinimizeToTray(true);

    Application().Minimize();
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_EQ(tray->Count(NIM_ADD), 1);

    tray->ShowMainForm();
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(Application().Minimized());
    EXPECT_FALSE(::IsIconic(form.Handle()));

    // Without MinimizeToTray the program only minimizes.
    tray->SetMinimizeToTray(false);
    Application().Minimize();
    EXPECT_TRUE(form.Visible());
    Application().Restore();
    Application().SetMainForm(nullptr);
    form.Hide();
}

TEST_F(TrayIconTest, LoadedIconIsShownAgainAndCanKeepTheMainFormHidden)
{
    TForm owner(nullptr);
    owner.BeginLoading();
    auto* loaded = new RecordingTrayIcon(&owner);
    loaded->SetMinimizedOnStart(true);
    loaded->SetIconVisible(true);
    EXPECT_EQ(loaded->Count(NIM_ADD), 1);
    owner.EndLoading();
    EXPECT_EQ(loaded->Count(NIM_MODIFY), 1);
    EXPECT_EQ(loaded->Count(NIM_ADD), 2);
    EXPECT_FALSE(Application().ShowMainForm());
    Application().SetShowMainForm(true);
}

TEST_F(TrayIconTest, GoingAwayLeavesTheWindowChainsAsTheyWere)
{
    // Another component hooks the same form before and stays after.
    int seen = 0;
    std::unique_ptr<TWndProcHook> other;
    other = std::make_unique<TWndProcHook>(form.WindowProc(), [&](TMessage& m) {
        if (m.Msg == WM_USER + 77)
            ++seen;
        other->CallNext(m);
    });
    auto* second = new TskTrayIcon(&form);
    delete tray;
    tray = nullptr;
    form.Perform(WM_USER + 77, 0, 0);
    delete second;
    form.Perform(WM_USER + 77, 0, 0);
    EXPECT_EQ(seen, 2);
    other.reset();
    EXPECT_FALSE(form.WindowProc().Hooked());
    EXPECT_FALSE(Application().WindowProc().Hooked());
}

}  // namespace
