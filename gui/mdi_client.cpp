#include "gui/mdi_client.h"

#include "gui/application.h"
#include "gui/exceptions.h"

namespace gui {

namespace {

// The window property that leads from the client window to its wrapper.
LPCSTR ClientProperty()
{
    static const ATOM atom = ::GlobalAddAtomA("gui.TMDIClient");
    return MAKEINTATOM(atom);
}

// The first command number of the children's entries in a window menu of the
// system's; far above the numbers the program's menu items take.
constexpr UINT kFirstChildId = 0xFF00;

// The window computes its frame anew, so that handlers that take part in it (or
// stop taking part) show at once.
void RecalcFrame(HWND window)
{
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

TMDIClient::TMDIClient() : chain_([this](TMessage& m) { CallSystem(m); })
{
    chain_.OnHookedChanged = [this] { HookedChanged(); };
}

TMDIClient::~TMDIClient()
{
    chain_.OnHookedChanged = nullptr;
    Unsubclass();
    if (window_ && subclassed_)
        ::RemovePropA(window_, ClientProperty());
}

void TMDIClient::Create(HWND frame, const TRect& bounds)
{
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = nullptr;
    ccs.idFirstChild = kFirstChildId;
    window_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL,
                                bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top, frame,
                                nullptr, ::GetModuleHandleA(nullptr), &ccs);
    if (!window_)
        throw EOutOfResources("Error creating window");
    subclassed_ = false;
    if (chain_.Hooked())
        Subclass();
}

void TMDIClient::SetBounds(const TRect& bounds)
{
    if (!window_)
        return;
    ::SetWindowPos(window_, HWND_BOTTOM, bounds.Left, bounds.Top, bounds.Right - bounds.Left,
                   bounds.Bottom - bounds.Top, SWP_NOACTIVATE);
}

void TMDIClient::FrameDestroyed()
{
    if (window_ && subclassed_)
        ::RemovePropA(window_, ClientProperty());
    window_ = nullptr;
    subclassed_ = false;
}

void TMDIClient::HookedChanged()
{
    if (chain_.Hooked())
        Subclass();
    else
        Unsubclass();
}

void TMDIClient::Subclass()
{
    if (!window_ || subclassed_)
        return;
    ::SetPropA(window_, ClientProperty(), this);
    systemProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMDIClient::SubclassProc)));
    subclassed_ = true;
    RecalcFrame(window_);
}

void TMDIClient::Unsubclass()
{
    if (!window_ || !subclassed_)
        return;
    // Someone who subclassed the window after us still calls our procedure,
    // which then passes everything straight to the system's.
    if (::GetWindowLongPtrA(window_, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&TMDIClient::SubclassProc))
        return;
    ::SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
    ::RemovePropA(window_, ClientProperty());
    subclassed_ = false;
    RecalcFrame(window_);
}

void TMDIClient::CallSystem(TMessage& message)
{
    if (!window_)
        return;
    const WNDPROC proc = systemProc_ ? systemProc_ : reinterpret_cast<WNDPROC>(::GetClassLongPtrA(window_, GCLP_WNDPROC));
    message.Result = ::CallWindowProcA(proc, window_, message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TMDIClient::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<TMDIClient*>(::GetPropA(window, ClientProperty()));
    if (!self) {
        // Left in place under a later subclass after its wrapper went: the
        // class's own procedure answers.
        return ::CallWindowProcA(reinterpret_cast<WNDPROC>(::GetClassLongPtrA(window, GCLP_WNDPROC)), window, msg,
                                 wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        const WNDPROC proc = self->systemProc_;
        ::RemovePropA(window, ClientProperty());
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
        self->window_ = nullptr;
        self->subclassed_ = false;
        return ::CallWindowProcA(proc, window, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam};
    if (self->subclassed_ && self->chain_.Hooked())
        Application().DispatchGuarded(nullptr, message, [self](TMessage& m) { self->chain_.Dispatch(m); });
    else
        self->CallSystem(message);
    return message.Result;
}

}  // namespace gui
