#include "skin/popups/tray_icon.h"

#include <algorithm>
#include <cstring>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/shift_state.h"
#include "gui/controls/timer.h"
#include "gui/controls/win_control.h"
#include "gui/core/component_reference.h"
#include "gui/graphics/image_list.h"
#include "skin/popups/skin_popup_menu.h"

namespace sk {

namespace {

// Broadcast to every top-level window when the taskbar is made anew (the shell
// restarted): icons must be added again.
UINT TaskbarCreatedMessage = 0;

constexpr size_t kTipLength = 127;  // characters of the tip, its terminator aside

}  // namespace

TskTrayIcon::TskTrayIcon(gui::TComponent* owner)
    : gui::TComponent(owner), window_([this](gui::TMessage& m) { TrayWndProc(m); })
{
    TaskbarCreatedMessage = ::RegisterWindowMessageA("TaskbarCreated");
    // The layout every shell since Windows 2000 reads.
    iconData_.cbSize = NOTIFYICONDATAA_V2_SIZE;
    iconData_.hWnd = window_.Handle();
    iconData_.uID = 1;
    iconData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    iconData_.uCallbackMessage = WM_TRAYNOTIFY;

    animateTimer_ = new gui::TTimer(this);
    animateTimer_->SetEnabled(false);
    animateTimer_->SetInterval(0);
    animateTimer_->OnTimer = [this](gui::TComponent*) { AnimateTimerTick(); };
    clickTimer_ = new gui::TTimer(this);
    clickTimer_->SetEnabled(false);
    clickTimer_->SetInterval(::GetDoubleClickTime());
    clickTimer_->OnTimer = [this](gui::TComponent*) { ClickTimerTick(); };

    if (Designing())
        return;
    if (icon_.Empty() && LoadDefaultIcon())
        icon_.AssignHandle(gui::Application().Icon());
    gui::Application().Handle();
    appHook_ = std::make_unique<gui::TWndProcHook>(gui::Application().WindowProc(),
                                                   [this](gui::TMessage& m) { AppWndProc(m); });
    if (gui::TWinControl* control = OwnerControl())
        ownerHook_ =
            std::make_unique<gui::TWndProcHook>(control->WindowProc(), [this](gui::TMessage& m) { OwnerWndProc(m); });
}

TskTrayIcon::~TskTrayIcon()
{
    SetIconVisible(false);
    SetDesignPreview(false);
    animateTimer_->SetEnabled(false);
    clickTimer_->SetEnabled(false);
    ownerHook_.reset();
    appHook_.reset();
}

bool TskTrayIcon::Designing() const { return ComponentState().Contains(gui::csDesigning); }

gui::TWinControl* TskTrayIcon::OwnerControl() const { return dynamic_cast<gui::TWinControl*>(Owner()); }

void TskTrayIcon::SetDesignPreview(bool value)
{
    designPreview_ = value;
    // Adds or removes the icon without changing what IconVisible says.
    previewing_ = true;
    SetIconVisible(value);
    previewing_ = false;
}

void TskTrayIcon::SetIconList(gui::TImageList* value)
{
    gui::SetReference(*this, iconList_, value);
    SetIconIndex(0);
}

void TskTrayIcon::SetCycleIcons(bool value)
{
    cycleIcons_ = value;
    if (value)
        SetIconIndex(0);
    animateTimer_->SetEnabled(value);
}

UINT TskTrayIcon::AnimateTimerInterval() const { return animateTimer_->Interval(); }

void TskTrayIcon::SetAnimateTimerInterval(UINT value) { animateTimer_->SetInterval(value); }

void TskTrayIcon::SetHint(const std::string& value)
{
    hint_ = value;
    ModifyIcon();
}

void TskTrayIcon::SetShowHint(bool value)
{
    showHint_ = value;
    ModifyIcon();
}

void TskTrayIcon::SetIcon(const gui::TIcon& value)
{
    icon_.Assign(value);
    ModifyIcon();
}

void TskTrayIcon::SetIconVisible(bool value)
{
    if (value)
        ShowIcon();
    else
        HideIcon();
}

void TskTrayIcon::SetIconIndex(int value)
{
    if (iconList_) {
        iconIndex_ = std::min(value, iconList_->Count() - 1);
        iconList_->GetIcon(iconIndex_, icon_);
    } else {
        iconIndex_ = 0;
    }
    ModifyIcon();
}

void TskTrayIcon::SetPopupMenu(TskSkinPopupMenu* value)
{
    if (popupMenu_)
        RemoveFreeNotification(popupMenu_);
    popupMenu_ = value;
    if (popupMenu_)
        FreeNotification(popupMenu_);
}

void TskTrayIcon::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TComponent::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == iconList_)
        iconList_ = nullptr;
    if (component == popupMenu_)
        popupMenu_ = nullptr;
}

void TskTrayIcon::Loaded()
{
    gui::TComponent::Loaded();
    if (OwnerControl() && minimizedOnStart_ && !Designing()) {
        gui::Application().SetShowMainForm(false);
        ::ShowWindow(gui::Application().Handle(), SW_HIDE);
    }
    ModifyIcon();
    SetIconVisible(iconVisible_);
}

// The notification area

bool TskTrayIcon::PrepareIconData()
{
    if (Designing() && !previewing_ && !designPreview_)
        return false;
    iconData_.hIcon = icon_.Handle();
    std::memset(iconData_.szTip, 0, sizeof iconData_.szTip);
    if (!hint_.empty() && showHint_)
        std::memcpy(iconData_.szTip, hint_.data(), std::min(hint_.size(), kTipLength));
    return true;
}

bool TskTrayIcon::SendIconData(DWORD message) { return PrepareIconData() && NotifyShell(message, iconData_); }

bool TskTrayIcon::NotifyShell(DWORD message, const NOTIFYICONDATAA& data)
{
    NOTIFYICONDATAA copy = data;
    return ::Shell_NotifyIconA(message, &copy) != FALSE;
}

bool TskTrayIcon::ShowIcon()
{
    if (!previewing_)
        iconVisible_ = true;
    if (Designing() && !previewing_)
        return false;
    return SendIconData(NIM_ADD);
}

bool TskTrayIcon::HideIcon()
{
    if (!previewing_)
        iconVisible_ = false;
    if (Designing() && !previewing_)
        return false;
    return SendIconData(NIM_DELETE);
}

bool TskTrayIcon::ModifyIcon() { return SendIconData(NIM_MODIFY); }

// The main form

void TskTrayIcon::ShowMainForm()
{
    gui::TForm* mainForm = gui::Application().MainForm();
    if (!OwnerControl() || !mainForm)
        return;
    // The application window stays hidden in this library; restoring the program
    // is what it stands for.
    gui::Application().Restore();
    mainForm->SetVisible(true);
    if (mainForm->HandleAllocated() && ::IsIconic(mainForm->Handle()))
        ::ShowWindow(mainForm->Handle(), SW_RESTORE);
}

void TskTrayIcon::HideMainForm()
{
    gui::TForm* mainForm = gui::Application().MainForm();
    if (!OwnerControl() || !mainForm)
        return;
    mainForm->SetVisible(false);
    ::ShowWindow(gui::Application().Handle(), SW_HIDE);
}

// Events

void TskTrayIcon::DoClick()
{
    if (OnClick)
        OnClick(this);
}

void TskTrayIcon::DoDblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TskTrayIcon::DoCycle(int nextIndex)
{
    if (OnCycle)
        OnCycle(this, nextIndex);
}

void TskTrayIcon::DoMouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TskTrayIcon::DoMouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TskTrayIcon::DoMouseMove(gui::TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TskTrayIcon::DoMinimizeToTray()
{
    HideMainForm();
    SetIconVisible(true);
}

// Window procedures

void TskTrayIcon::TrayWndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY:
        // Nobody but the component ends its window.
        message.Result = 1;
        break;
    case WM_TRAYNOTIFY:
        if (enabled_)
            TrayMouse(UINT(message.LParam));
        break;
    default:
        window_.DefaultHandler(message);
    }
}

void TskTrayIcon::TrayMouse(UINT mouseMessage)
{
    POINT p{};
    ::GetCursorPos(&p);
    gui::TShiftState shift = gui::KeyboardShiftState();
    switch (mouseMessage) {
    case WM_MOUSEMOVE:
        DoMouseMove(shift, p.x, p.y);
        break;
    case WM_LBUTTONDOWN:
        // The double-click time starts: a click is told only when it passes
        // without a second press.
        clickTimer_->SetEnabled(false);
        clickTimer_->SetEnabled(true);
        shift.Include(gui::ssLeft);
        DoMouseDown(gui::mbLeft, shift, p.x, p.y);
        clickStarted_ = true;
        if (popupByLeftButton_)
            PopupAtCursor();
        break;
    case WM_LBUTTONUP:
        shift.Include(gui::ssLeft);
        if (clickStarted_) {
            clickReady_ = true;
            if (!clickTimer_->Enabled()) {
                clickStarted_ = false;
                clickReady_ = false;
                DoClick();
            }
        }
        clickStarted_ = false;
        DoMouseUp(gui::mbLeft, shift, p.x, p.y);
        break;
    case WM_LBUTTONDBLCLK:
        clickReady_ = false;
        dblClicked_ = true;
        DoDblClick();
        if (popupMenu_ && popupMenu_->AutoPopup() && !popupByLeftButton_)
            ClickDefaultItem();
        break;
    case WM_RBUTTONDOWN:
        shift.Include(gui::ssRight);
        DoMouseDown(gui::mbRight, shift, p.x, p.y);
        PopupAtCursor();
        break;
    case WM_RBUTTONUP:
        DoMouseUp(gui::mbRight, shift, p.x, p.y);
        break;
    case WM_MBUTTONDOWN:
        shift.Include(gui::ssMiddle);
        DoMouseDown(gui::mbMiddle, shift, p.x, p.y);
        break;
    case WM_MBUTTONUP:
        shift.Include(gui::ssMiddle);
        DoMouseUp(gui::mbMiddle, shift, p.x, p.y);
        break;
    default:
        break;
    }
}

void TskTrayIcon::ClickTimerTick()
{
    clickTimer_->SetEnabled(false);
    if (!dblClicked_ && clickReady_) {
        clickReady_ = false;
        DoClick();
    }
    dblClicked_ = false;
}

void TskTrayIcon::AnimateTimerTick()
{
    if (!iconList_)
        return;
    iconList_->GetIcon(iconIndex_, icon_);
    const int next = iconIndex_ >= iconList_->Count() - 1 ? 0 : iconIndex_ + 1;
    DoCycle(next);
    ModifyIcon();
    SetIconIndex(next);
}

void TskTrayIcon::ClickDefaultItem()
{
    gui::TMenuItem& items = popupMenu_->Items();
    for (int i = 0; i < items.Count(); ++i)
        if (items.Items(i)->Default()) {
            items.Items(i)->Click();
            return;
        }
}

void TskTrayIcon::PopupAtCursor()
{
    if (!popupMenu_ || !popupMenu_->AutoPopup())
        return;
    POINT p{};
    if (!::GetCursorPos(&p))
        return;
    gui::Application().ProcessMessages();
    // What ran meanwhile may have taken the menu away.
    if (!popupMenu_)
        return;
    ::SetForegroundWindow(window_.Handle());
    gui::TWinControl* control = OwnerControl();
    if (control)
        ::SetForegroundWindow(control->Handle());
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(p.x, p.y);
    // Lets a menu close when the user clicks elsewhere.
    if (control)
        ::PostMessageA(control->Handle(), WM_NULL, 0, 0);
}

void TskTrayIcon::AppWndProc(gui::TMessage& message)
{
    if (message.Msg == WM_SIZE && message.WParam == SIZE_MINIMIZED && minimizeToTray_) {
        DoMinimizeToTray();
    } else if (message.Msg == WM_WINDOWPOSCHANGED && firstActivation_ && gui::Application().MainForm()) {
        // A multiple-document program that starts in the notification area
        // keeps its application window hidden the first time it is placed.
        firstActivation_ = false;
        if (gui::Application().MainForm()->FormStyle() == gui::fsMDIForm && minimizedOnStart_)
            ::ShowWindow(gui::Application().Handle(), SW_HIDE);
    } else if (message.Msg == TaskbarCreatedMessage && iconVisible_) {
        ShowIcon();
    }
    appHook_->CallNext(message);
}

void TskTrayIcon::OwnerWndProc(gui::TMessage& message)
{
    if (message.Msg == WM_SHOWWINDOW && message.LParam == 0 && message.WParam == 1) {
        // Showing the owner brings the whole program back.
        gui::Application().Restore();
        if (gui::TWinControl* control = OwnerControl())
            ::SetForegroundWindow(control->Handle());
    }
    ownerHook_->CallNext(message);
}

}  // namespace sk
