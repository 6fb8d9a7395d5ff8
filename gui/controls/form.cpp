#include "gui/controls/form.h"

#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/find_control.h"
#include "gui/controls/mdi_client.h"
#include "gui/controls/screen.h"
#include "gui/controls/shift_state.h"
#include "gui/core/exceptions.h"
#include "gui/core/scope_exit.h"

namespace gui {

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen().AddForm(this);
}

TForm::~TForm()
{
    Destroying();
    // The form's components may still use its window while they go.
    DestroyComponents();
    // The window goes as a form's: a child form leaves its parent's list of
    // children through the client window.
    DestroyHandle();
    Screen().RemoveForm(this);
}

void TForm::Show()
{
    SetVisible(true);
    if (formStyle_ == fsMDIChild)
        ShowMDIChild();
    else
        BringToFront();
}

void TForm::Close()
{
    // A modal form ends its loop as Cancel ends it, which hides it only once
    // the other windows are enabled again: hidden now, it would leave the
    // system no window of the program to activate.
    if (inModalLoop_)
        modalResult_ = mrCancel;
    else if (formStyle_ == fsMDIChild)
        Release();
    else
        Hide();
}

void TForm::Release()
{
    if (releasing_)
        return;
    releasing_ = true;
    ::PostMessageA(Application().Handle(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(this));
}

void TForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    if (HandleAllocated() && !Parent())
        RecreateWnd();
}

void TForm::SetFormStyle(TFormStyle value)
{
    if (value == formStyle_)
        return;
    formStyle_ = value;
    if (value == fsMDIForm && !mdiClient_)
        mdiClient_ = std::make_unique<TMDIClient>();
    if (HandleAllocated() && !Parent())
        RecreateWnd();
}

namespace {

BOOL CALLBACK DisableWindow(HWND window, LPARAM list)
{
    if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        ::EnableWindow(window, FALSE);
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

}  // namespace

TModalResult TForm::ShowModal()
{
    if (Visible())
        throw EInvalidOperation("Cannot make a visible window modal");
    HWND own = Handle();
    std::vector<HWND> disabled;
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
    ::EnableWindow(own, TRUE);
    modalResult_ = mrNone;
    inModalLoop_ = true;
    const auto loopEnded = ScopeExit([this] { inModalLoop_ = false; });
    {
        // The other windows come back before this one hides, so that the system
        // activates one of them instead of some other program's.
        const auto enableOthers = ScopeExit([&disabled] {
            for (HWND window : disabled)
                if (::IsWindow(window))
                    ::EnableWindow(window, TRUE);
        });
        Show();
        ::SetActiveWindow(own);
        // As in a dialog box, the keys go to its first control unless one of its
        // controls took the focus already.
        if (!ActiveControl() || ActiveControl() == this)
            SelectNext(nullptr, true, true);
        while (modalResult_ == mrNone) {
            if (!Visible()) {
                modalResult_ = mrCancel;
                break;
            }
            int quitCode = 0;
            const TMessageLoopStep step = Application().HandleNextMessage(quitCode);
            if (step == TMessageLoopStep::Quit) {
                // The program is ending: the outer loop gets its quit message back.
                ::PostQuitMessage(quitCode);
                modalResult_ = mrCancel;
                break;
            }
            if (step == TMessageLoopStep::Failed)
                break;
        }
    }
    Hide();
    return modalResult_;
}

TWinControl* TForm::ActiveControl() const
{
    TWinControl* focused = FindControl(::GetFocus());
    return focused && (focused == this || ContainsControl(focused)) ? focused : nullptr;
}

void TForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.WinClassName = "TForm";
    params.WindowClass.hIcon = Application().Icon();
    if (Parent())
        return;
    switch (borderStyle_) {
    case bsNone:
        params.Style = WS_POPUP;
        break;
    case bsSingle:
        params.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        break;
    case bsSizeable:
        params.Style = WS_OVERLAPPEDWINDOW;
        break;
    case bsDialog:
        params.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        params.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        params.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    params.Style |= WS_CLIPCHILDREN;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    params.WndParent = nullptr;
    if (formStyle_ == fsMDIChild)
        MDIChildCreateParams(params);
}

void TForm::ShowProgramIcon()
{
    // A window of its own on the desktop shows the program's icon: in a task
    // bar, a window manager's menus, the task switcher.
    if (Parent() || formStyle_ == fsMDIChild)
        return;
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application().Icon()));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application().SmallIcon()));
}

void TForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_VISIBLECHANGED:
        CMVisibleChanged(message);
        break;
    case WM_CLOSE:
        WMClose(message);
        break;
    case CM_DIALOGKEY:
        CMDialogKey(message);
        break;
    case WM_ACTIVATE:
        WMActivate(message);
        break;
    case WM_SIZE:
        TWinControl::WndProc(message);
        if (Application().MainForm() == this)
            Application().MainFormSized(message.WParam);
        // The client window fills what the aligned controls leave, also when
        // only the frame changed and the form kept its size.
        if (mdiClient_ && mdiClient_->Handle())
            Realign();
        break;
    case WM_DESTROY:
        if (mdiClient_)
            mdiClient_->FrameDestroyed();
        TWinControl::WndProc(message);
        break;
    case CM_FOCUSCHANGED:
        CMFocusChanged(message);
        TWinControl::WndProc(message);
        break;
    case WM_MDIACTIVATE:
        WMMDIActivate(message);
        break;
    default:
        TWinControl::WndProc(message);
    }
}

void TForm::CMVisibleChanged(TMessage& message)
{
    if (formStyle_ == fsMDIChild && !Parent()) {
        if (Visible())
            HandleNeeded();
        if (!HandleAllocated())
            return;
        if (Visible())
            ShowMDIChild();
        else
            HideMDIChild();
        return;
    }
    if (!Parent() && Visible() && position_ == poScreenCenter)
        SetBounds((::GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (::GetSystemMetrics(SM_CYSCREEN) - Height()) / 2,
                  Width(), Height());
    // A top-level form shown without a window gets one, made visible.
    if (!Parent() && Visible() && !HandleAllocated())
        HandleNeeded();
    else
        TWinControl::WndProc(message);
}

void TForm::CMDialogKey(TMessage& message)
{
    // Tab and Shift+Tab take the focus round the form's tab stops; Ctrl+Tab and
    // Alt+Tab are not the form's.
    const TShiftState shift = KeyboardShiftState();
    if (message.WParam == VK_TAB && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
        SelectNext(ActiveControl(), !shift.Contains(ssShift), true);
        message.Result = 1;
        return;
    }
    TWinControl::WndProc(message);
}

void TForm::WMActivate(TMessage& message)
{
    // The system gives an activated window the focus itself; the keys belong to
    // the control that had them when the form was left, or to its first tab stop.
    TWinControl::WndProc(message);
    if (LOWORD(message.WParam) == WA_INACTIVE || HIWORD(message.WParam) != 0 || !HandleAllocated())
        return;
    const HWND focus = ::GetFocus();
    if (focus && focus != Handle())
        return;
    if (lastFocused_ && ContainsControl(lastFocused_) && lastFocused_->CanFocus())
        lastFocused_->SetFocus();
    else
        SelectNext(nullptr, true, true);
}

void TForm::WMClose(TMessage& message)
{
    // The default handling would destroy the window under the form, which still
    // counts itself visible and would show a new one at its next use.
    Close();
    message.Result = 0;
}

TForm* GetParentForm(TControl* control)
{
    if (!control)
        return nullptr;
    while (control->Parent())
        control = control->Parent();
    return dynamic_cast<TForm*>(control);
}

}  // namespace gui
