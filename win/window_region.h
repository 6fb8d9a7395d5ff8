// Gives a window its shape. The system owns a region once a window has it and
// deletes the one it replaces, so the owner lets go of it only when the window
// took it; an empty owner takes the shape away.
#pragma once

#include <windows.h>

#include <utility>

#include "win/gdi_handles.h"

namespace win {

// True when the window took the region (or, for an empty one, lost its shape).
inline bool SetWindowRegion(HWND window, UniqueRegion region, bool redraw = true)
{
    if (!::SetWindowRgn(window, region.Get(), redraw ? TRUE : FALSE))
        return false;
    region.Release();
    return true;
}

}  // namespace win
