// Owning wrappers for window-manager objects other than windows, on the pattern
// of unique_handle.h.
#pragma once

#include <windows.h>

#include "win/unique_handle.h"

namespace win {

struct CursorTraits {  // cursors the program made or loaded from a file
    using Type = HCURSOR;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::DestroyCursor(h); }
};

using UniqueCursor = UniqueResource<CursorTraits>;

struct MenuTraits {  // menus the program made and has not given to a window
    using Type = HMENU;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::DestroyMenu(h); }
};

using UniqueMenu = UniqueResource<MenuTraits>;

struct IconTraits {  // icons the program made or copied (never shared system icons)
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::DestroyIcon(h); }
};

using UniqueIcon = UniqueResource<IconTraits>;

}  // namespace win
