// Holds the painting of a native view off while its content changes in bulk.
// Calls nest: the first Begin stops the window's redraw, the last matching End
// lets it redraw all of itself. The window may not exist yet (none is null); a
// window made while the lock is held starts without redraw too.
#pragma once

#include <windows.h>

namespace gui {

class TRedrawLock {
public:
    void Begin(HWND window)
    {
        if (count_++ == 0 && window)
            ::SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    }

    void End(HWND window)
    {
        if (count_ == 0 || --count_ > 0)
            return;
        if (window) {
            ::SendMessageA(window, WM_SETREDRAW, TRUE, 0);
            ::InvalidateRect(window, nullptr, TRUE);
        }
    }

    // For a window just made: stops its redraw while the lock is held.
    void Apply(HWND window) const
    {
        if (count_ > 0)
            ::SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    }

private:
    int count_ = 0;
};

}  // namespace gui
