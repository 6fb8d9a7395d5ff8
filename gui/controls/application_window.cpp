// The application's own window and what it stands for: the program's icon, and
// the program minimized or restored as a whole.
#include <windows.h>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/utility_window.h"

namespace gui {

namespace {

BOOL CALLBACK TakeFirstIconName(HMODULE module, LPCSTR, LPSTR name, LONG_PTR data)
{
    *reinterpret_cast<HICON*>(data) = ::LoadIconA(module, name);
    return FALSE;
}

}  // namespace

HWND TApplication::Handle()
{
    if (!window_)
        window_ = std::make_unique<TUtilityWindow>([this](TMessage& m) { windowProc_.Dispatch(m); });
    return window_->Handle();
}

HICON TApplication::Icon()
{
    if (!icon_) {
        ::EnumResourceNamesA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */,
                             &TakeFirstIconName, reinterpret_cast<LONG_PTR>(&icon_));
        if (!icon_)
            icon_ = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512) /* IDI_APPLICATION */);
    }
    return icon_;
}

void TApplication::Minimize()
{
    if (minimized_)
        return;
    minimized_ = true;
    if (mainForm_ && mainForm_->HandleAllocated())
        ::ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
    ::SendMessageA(Handle(), WM_SIZE, SIZE_MINIMIZED, 0);
}

void TApplication::Restore()
{
    if (!minimized_)
        return;
    minimized_ = false;
    if (mainForm_ && mainForm_->HandleAllocated() && ::IsIconic(mainForm_->Handle()))
        ::ShowWindow(mainForm_->Handle(), SW_RESTORE);
    ::SendMessageA(Handle(), WM_SIZE, SIZE_RESTORED, 0);
}

// The main form minimized or brought back by the system (its taskbar button, a
// window manager) rather than by Minimize or Restore: the program follows, so
// that it knows its state and the next Minimize works.
void TApplication::MainFormSized(WPARAM kind)
{
    if (kind == SIZE_MINIMIZED && !minimized_) {
        minimized_ = true;
        ::SendMessageA(Handle(), WM_SIZE, SIZE_MINIMIZED, 0);
    } else if ((kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED) && minimized_) {
        minimized_ = false;
        ::SendMessageA(Handle(), WM_SIZE, SIZE_RESTORED, 0);
    }
}

}  // namespace gui
