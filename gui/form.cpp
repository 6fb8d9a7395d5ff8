#include "gui/form.h"

#include "gui/exceptions.h"
#include "gui/screen.h"

namespace gui {

namespace {

constexpr char kFormClassName[] = "TForm";

HINSTANCE ProgramInstance() { return ::GetModuleHandleA(nullptr); }

void RegisterFormClass(WNDPROC procedure)
{
    static const ATOM atom = [procedure] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = ProgramInstance();
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kFormClassName;
        return ::RegisterClassExA(&wc);
    }();
    if (!atom)
        throw EOutOfResources("Error creating window class");
}

}  // namespace

TForm::TForm(TComponent* owner) : TComponent(owner)
{
    Screen().AddForm(this);
}

TForm::~TForm()
{
    // The form's components may still use its window while they go.
    DestroyComponents();
    Screen().RemoveForm(this);
    if (window_) {
        ::SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
        window_.Reset();
    }
}

HWND TForm::Handle()
{
    if (!window_)
        CreateHandle();
    return window_.Get();
}

void TForm::CreateHandle()
{
    RegisterFormClass(&TForm::WindowProcedure);
    // The window procedure takes ownership of the handle as early as WM_NCCREATE.
    const HWND window = ::CreateWindowExA(0, kFormClassName, Name().c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                          ProgramInstance(), this);
    if (!window)
        throw EOutOfResources("Error creating window");
}

void TForm::WndProc(TMessage& message) { DefaultHandler(message); }

void TForm::DefaultHandler(TMessage& message)
{
    message.Result = ::DefWindowProcA(window_.Get(), message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TForm::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* created = static_cast<TForm*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->window_.Reset(window);
    }
    auto* form = reinterpret_cast<TForm*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form)
        return ::DefWindowProcA(window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // Destroyed from outside: the form no longer owns a window.
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->window_.Release();
        return ::DefWindowProcA(window, msg, wParam, lParam);
    }
    TMessage message;
    message.Msg = msg;
    message.WParam = wParam;
    message.LParam = lParam;
    try {
        form->WndProc(message);
    } catch (...) {
        // An exception must not unwind through the system's frames; the message
        // counts as handled with a zero answer.
        message.Result = 0;
    }
    return message.Result;
}

}  // namespace gui
