#include "skin/forms/form_mover.h"

#include <windows.h>

#include <cstdlib>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"

namespace sk {

namespace {

// Where the pointer was at the message being handled: the move loop's own
// measure of the pointer's movement.
gui::TPoint MessagePoint()
{
    const DWORD at = ::GetMessagePos();
    return gui::Point(short(LOWORD(at)), short(HIWORD(at)));
}

}  // namespace

void TskFormMover::MagneticMove(int& left, int& top, int height, int width)
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    gui::TRect area = gui::Rect(work.left, work.top, work.right, work.bottom);
    // A child snaps to the edges of the space its parent gives the children.
    gui::TForm* main = gui::Application().MainForm();
    if (parts_.MDI().IsChild() && main && main->HandleAllocated()) {
        area = TskFormSkinEngine::MDIClientArea();
        const gui::TPoint origin = main->ClientToScreen(gui::Point(0, 0));
        area = gui::Rect(area.Left + origin.X, area.Top + origin.Y, area.Right + origin.X, area.Bottom + origin.Y);
    }
    SnapToArea(area, magneticSize_, left, top, height, width);
}

// ---- The move and size loop ----

void TskFormMover::EnterSizeMove()
{
    if (parts_.Engine().SupportNCArea()) {
        inSizeMove_ = true;
        BOOL full = FALSE;
        ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
        fullDrag_ = full != FALSE;
    }
    // The move loop starts from the press that began it.
    RECT bounds;
    ::GetWindowRect(parts_.Form().Handle(), &bounds);
    moveStartBounds_ = gui::Rect(bounds.left, bounds.top, bounds.right, bounds.bottom);
    moveStartCursor_ = MessagePoint();
    moveStarted_ = true;
}

void TskFormMover::ExitSizeMove()
{
    moveStarted_ = false;
    const TskFormSkinEngine& engine = parts_.Engine();
    if (engine.SupportNCArea()) {
        inSizeMove_ = false;
        if (engine.SkinInUse())
            parts_.Frame().Repaint();
    }
}

void TskFormMover::Moving(gui::TMessage& message)
{
    auto* bounds = reinterpret_cast<RECT*>(message.LParam);
    if (parts_.States().State() == wsMaximized && !parts_.MDI().IsChild()) {
        ::GetWindowRect(parts_.Form().Handle(), bounds);
    } else if (magnetic_) {
        const int width = bounds->right - bounds->left, height = bounds->bottom - bounds->top;
        int left = bounds->left, top = bounds->top;
        // The system adds each movement of the pointer to the rectangle it got
        // back last time: snapped, that would hold the form at an edge for
        // every movement smaller than the snap distance.
        if (moveStarted_) {
            const gui::TPoint at = MessagePoint();
            left = moveStartBounds_.Left + at.X - moveStartCursor_.X;
            top = moveStartBounds_.Top + at.Y - moveStartCursor_.Y;
        }
        MagneticMove(left, top, height, width);
        *bounds = RECT{left, top, left + width, top + height};
    }
    parts_.CallFormProc(message);
}

// Under a window manager the move is the manager's, and a move begun at the
// press keeps the release and the next press for itself, so that a double click
// on the caption never arrives. A press that is let go where it was is a click,
// and the second of two is a double click.
bool TskFormMover::CaptionPressMoves(const gui::TMessage& message)
{
    // A maximized form stays where it is.
    if (parts_.States().State() == wsMaximized && !parts_.MDI().IsChild())
        return false;
    const gui::TPoint start = gui::MousePos(message);
    const int reachX = ::GetSystemMetrics(SM_CXDRAG), reachY = ::GetSystemMetrics(SM_CYDRAG);
    const int button = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    gui::TForm& form = parts_.Form();
    // The pointer and the button as they are now, not as the messages queued
    // so far tell: the press stays the message being handled, and the move
    // that follows starts from where it was.
    for (;;) {
        if (!(::GetAsyncKeyState(button) & 0x8000))
            return false;
        POINT cursor;
        ::GetCursorPos(&cursor);
        if (std::abs(cursor.x - start.X) > reachX || std::abs(cursor.y - start.Y) > reachY)
            return true;
        if (!form.HandleAllocated() || !::IsWindowVisible(form.Handle()))
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_INPUT);
    }
}

// ---- The drag by the client area ----

void TskFormMover::PressOnClient()
{
    if (draggAble_ && parts_.States().State() != wsMaximized)
        StartDrag();
}

void TskFormMover::StartDrag()
{
    if (parts_.Engine().SupportNCArea() || parts_.States().State() == wsMaximized)
        return;
    POINT cursor;
    ::GetCursorPos(&cursor);
    lastCursor_ = moveStartCursor_ = gui::Point(cursor.x, cursor.y);
    moveStartBounds_ = parts_.Form().BoundsRect();
    dragging_ = true;
    parts_.Objects().StartMouseTimer();
}

void TskFormMover::DragStep()
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    if (cursor.x == lastCursor_.X && cursor.y == lastCursor_.Y)
        return;
    // From where the drag began, not from the last snapped place: a snap may
    // not swallow the movements smaller than its distance.
    int left = moveStartBounds_.Left + cursor.x - moveStartCursor_.X;
    int top = moveStartBounds_.Top + cursor.y - moveStartCursor_.Y;
    lastCursor_ = gui::Point(cursor.x, cursor.y);
    gui::TForm& form = parts_.Form();
    if (magnetic_)
        MagneticMove(left, top, form.Height(), form.Width());
    form.SetBounds(left, top, form.Width(), form.Height());
}

}  // namespace sk
