// Keyboard shortcuts of menu items: a virtual key in the low byte and the
// modifier keys in the high bits, shown as menus show them ("Ctrl+S").
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "gui/controls/shift_state.h"

namespace gui {

using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// The shortcut of a key pressed with Shift, Ctrl and Alt as in `shift`.
TShortCut ShortCut(WORD key, TShiftState shift);
// The modifiers in the order "Shift+", "Ctrl+", "Alt+", then the key's name;
// empty for no shortcut.
std::string ShortCutToText(TShortCut shortCut);

}  // namespace gui
