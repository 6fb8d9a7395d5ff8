// A control's picture blended over whatever lies behind the control.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gui/controls/control.h"
#include "gui/graphics/bitmap.h"

namespace sk {

// Draws `image` at (0, 0) of `dc` blended over what lies behind `control`: at
// `alpha` 255 only the image shows, at 0 only what lies behind.
void DrawBlendedOverParent(gui::TControl& control, gui::TBitmap& image, uint8_t alpha, HDC dc);

}  // namespace sk
