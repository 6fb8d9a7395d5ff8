#include "gui/native/window_subclass.h"

#include <commctrl.h>

#include "gui/controls/application.h"
#include "gui/core/exceptions.h"

namespace gui {

TWindowSubclass::TWindowSubclass(HWND window, THandler handler) : window_(window), handler_(std::move(handler))
{
    if (!::SetWindowSubclass(window, &Procedure, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
        throw EOutOfResources("Cannot subclass the window");
}

TWindowSubclass::~TWindowSubclass()
{
    if (window_)
        ::RemoveWindowSubclass(window_, &Procedure, reinterpret_cast<UINT_PTR>(this));
}

void TWindowSubclass::CallNext(TMessage& message)
{
    if (window_)
        message.Result = ::DefSubclassProc(window_, message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TWindowSubclass::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR data)
{
    auto* self = reinterpret_cast<TWindowSubclass*>(data);
    if (msg == WM_NCDESTROY) {
        // The window goes: the handler lets go of it first.
        ::RemoveWindowSubclass(window, &Procedure, id);
        self->window_ = nullptr;
        return ::DefSubclassProc(window, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam};
    Application().DispatchGuarded(nullptr, message, [self](TMessage& m) { self->handler_(m); });
    return message.Result;
}

}  // namespace gui
