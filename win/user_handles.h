// Owning wrappers for window-manager objects other than windows, on the pattern
// of unique_handle.h.
#pragma once

#include <windows.h>

#include "win/unique_handle.h"

namespace win {

struct CursorTraits {  // cursors the program made or loaded from a file
    using Type = HCURSOR;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { ::DestroyCursor(handle); }
};

using UniqueCursor = UniqueResource<CursorTraits>;

struct MenuTraits {  // menus the program made and has not given to a window
    using Type = HMENU;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { ::DestroyMenu(handle); }
};

using UniqueMenu = UniqueResource<MenuTraits>;

struct IconTraits {  // icons the program made or copied (never shared system icons)
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { ::DestroyIcon(handle); }
};

using UniqueIcon = UniqueResource<IconTraits>;

}  // namespace win
