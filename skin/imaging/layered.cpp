#include "skin/imaging/layered.h"

#include "gui/graphics/canvas.h"
#include "win/gdi_handles.h"
#include "win/unique_handle.h"

namespace sk {

bool IsLayeredWindowSupported() { return IsLayeredWindowSupported(::GetVersion()); }

bool IsLayeredWindowSupported(DWORD version)
{
    const DWORD major = LOBYTE(LOWORD(version));
    return major >= 5;
}

void SetWindowAlpha(HWND window, BYTE alpha)
{
    // Looked up at run time: the function does not exist before Windows 2000.
    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    win::UniqueModule user32(::LoadLibraryA("USER32"));
    if (!user32)
        return;
    const auto setAttributes = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(::GetProcAddress(user32.Get(), "SetLayeredWindowAttributes")));
    if (setAttributes)
        setAttributes(window, 0, alpha, LWA_ALPHA);
}

void GrabScreenArea(int x, int y, gui::TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    win::WindowDC screen;
    ::BitBlt(bitmap.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), screen.Get(), x, y, SRCCOPY);
}

}  // namespace sk
