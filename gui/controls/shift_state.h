// Which modifier keys and mouse buttons were down when a mouse or key message
// came.
#pragma once

#include <windows.h>

#include "gui/core/set.h"

namespace gui {

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateFlag>;

// From the MK_ flags of a mouse message; Alt, which they do not carry, from the
// keyboard.
TShiftState KeysToShiftState(WPARAM keys);
// Shift, Ctrl and Alt as the keyboard state of this thread has them now.
TShiftState KeyboardShiftState();

}  // namespace gui
