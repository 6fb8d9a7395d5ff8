// A control's picture blended over whatever lies behind the control.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gui/controls/control.h"
#include "gui/graphics/bitmap.h"

namespace sk {

// Draws Image at (0, 0) of DC blended over what lies behind Control: at Alpha
// 255 only the image shows, at 0 only what lies behind.
void DrawBlendedOverParent(gui::TControl& Control, gui::TBitmap& Image, uint8_t Alpha, HDC DC);

}  // namespace sk
