#include "gui/animate.h"

#include <commctrl.h>

#include "gui/exceptions.h"

namespace gui {

namespace {

// The clips' resource numbers in the shell's library.
int ClipResource(TCommonAVI avi)
{
    static const int ids[] = {0, 150, 151, 152, 160, 161, 162, 163, 164};
    return ids[avi];
}

}  // namespace

TAnimate::TAnimate(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 100, 80);
}

void TAnimate::SetCommonAVI(TCommonAVI value)
{
    if (value == commonAVI_)
        return;
    commonAVI_ = value;
    if (HandleAllocated())
        OpenClip();
}

void TAnimate::SetActive(bool value)
{
    active_ = value;
    if (!HandleAllocated() || !opened_)
        return;
    if (value) {
        // From, to (0xFFFF: the end) and repeat (-1: for ever).
        const WORD to = stopFrame_ < 0 ? WORD(0xFFFF) : WORD(stopFrame_);
        // A system whose clip is shorter than the stop frame refuses the range:
        // such a clip plays to its own end rather than not at all.
        if (!::SendMessageA(Handle(), ACM_PLAY, WPARAM(-1), MAKELPARAM(WORD(startFrame_), to)) && to != 0xFFFF)
            ::SendMessageA(Handle(), ACM_PLAY, WPARAM(-1), MAKELPARAM(WORD(startFrame_), WORD(0xFFFF)));
    } else {
        ::SendMessageA(Handle(), ACM_STOP, 0, 0);
    }
}

void TAnimate::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_ANIMATE_CLASS};
    ::InitCommonControlsEx(&init);
    WNDCLASSA native{};
    if (!::GetClassInfoA(nullptr, ANIMATE_CLASSA, &native))
        throw EOutOfResources("Error creating window class");
    params.WindowClass.lpfnWndProc = native.lpfnWndProc;
    params.WindowClass.cbClsExtra = native.cbClsExtra;
    params.WindowClass.cbWndExtra = native.cbWndExtra;
    params.WinClassName = "TAnimate";
    params.Style |= ACS_TRANSPARENT | ACS_CENTER;
}

void TAnimate::CreateWnd()
{
    TWinControl::CreateWnd();
    OpenClip();
}

void TAnimate::OpenClip()
{
    opened_ = false;
    ::SendMessageA(Handle(), ACM_OPENA, 0, 0);  // closes what was open
    if (commonAVI_ == aviNone)
        return;
    HMODULE shell = ::GetModuleHandleA("shell32.dll");
    if (!shell)
        shell = ::LoadLibraryA("shell32.dll");
    if (!shell)
        return;
    opened_ = ::SendMessageA(Handle(), ACM_OPENA, reinterpret_cast<WPARAM>(shell),
                             reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(ClipResource(commonAVI_)))) != 0;
    if (active_)
        SetActive(true);
}

void TAnimate::WndProc(TMessage& message)
{
    // The control paints and erases itself.
    if (message.Msg == WM_PAINT || message.Msg == WM_ERASEBKGND)
        DefaultHandler(message);
    else
        TWinControl::WndProc(message);
}

}  // namespace gui
