// The signatures of the controls' events. Every handler takes the component that
// fires it first.
#pragma once

#include <windows.h>

#include <functional>

#include "gui/controls/shift_state.h"

namespace gui {

class TComponent;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TNotifyEvent = std::function<void(TComponent* Sender)>;
using TMouseEvent = std::function<void(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, TShiftState Shift, int X, int Y)>;
// A handler that sets Key to 0 (or Key to '\0') keeps the key from the control's
// default processing.
using TKeyEvent = std::function<void(TComponent* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TComponent* Sender, char& Key)>;

}  // namespace gui
