// What lies behind a control that shows its parent through itself (a control
// blended over its background): the parent's background and painting, and the
// siblings below the control that overlap it.
#pragma once

#include "gui/controls/control.h"
#include "gui/graphics/canvas.h"

namespace sk {

// Paints into `canvas`, whose (0, 0) stands for the control's top-left corner, the
// parent's background and content, then each visible graphic or custom sibling
// below the control in z-order that overlaps it, custom siblings with their
// windowed children. A form's background comes through its window (its window
// procedure may be taken over). Nothing happens without a parent.
void PaintParentBackground(gui::TControl& control, gui::TCanvas& canvas);

}  // namespace sk
