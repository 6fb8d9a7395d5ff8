// How a skinned form moves: the system's move and size loop (or a window
// manager's) as the engine follows it, snapping to the edges of the work area
// (of the parent's client window, for an MDI child), a press on the caption that
// starts a move only when the pointer moves, and the drag of a form whose skin is
// its background by its client area.
#pragma once

#include <cstdint>

#include "gui/controls/message.h"
#include "gui/core/types.h"

namespace sk {

class TskEngineParts;

class TskFormMover {
public:
    explicit TskFormMover(TskEngineParts& parts) : parts_(parts) {}
    TskFormMover(const TskFormMover&) = delete;
    TskFormMover& operator=(const TskFormMover&) = delete;

    // Snapping while moving, within MagneticSize pixels.
    bool Magnetic() const { return magnetic_; }
    void SetMagnetic(bool value) { magnetic_ = value; }
    uint8_t MagneticSize() const { return magneticSize_; }
    void SetMagneticSize(uint8_t value) { magneticSize_ = value; }
    void MagneticMove(int& left, int& top, int height, int width);

    // Client mode: the form can be dragged by its client area.
    bool DraggAble() const { return draggAble_; }
    void SetDraggAble(bool value) { draggAble_ = value; }

    // ---- The move and size loop ----
    // WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE.
    void EnterSizeMove();
    void ExitSizeMove();
    // Sized or moved by the user (the non-client mode only), and whether the
    // system shows the whole window while it is dragged.
    bool InSizeMove() const { return inSizeMove_; }
    bool FullDrag() const { return fullDrag_; }
    // WM_MOVING: a maximized form stays, a magnetic one snaps.
    void Moving(gui::TMessage& message);
    // A press on the caption: the system's move begins only when the pointer
    // moves with the button down.
    bool CaptionPressMoves(const gui::TMessage& message);

    // ---- The drag by the client area ----
    // A left press on no object of a form that can be dragged.
    void PressOnClient();
    void StartDrag();
    void EndDrag() { dragging_ = false; }
    bool Dragging() const { return dragging_; }
    // One tick of the mouse-tracking timer during the drag.
    void DragStep();

private:
    TskEngineParts& parts_;
    bool magnetic_ = false;
    uint8_t magneticSize_ = 10;
    bool draggAble_ = false;
    bool inSizeMove_ = false;
    bool fullDrag_ = false;
    bool dragging_ = false;
    gui::TPoint lastCursor_;
    // Where a move (the system's, or a drag by the client area) began: the
    // form's bounds and the cursor. The form goes where the pointer's movement
    // since then takes it, snapped: a snap never holds it back.
    bool moveStarted_ = false;
    gui::TRect moveStartBounds_;
    gui::TPoint moveStartCursor_;
};

}  // namespace sk
