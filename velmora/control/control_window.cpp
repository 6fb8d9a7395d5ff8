// The control's window: the hidden helper through which its threads report, the
// visible child while a container has it in-place active, and the handler that
// turns the private messages into events.
#include "control/cd_ripper.h"

#include <functional>
#include <mutex>

#include "control/event_ids.h"
#include "extract/messages.h"

namespace velmora {
namespace {

const wchar_t kWindowClass[] = L"VelCDRipperWindow";
std::mutex g_classLock;
int g_classUsers = 0;  // controls that hold the window class registered

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* control = reinterpret_cast<VelCDRipper*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (control)
        return control->OnMessage(window, msg, wParam, lParam);
    return ::DefWindowProcW(window, msg, wParam, lParam);
}

// The class is registered while any control lives, so that the module can be
// unloaded without leaving a class whose procedure points into it.
bool AcquireWindowClass()
{
    std::lock_guard<std::mutex> guard(g_classLock);
    if (g_classUsers == 0) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = ControlWindowProc;
        wc.hInstance = com::ModuleInstance();
        wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kWindowClass;
        if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return false;
    }
    ++g_classUsers;
    return true;
}

void ReleaseWindowClass()
{
    std::lock_guard<std::mutex> guard(g_classLock);
    if (--g_classUsers == 0)
        ::UnregisterClassW(kWindowClass, com::ModuleInstance());
}

}  // namespace

HRESULT VelCDRipper::CreateHelperWindow()
{
    if (!AcquireWindowClass())
        return HRESULT_FROM_WIN32(::GetLastError());
    window_ = ::CreateWindowExW(0, kWindowClass, L"VelCDRipperHelper", WS_POPUP, 0, 0, 100, 100,
                                nullptr, nullptr, com::ModuleInstance(), this);
    if (!window_) {
        const DWORD error = ::GetLastError();
        ReleaseWindowClass();
        return HRESULT_FROM_WIN32(error ? error : ERROR_INVALID_WINDOW_HANDLE);
    }
    return S_OK;
}

void VelCDRipper::DestroyControlWindow()
{
    if (inPlaceWindow_) {
        ::DestroyWindow(inPlaceWindow_);
        inPlaceWindow_ = nullptr;
    }
    if (!window_)
        return;
    // Texts of error messages still queued belong to those messages.
    MSG msg;
    while (::PeekMessageW(&msg, window_, WM_RIPPER_EXTRACTIONERROR, WM_RIPPER_EXTRACTIONERROR,
                          PM_REMOVE))
        ::SysFreeString(reinterpret_cast<BSTR>(msg.wParam));
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
    window_ = nullptr;
    ReleaseWindowClass();
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
    // A sink may release the host's last reference from inside an event: the control
    // then goes away only once the handler has returned.
    win::ComPtr<IVelCDRipper> self;
    if (msg >= WM_RIPPER_DISKCHANGED && msg <= WM_RIPPER_PROGRESS && !destroying_)
        self = static_cast<IVelCDRipper*>(this);
    switch (msg) {
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
