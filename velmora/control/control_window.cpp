// The control's window: the hidden helper through which its threads report, the
// visible child while a container has it in-place active, and the handler that
// turns the private messages into events.
#include "control/cd_ripper.h"

#include <functional>
#include <utility>

#include "idl/event_ids.h"
#include "control/window_class.h"
#include "extract/messages.h"

namespace velmora {
namespace {

// The mark of a window whose control was released on another thread than the
// window's: no control's address.
const LONG_PTR kOrphan = 1;
// Posted to such a window: it closes itself on its own thread, the only one that may.
constexpr UINT WM_RIPPER_CLOSEORPHAN = 1132;

// What an orphaned window still receives: the worker's last messages, and its close.
LRESULT OrphanMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_RIPPER_CLOSEORPHAN:
        ::DestroyWindow(window);
        return 0;
    case WM_RIPPER_EXTRACTIONERROR:
        ::SysFreeString(reinterpret_cast<BSTR>(wParam));
        return 0;
    case WM_RIPPER_OVERWRITEPROMPT:  // nothing is overwritten for a control that is gone
    case WM_RIPPER_CALL:             // the call does not run: the caller sees it did not
        return 0;
    default:
        break;
    }
    if (msg >= WM_RIPPER_DISKCHANGED && msg <= WM_RIPPER_PROGRESS)
        return 0;
    return ::DefWindowProcW(window, msg, wParam, lParam);
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        // Every window keeps the module loaded while it exists: its procedure is here.
        ControlWindowMade(window);
    }
    const LONG_PTR data = ::GetWindowLongPtrW(window, GWLP_USERDATA);
    LRESULT result;
    if (data == kOrphan)
        result = OrphanMessage(window, msg, wParam, lParam);
    else if (data)
        result = reinterpret_cast<VelCDRipper*>(data)->OnMessage(window, msg, wParam, lParam);
    else
        result = ::DefWindowProcW(window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        ControlWindowGone(window);
    return result;
}

// Only a window's own thread may destroy it. On that thread the window goes at once,
// with the texts of the error messages still queued for it. A control released on
// another thread leaves its window to close itself on its own thread; until then
// the window answers for itself and keeps the module loaded. A thread that ends
// first takes its windows with it.
void CloseControlWindow(HWND window)
{
    if (::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId()) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, kOrphan);
        ::PostMessageW(window, WM_RIPPER_CLOSEORPHAN, 0, 0);
        return;
    }
    MSG msg;
    while (::PeekMessageW(&msg, window, WM_RIPPER_EXTRACTIONERROR, WM_RIPPER_EXTRACTIONERROR, PM_REMOVE))
        ::SysFreeString(reinterpret_cast<BSTR>(msg.wParam));
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    ::DestroyWindow(window);
}

}  // namespace

HRESULT VelCDRipper::CreateHelperWindow()
{
    if (!RegisterControlWindowClass(ControlWindowProc))
        return HRESULT_FROM_WIN32(::GetLastError());
    window_ = ::CreateWindowExW(0, kControlWindowClass, L"VelCDRipperHelper", WS_POPUP, 0, 0, 100, 100,
                                nullptr, nullptr, com::ModuleInstance(), this);
    if (!window_) {
        const DWORD error = ::GetLastError();
        return HRESULT_FROM_WIN32(error ? error : ERROR_INVALID_WINDOW_HANDLE);
    }
    return S_OK;
}

void VelCDRipper::DestroyControlWindow()
{
    if (inPlaceWindow_)
        CloseControlWindow(std::exchange(inPlaceWindow_, nullptr));
    if (window_)
        CloseControlWindow(std::exchange(window_, nullptr));
}

int VelCDRipper::AskOverwrite()
{
    if (destroying_)
        return 0;
    if (!overwritePrompt_)
        return 1;
    const int answer = ::MessageBoxW(window_, L"File already exists. Do you wish to overwrite it?",
                                     L"Quenlit", MB_YESNO | MB_ICONQUESTION);
    return answer == IDYES ? 1 : 0;
}

void VelCDRipper::DrawIcon(HDC dc, int left, int top) const
{
    if (icon_)
        ::DrawIconEx(dc, left, top, icon_, 0, 0, 0, nullptr, DI_NORMAL);
}

LRESULT VelCDRipper::OnMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // A sink (or an encoder called here) may release the host's last reference from
    // inside an event: the control then goes away only once the handler has returned,
    // and not while the worker waits for the call to come back.
    win::ComPtr<IVelCDRipper> self;
    if (((msg >= WM_RIPPER_DISKCHANGED && msg <= WM_RIPPER_CALL) || msg == WM_RIPPER_EVENTS) && !destroying_)
        self = static_cast<IVelCDRipper*>(this);
    switch (msg) {
    case WM_RIPPER_EVENTS: {
        // The worker's reports, oldest first, each as if it had been posted alone. A
        // sink that runs a message loop takes the later ones there, in order.
        EventQueue& events = extraction_->Events();
        events.Woken();
        UINT report = 0;
        WPARAM value = 0;
        while (!destroying_ && events.Take(report, value))
            OnMessage(window, report, value, 0);
        return 0;
    }
    case WM_RIPPER_DISKCHANGED:
        events_.Fire(DISPID_ONDISKCHANGED, nullptr);
        return 0;
    case WM_RIPPER_EXTRACTIONSTART:
        events_.Fire(DISPID_ONEXTRACTIONSTART, nullptr);
        return 0;
    case WM_RIPPER_EXTRACTIONEND:
        events_.Fire(DISPID_ONEXTRACTIONEND, nullptr);
        return 0;
    case WM_RIPPER_EXTRACTIONERROR: {
        BSTR text = reinterpret_cast<BSTR>(wParam);
        events_.FireText(DISPID_ONEXTRACTIONERROR, text);
        ::SysFreeString(text);
        return 0;
    }
    case WM_RIPPER_JITTERDETECTED:
        events_.Fire(DISPID_ONJITTERDETECTED, nullptr);
        return 0;
    case WM_RIPPER_PROGRESS: {
        VARIANT percent;
        ::VariantInit(&percent);
        percent.vt = VT_I4;
        percent.lVal = static_cast<LONG>(wParam);
        DISPPARAMS params{&percent, nullptr, 1, 0};
        events_.Fire(DISPID_ONPROGRESS, &params);
        return 0;
    }
    case WM_RIPPER_OVERWRITEPROMPT:
        return AskOverwrite();
    case WM_RIPPER_CALL:
        // The worker calling an encoder that lives on this thread.
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        DrawIcon(dc, 0, 0);
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_MOUSEACTIVATE:
        if (window == inPlaceWindow_ && !uiActive_)
            InPlaceActivate(OLEIVERB_UIACTIVATE);
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace velmora
