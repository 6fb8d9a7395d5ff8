// The application's own window and what it stands for: the program's icon, and
// the program minimized or restored as a whole.
#include <windows.h>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/utility_window.h"

namespace gui {

namespace {

struct IconRequest {
    int size;
    HICON icon;
};

BOOL CALLBACK TakeFirstIcon(HMODULE module, LPCSTR, LPSTR name, LONG_PTR data)
{
    auto* request = reinterpret_cast<IconRequest*>(data);
    request->icon =
        HICON(::LoadImageA(module, name, IMAGE_ICON, request->size, request->size, LR_SHARED));
    return FALSE;
}

// The program file's first icon in a size, else the system's application icon.
HICON ProgramIcon(int size)
{
    IconRequest request{size, nullptr};
    ::EnumResourceNamesA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, &TakeFirstIcon,
                         reinterpret_cast<LONG_PTR>(&request));
    if (!request.icon)
        request.icon = HICON(::LoadImageA(nullptr, MAKEINTRESOURCEA(32512) /* IDI_APPLICATION */, IMAGE_ICON,
                                          size, size, LR_SHARED));
    return request.icon;
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
    if (!icon_)
        icon_ = ProgramIcon(::GetSystemMetrics(SM_CXICON));
    return icon_;
}

HICON TApplication::SmallIcon()
{
    if (!smallIcon_)
        smallIcon_ = ProgramIcon(::GetSystemMetrics(SM_CXSMICON));
    return smallIcon_;
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
