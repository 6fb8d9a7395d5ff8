// Layered (alpha-blended) windows and the fallback for systems without them:
// painting what the screen showed behind a window.
#pragma once

#include <windows.h>

#include "gui/graphics/bitmap.h"

namespace sk {

// Whether the system runs layered windows: from Windows 2000 (version 5.0) on.
// `version` is in GetVersion's form (major version in the lowest byte, minor in
// the next); the first form asks the running system.
bool IsLayeredWindowSupported();
bool IsLayeredWindowSupported(DWORD version);

// Sets a layered window's constant alpha; silently nothing where the system has
// no layered windows.
void SetWindowAlpha(HWND window, BYTE alpha);

// Copies the screen area at (x, y) of the bitmap's size into the bitmap.
void GrabScreenArea(int x, int y, gui::TBitmap& bitmap);

}  // namespace sk
