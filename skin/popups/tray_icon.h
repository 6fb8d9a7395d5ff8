// One icon in the taskbar's notification area. Mouse actions on it come back as
// the component's events (a left click is told apart from a double click by the
// system's double-click time), the right button (or the left one, when asked)
// opens a skinned popup menu at the cursor, the icon can cycle through the
// pictures of an image list, and the program can hide in the notification area
// when it is minimized.
//
// The component hooks the application's window (to see the program minimized and
// the taskbar made anew) and, when its owner is a windowed control, the owner's
// window, through their window procedure chains, for its whole life.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "gui/controls/events.h"
#include "gui/controls/message.h"
#include "gui/controls/utility_window.h"
#include "gui/controls/wnd_proc_chain.h"
#include "gui/core/component.h"
#include "gui/graphics/icon.h"

namespace gui {
class TImageList;
class TTimer;
class TWinControl;
}  // namespace gui

namespace sk {

class TskSkinPopupMenu;

// What the shell sends the icon's window for a mouse action on the icon; the
// mouse message is in lParam.
constexpr UINT WM_TRAYNOTIFY = 2048;

using TCycleEvent = std::function<void(gui::TComponent* sender, int nextIndex)>;

class TskTrayIcon : public gui::TComponent {
public:
    explicit TskTrayIcon(gui::TComponent* owner);
    ~TskTrayIcon() override;

    // Shows the icon while designing; never set in a running program.
    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool value);
    // The pictures IconIndex counts in; setting it selects the first one.
    gui::TImageList* IconList() const { return iconList_; }
    void SetIconList(gui::TImageList* value);
    // While on, the icon moves to the list's next picture every
    // AnimateTimerInterval milliseconds.
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool value);
    UINT AnimateTimerInterval() const;
    void SetAnimateTimerInterval(UINT value);
    // Off: mouse actions on the icon are ignored.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    // The icon's tip: at most 127 characters show; none with ShowHint off.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    // The picture in the notification area; the application's icon at first.
    const gui::TIcon& Icon() const { return icon_; }
    void SetIcon(const gui::TIcon& value);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool value);
    // The picture of IconList shown; kept within the list.
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int value);
    TskSkinPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TskSkinPopupMenu* value);
    bool PopupByLeftButton() const { return popupByLeftButton_; }
    void SetPopupByLeftButton(bool value) { popupByLeftButton_ = value; }
    // The program starts hidden, its main form not shown.
    bool MinimizedOnStart() const { return minimizedOnStart_; }
    void SetMinimizedOnStart(bool value) { minimizedOnStart_ = value; }
    // Minimizing the program hides it in the notification area.
    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool value) { minimizeToTray_ = value; }

    // Whether an empty Icon takes the application's icon.
    virtual bool LoadDefaultIcon() { return true; }
    // Add, remove or update the icon in the notification area; true when the
    // shell took it.
    virtual bool ShowIcon();
    virtual bool HideIcon();
    virtual bool ModifyIcon();

    // The program's main form back on the screen, or off it (when the owner is a
    // windowed control and there is a main form).
    void ShowMainForm();
    void HideMainForm();

    // The hidden window the shell reports to.
    HWND Handle() const { return window_.Handle(); }

    gui::TNotifyEvent OnClick;
    gui::TNotifyEvent OnDblClick;
    gui::TMouseEvent OnMouseDown;
    gui::TMouseEvent OnMouseUp;
    gui::TMouseMoveEvent OnMouseMove;
    TCycleEvent OnCycle;

protected:
    void Loaded() override;
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoCycle(int nextIndex);
    virtual void DoMouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y);
    virtual void DoMouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y);
    virtual void DoMouseMove(gui::TShiftState shift, int x, int y);
    virtual void DoMinimizeToTray();

    // Hands the icon's data to the shell.
    virtual bool NotifyShell(DWORD message, const NOTIFYICONDATAA& data);

private:
    bool Designing() const;
    gui::TWinControl* OwnerControl() const;
    bool SendIconData(DWORD message);
    bool PrepareIconData();
    void TrayWndProc(gui::TMessage& message);
    void TrayMouse(UINT mouseMessage);
    void AppWndProc(gui::TMessage& message);
    void OwnerWndProc(gui::TMessage& message);
    void ClickTimerTick();
    void AnimateTimerTick();
    void PopupAtCursor();
    void ClickDefaultItem();

    bool designPreview_ = false;
    gui::TImageList* iconList_ = nullptr;
    bool cycleIcons_ = false;
    bool enabled_ = true;
    std::string hint_;
    bool showHint_ = true;
    gui::TIcon icon_;
    bool iconVisible_ = false;
    int iconIndex_ = 0;
    TskSkinPopupMenu* popupMenu_ = nullptr;
    bool popupByLeftButton_ = false;
    bool minimizedOnStart_ = false;
    bool minimizeToTray_ = false;

    NOTIFYICONDATAA iconData_{};
    gui::TUtilityWindow window_;
    gui::TTimer* animateTimer_;
    gui::TTimer* clickTimer_;
    bool clickStarted_ = false;
    bool clickReady_ = false;
    bool dblClicked_ = false;
    bool previewing_ = false;
    // The application window has not been placed since the icon came.
    bool firstActivation_ = true;
    std::unique_ptr<gui::TWndProcHook> appHook_;
    std::unique_ptr<gui::TWndProcHook> ownerHook_;
};

}  // namespace sk
