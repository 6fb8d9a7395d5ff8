// The mouse over the frame's objects: which object is under it (the hover), which
// one a press holds (the capture), the form's mouse messages routed to them, and
// the timer that follows the cursor while no message tells where it is.
#include <windows.h>

#include "gui/controls/form.h"
#include "gui/controls/timer.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/frame_object_list.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/popups/skin_hint.h"

namespace sk {

namespace {

bool Contains(const gui::TRect& rect, int x, int y)
{
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

}  // namespace

bool TskFrameObjectList::OnCaption(int x, int y) const
{
    for (const auto& object : objects_)
        if (IsCaption(object.get()) && object->Visible() && ShownInRollState(*object) &&
            Contains(object->ObjectRect(), x, y))
            return true;
    return false;
}

void TskFrameObjectList::Track(int x, int y, bool allow)
{
    TskFormSkinEngine& engine = parts_.Engine();
    if (objects_.empty() || !(engine.FormActive() || !engine.SupportNCArea()))
        return;
    oldHoverIndex_ = hoverIndex_;
    int found = -1;
    for (size_t i = 0; i < objects_.size(); ++i) {
        const TskActiveSkinObject& object = *objects_[i];
        if (ShownInRollState(object) && object.Enabled() && object.Visible() && Contains(object.ObjectRect(), x, y)) {
            found = int(i);
            break;
        }
    }
    hoverIndex_ = allow ? found : -1;
    if (capturedIndex_ >= 0 && hoverIndex_ != capturedIndex_)
        hoverIndex_ = -1;
    if (hoverIndex_ == oldHoverIndex_)
        return;
    TskSkinHint* hint = engine.ShowObjectHint() ? engine.SkinHint() : nullptr;
    if (oldHoverIndex_ >= 0 && oldHoverIndex_ < int(objects_.size())) {
        TskActiveSkinObject& left = *objects_[size_t(oldHoverIndex_)];
        if (left.Enabled() && left.Visible()) {
            left.MouseLeave();
            if (hint && !left.Hint().empty())
                hint->HideObjectHint();
        }
    }
    if (hoverIndex_ >= 0) {
        TskActiveSkinObject& entered = *objects_[size_t(hoverIndex_)];
        if (entered.Enabled() && entered.Visible()) {
            entered.MouseEnter();
            if (engine.FormActive() && hint && !entered.Hint().empty())
                hint->ShowObjectHint(entered.Hint());
        }
    }
}

void TskFrameObjectList::ClearHover()
{
    if (hoverIndex_ < 0)
        return;
    // An allow flag of false clears the hover whatever lies at the point.
    Track(-1, -1, false);
    hoverIndex_ = -1;
}

// Once the form is inactive the mouse no longer tracks the objects, so their
// looks are reset here.
void TskFrameObjectList::ClearObjectHover()
{
    ClearHover();
    for (auto& object : objects_) {
        if (IsCaption(object.get()))
            continue;
        object->SetMouseIn(false);
        object->SetActive(false);
        object->SetMorphFactor(0);
    }
}

// ---- Presses ----

void TskFrameObjectList::ObjectMouseDown(gui::TMouseButton button, int x, int y)
{
    const bool ncArea = parts_.Engine().SupportNCArea();
    if (!ncArea) {
        parts_.Mover().EndDrag();
        Track(x, y, true);
    }
    if (hoverIndex_ >= 0 && hoverIndex_ < int(objects_.size())) {
        TskActiveSkinObject* object = objects_[size_t(hoverIndex_)].get();
        if (ncArea && !IsCaption(object) && parts_.Form().HandleAllocated())
            ::SetCapture(parts_.Form().Handle());
        capturedIndex_ = hoverIndex_;
        object->MouseDown(x, y, button);
    } else if (!ncArea && button == gui::mbLeft) {
        parts_.Mover().PressOnClient();
    }
}

void TskFrameObjectList::ObjectMouseUp(gui::TMouseButton button, int x, int y)
{
    const bool ncArea = parts_.Engine().SupportNCArea();
    if (!ncArea)
        parts_.Mover().EndDrag();
    if (capturedIndex_ < 0 || capturedIndex_ >= int(objects_.size()))
        return;
    TskActiveSkinObject* object = objects_[size_t(capturedIndex_)].get();
    gui::TForm& form = parts_.Form();
    if (ncArea && !IsCaption(object) && form.HandleAllocated() && ::GetCapture() == form.Handle())
        ::ReleaseCapture();
    capturedIndex_ = -1;
    object->MouseUp(x, y, button);
}

void TskFrameObjectList::ObjectMouseMove(int x, int y)
{
    if (!parts_.Engine().SupportNCArea() && parts_.Mover().Dragging())
        return;
    const int index = capturedIndex_ >= 0 ? capturedIndex_ : hoverIndex_;
    if (index >= 0 && index < int(objects_.size()))
        objects_[size_t(index)]->MouseMove(x, y);
}

void TskFrameObjectList::ObjectDblClick()
{
    if (hoverIndex_ >= 0 && hoverIndex_ < int(objects_.size()))
        objects_[size_t(hoverIndex_)]->DblClick();
}

// ---- The form's mouse messages ----

void TskFrameObjectList::FormMouse(gui::TMessage& message)
{
    if (parts_.Engine().SupportNCArea())
        FrameMouse(message);
    else
        ClientMouse(message);
    // A double click in the client area, in either mode, on a caption object
    // of the client mode.
    if (message.Msg != WM_LBUTTONDBLCLK)
        return;
    const gui::TPoint at = gui::MousePos(message);
    ObjectMouseDown(gui::mbLeft, at.X, at.Y);
    ObjectDblClick();
    if (hoverIndex_ >= 0 && IsCaption(objects_[size_t(hoverIndex_)].get()))
        parts_.States().CaptionDoubleClick(false);
}

void TskFrameObjectList::FrameMouse(gui::TMessage& message)
{
    TskFormFrame& frame = parts_.Frame();
    switch (message.Msg) {
    case WM_NCMOUSEMOVE: {
        const gui::TPoint at = frame.ScreenToFrame(gui::MousePos(message));
        ObjectMouseMove(at.X, at.Y);
        break;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK: {
        const gui::TPoint at = frame.ScreenToFrame(gui::MousePos(message));
        Track(at.X, at.Y, true);
        ObjectMouseDown(message.Msg == WM_NCLBUTTONDOWN ? gui::mbLeft : gui::mbRight, at.X, at.Y);
        if (message.WParam == HTCAPTION) {
            capturedIndex_ = -1;
            if (message.Msg == WM_NCRBUTTONDOWN)
                parts_.SystemMenu().Open(gui::MousePos(message));
        }
        break;
    }
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP: {
        const gui::TPoint at = frame.ScreenToFrame(gui::MousePos(message));
        ObjectMouseUp(message.Msg == WM_NCLBUTTONUP ? gui::mbLeft : gui::mbRight, at.X, at.Y);
        break;
    }
    case WM_NCLBUTTONDBLCLK: {
        const gui::TPoint at = frame.ScreenToFrame(gui::MousePos(message));
        Track(at.X, at.Y, true);
        ObjectMouseDown(gui::mbLeft, at.X, at.Y);
        ObjectDblClick();
        if (message.WParam == HTCAPTION) {
            parts_.States().CaptionDoubleClick(true);
            capturedIndex_ = -1;
        }
        break;
    }
    case WM_MOUSEMOVE:
        if (capturedIndex_ >= 0) {
            // A frame object pressed holds the mouse: the moves come as client
            // moves now, and a track bar or knob follows them.
            const gui::TPoint at = frame.ScreenToFrame(parts_.Form().ClientToScreen(gui::MousePos(message)));
            ObjectMouseMove(at.X, at.Y);
        }
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        ObjectMouseUp(message.Msg == WM_LBUTTONUP ? gui::mbLeft : gui::mbRight, -1, -1);
        break;
    default:
        break;
    }
}

void TskFrameObjectList::ClientMouse(gui::TMessage& message)
{
    const gui::TPoint at = gui::MousePos(message);
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        ObjectMouseMove(at.X, at.Y);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        ObjectMouseDown(message.Msg == WM_LBUTTONDOWN ? gui::mbLeft : gui::mbRight, at.X, at.Y);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        ObjectMouseUp(message.Msg == WM_LBUTTONUP ? gui::mbLeft : gui::mbRight, at.X, at.Y);
        break;
    default:
        break;
    }
}

void TskFrameObjectList::ClientHitTest(int x, int y)
{
    if (clientTracking_)
        return;
    clientTracking_ = true;
    Track(x, y, true);
    mouseTimer_->SetEnabled(true);
}

// ---- The mouse-tracking timer ----

void TskFrameObjectList::MouseTimerTick()
{
    gui::TForm& form = parts_.Form();
    if (!form.HandleAllocated()) {
        mouseTimer_->SetEnabled(false);
        return;
    }
    TskFormSkinEngine& engine = parts_.Engine();
    POINT cursor;
    ::GetCursorPos(&cursor);
    const bool overForm = ::WindowFromPoint(cursor) == form.Handle();
    if (engine.SupportNCArea()) {
        if (overForm) {
            if (parts_.Mover().InSizeMove())
                return;
            const gui::TPoint at = parts_.Frame().ScreenToFrame(gui::Point(cursor.x, cursor.y));
            if (!Contains(parts_.Frame().Geometry().ClientRect, at.X, at.Y) || !engine.SkinInUse())
                Track(at.X, at.Y, true);
            else if (hoverIndex_ >= 0)
                ClearHover();
        } else {
            ClearHover();
            mouseTimer_->SetEnabled(false);
        }
        return;
    }
    if (!engine.SkinInUse())
        return;
    if (parts_.Mover().Dragging()) {
        parts_.Mover().DragStep();
    } else if (overForm) {
        const gui::TPoint at = form.ScreenToClient(gui::Point(cursor.x, cursor.y));
        Track(at.X, at.Y, true);
    } else {
        ClearHover();
        clientTracking_ = false;
        mouseTimer_->SetEnabled(false);
    }
    if (useSkinCursors_)
        ApplySkinCursor();
}

void TskFrameObjectList::ApplySkinCursor()
{
    TskSkinData& skin = *parts_.Engine().SkinData();
    int index = skin.FormInfo.CursorIndex;
    if (hoverIndex_ >= 0 && hoverIndex_ < int(objects_.size()))
        index = objects_[size_t(hoverIndex_)]->CursorIndex();
    const gui::TCursor cursor = index < 0 ? gui::TCursor(0) : gui::TCursor(index + skin.StartCursorIndex);
    gui::TForm& form = parts_.Form();
    if (form.Cursor() != cursor)
        form.SetCursor(cursor);
}

}  // namespace sk
