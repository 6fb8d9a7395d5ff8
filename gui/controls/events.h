// The signatures of the controls' events. Every handler takes the component that
// fires it first.
#pragma once

#include <windows.h>

#include <functional>

#include "gui/controls/shift_state.h"

namespace gui {

class TComponent;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
// A handler that sets Key to 0 (or Key to '\0') keeps the key from the control's
// default processing.
using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char& key)>;

}  // namespace gui
