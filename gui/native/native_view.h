// What the wrappers of the system's list and tree views share. The system's
// control paints all of itself and follows the mouse itself (a press starts its
// own drag detection), so the wrapper takes no capture; the wrapper keeps what
// the user changed before the window goes, and hands colour and font changes
// on to the window.
#pragma once

#include "gui/controls/win_control.h"

namespace gui {

class TNativeView : public TWinControl {
public:
    // The size a view has when it is made.
    TNativeView(TComponent* owner, int width, int height);

protected:
    void WndProc(TMessage& message) override;
    // Reads back into the wrapper what the user changed in the window.
    virtual void SaveState() = 0;
    // Gives the window the control's colour and font colour.
    virtual void ApplyColors() = 0;

    HWND Window() { return HandleAllocated() ? Handle() : nullptr; }
};

}  // namespace gui
