#include "gui/controls/utility_window.h"

#include "gui/controls/application.h"
#include "gui/core/exceptions.h"

namespace gui {

namespace {

constexpr char kClassName[] = "TPUtilWindow";

}  // namespace

TUtilityWindow::TUtilityWindow(TWndMethod method) : method_(std::move(method))
{
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    static const ATOM atom = [instance] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &TUtilityWindow::WindowProcedure;
        wc.hInstance = instance;
        wc.lpszClassName = kClassName;
        return ::RegisterClassA(&wc);
    }();
    // A hidden top-level window rather than a message-only one: broadcasts
    // (a restarted taskbar's) reach it too.
    if (atom)
        window_.Reset(::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                        instance, nullptr));
    if (!window_)
        throw EOutOfResources("Error creating window");
    ::SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TUtilityWindow::~TUtilityWindow()
{
    ::SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
}

void TUtilityWindow::DefaultHandler(TMessage& message)
{
    message.Result = ::DefWindowProcA(window_.Get(), message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TUtilityWindow::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TUtilityWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcA(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam};
    Application().DispatchGuarded(nullptr, message, self->method_);
    return message.Result;
}

}  // namespace gui
