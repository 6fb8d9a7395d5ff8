#include "gui/controls/application.h"

#include <windows.h>

#include "gui/controls/control.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/find_control.h"
#include "gui/controls/form.h"
#include "gui/controls/screen.h"
#include "gui/controls/utility_window.h"
#include "gui/controls/win_control.h"
#include "gui/core/exceptions.h"

namespace gui {

namespace {

std::string ProgramName()
{
    char path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, n < MAX_PATH ? n : 0);
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

}  // namespace

TApplication::TApplication()
    : TComponent(nullptr), title_(ProgramName()), windowProc_([this](TMessage& message) {
          if (message.Msg == CM_RELEASE)
              ReleaseForm(message);
          else if (window_)
              window_->DefaultHandler(message);
      })
{
}

void TApplication::ReleaseForm(TMessage& message)
{
    // Only a form that still lives is looked at; one freed meanwhile is not
    // listed any more, and one made since at the same place never asked.
    auto* form = reinterpret_cast<TForm*>(message.LParam);
    if (Screen().IndexOfForm(form) >= 0 && form->releasing_)
        delete form;
    message.Result = 0;
}

TApplication::~TApplication() = default;

void TApplication::HandleException(TComponent* sender)
{
    try {
        throw;
    } catch (const std::exception& error) {
        if (OnException)
            OnException(sender, error);
        else
            ShowException(error);
    } catch (...) {
        const Exception unknown("");
        if (OnException)
            OnException(sender, unknown);
        else
            ShowException(unknown);
    }
}

void TApplication::DispatchGuarded(TComponent* sender, TMessage& message, const TWndMethod& handler)
{
    try {
        handler(message);
    } catch (...) {
        message.Result = 0;
        try {
            HandleException(sender);
        } catch (...) {
            // A failing exception handler has nowhere further to report to.
        }
    }
}

void TApplication::ShowException(const std::exception& error)
{
    ::MessageBoxA(::GetActiveWindow(), error.what(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(int(msg.wParam));
            return;
        }
        Deliver(msg);
    }
}

TMessageLoopStep TApplication::HandleNextMessage(int& quitCode)
{
    MSG msg;
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
        quitCode = int(msg.wParam);
        return TMessageLoopStep::Quit;
    }
    if (got < 0)
        return TMessageLoopStep::Failed;
    Deliver(msg);
    return TMessageLoopStep::Handled;
}

void TApplication::Deliver(const MSG& msg)
{
    if (IsKeyMsg(msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

bool TApplication::IsKeyMsg(const MSG& msg)
{
    if (OnMessage) {
        MSG seen = msg;
        bool handled = false;
        TMessage guarded{msg.message, msg.wParam, msg.lParam};
        DispatchGuarded(this, guarded, [this, &seen, &handled](TMessage&) { OnMessage(seen, handled); });
        if (handled)
            return true;
    }
    if (EndsHint(msg.message))
        CancelHint();
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_CHAR &&
        msg.message != WM_SYSCHAR)
        return false;
    if (IsMDIMsg(msg))
        return true;
    // The control of the window, or of the nearest parent window that has one (a
    // native window inside a control).
    TWinControl* control = nullptr;
    for (HWND window = msg.hwnd; window && !control; window = ::GetAncestor(window, GA_PARENT))
        control = FindControl(window);
    if (!control)
        return false;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        TForm* form = GetParentForm(control);
        if (form && form->OnShortCut) {
            TMessage key{msg.message, msg.wParam, msg.lParam};
            bool handled = false;
            DispatchGuarded(form, key, [form, &handled](TMessage& m) { form->OnShortCut(m, handled); });
            if (handled)
                return true;
        }
    }
    TMessage message{CN_BASE + msg.message, msg.wParam, msg.lParam};
    DispatchGuarded(control, message, [control](TMessage& m) { control->WindowProc().Dispatch(m); });
    return message.Result != 0;
}

bool TApplication::IsMDIMsg(const MSG& msg)
{
    // Ctrl+F4 closes the active child of a multiple-document program, Ctrl+F6
    // and Ctrl+Tab go to the next one: keys pressed anywhere in the parent.
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    if (!mainForm_ || mainForm_->FormStyle() != fsMDIForm || !mainForm_->ClientHandle() || !mainForm_->ActiveMDIChild())
        return false;
    const HWND main = mainForm_->Handle();
    if (msg.hwnd != main && !::IsChild(main, msg.hwnd))
        return false;
    MSG copy = msg;
    return ::TranslateMDISysAccel(mainForm_->ClientHandle(), &copy) != FALSE;
}

void TApplication::MouseAt(TControl* control, TPoint screen)
{
    const bool moved = !mousePosKnown_ || screen.X != mousePos_.X || screen.Y != mousePos_.Y;
    mousePos_ = screen;
    mousePosKnown_ = true;
    if (control != mouseControl_) {
        SetMouseControl(control, moved);
    } else if (moved && hintAwaitsMove_) {
        hintAwaitsMove_ = false;
        HintMouseChanged(control);
    }
}

void TApplication::SetMouseControl(TControl* control, bool moved)
{
    TControl* left = mouseControl_;
    mouseControl_ = control;
    // A control can come under a mouse that did not move: it was enabled or
    // shown there, or a window over it went. It is told the mouse came, but its
    // hint waits until the mouse moves: a hint answers the mouse, not a change
    // of the program's state.
    hintAwaitsMove_ = !moved;
    if (moved)
        HintMouseChanged(control);
    else
        CancelHint();
    if (left)
        left->Perform(CM_MOUSELEAVE, 0, 0);
    // The leave handler may have moved the mouse control on or destroyed the new one.
    if (control && mouseControl_ == control)
        control->Perform(CM_MOUSEENTER, 0, 0);
}

void TApplication::ControlDestroying(TControl* control)
{
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
    if (hintControl_ == control)
        CancelHint();
}

TApplication& Application()
{
    static TApplication application;
    return application;
}

}  // namespace gui
