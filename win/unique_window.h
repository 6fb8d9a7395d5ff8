// An owned window: destroyed with its wrapper, on the pattern of unique_handle.h.
#pragma once

#include <windows.h>

#include "win/unique_handle.h"

namespace win {

struct WindowTraits {
    using Type = HWND;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { ::DestroyWindow(handle); }
};

using UniqueWindow = UniqueResource<WindowTraits>;

}  // namespace win
