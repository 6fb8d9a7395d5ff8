#include "gui/controls/shift_state.h"

namespace gui {

namespace {

bool KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState shift;
    if (keys & MK_SHIFT)
        shift.Include(ssShift);
    if (keys & MK_CONTROL)
        shift.Include(ssCtrl);
    if (keys & MK_LBUTTON)
        shift.Include(ssLeft);
    if (keys & MK_RBUTTON)
        shift.Include(ssRight);
    if (keys & MK_MBUTTON)
        shift.Include(ssMiddle);
    if (KeyDown(VK_MENU))
        shift.Include(ssAlt);
    return shift;
}

TShiftState KeyboardShiftState()
{
    TShiftState shift;
    if (KeyDown(VK_SHIFT))
        shift.Include(ssShift);
    if (KeyDown(VK_CONTROL))
        shift.Include(ssCtrl);
    if (KeyDown(VK_MENU))
        shift.Include(ssAlt);
    return shift;
}

}  // namespace gui
