// From windows and screen points to the program's controls.
#pragma once

#include <windows.h>

#include "gui/core/types.h"

namespace gui {

class TControl;
class TWinControl;

// The control whose window this is; none for a window of no control, or of
// another process.
TWinControl* FindControl(HWND window);
// The control under a screen point: the innermost graphic child there, or the
// windowed control whose window (or a native child window of it) lies there.
TControl* FindDragTarget(TPoint screenPoint, bool allowDisabled);

}  // namespace gui
