// Where a point of a skinned form lies: on the border (which edge or corner
// sizes the form), the caption (which moves it), the client area, or a frame
// object that the engine handles itself.
#include "gui/controls/form.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_frame.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_objects.h"

namespace sk {

namespace {

bool Contains(const gui::TRect& rect, int x, int y)
{
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

}  // namespace

LRESULT SkinFrameHitTest(const TskFrameGeometry& geometry, const TskHitTestState& state, bool onCaption,
                         bool nearBorder, int x, int y)
{
    const LRESULT frame = onCaption ? HTCAPTION : HTOBJECT;
    if (state.RolledUp || state.Minimized)
        return frame;
    const bool inClient = Contains(geometry.ClientRect, x, y);
    if (state.ObjectHovered && !onCaption && !inClient)
        return HTOBJECT;
    if (!state.Maximized && state.Sizeable) {
        if (!nearBorder)
            return inClient ? HTCLIENT : frame;
        const LRESULT code = FrameBorderCode(geometry, state.Width, state.Height, x, y);
        if (code != HTNOWHERE)
            return code;
    }
    return inClient ? HTCLIENT : frame;
}

LRESULT ClientFrameHitTest(const TskFrameGeometry& geometry, const TskHitTestState& state, bool nearBorder, int x,
                           int y)
{
    if (!state.Sizeable || state.Maximized || state.RolledUp || state.ObjectHovered || !nearBorder)
        return HTCLIENT;
    const LRESULT code = FrameBorderCode(geometry, state.Width, state.Height, x, y);
    return code != HTNOWHERE ? code : HTCLIENT;
}

gui::TPoint TskFormFrame::ScreenToFrame(gui::TPoint screen) const
{
    const gui::TPoint origin = parts_.Engine().FrameScreenOrigin();
    return gui::Point(screen.X - origin.X, screen.Y - origin.Y);
}

TskHitTestState TskFormFrame::HitTestState() const
{
    TskHitTestState state;
    state.Width = width_;
    state.Height = height_;
    state.Sizeable = parts_.Engine().Sizeable();
    state.Maximized = parts_.States().State() == wsMaximized;
    state.Minimized = parts_.States().State() == wsMinimized;
    state.RolledUp = parts_.RollUp().RolledUp();
    state.ObjectHovered = parts_.Objects().HoverIndex() >= 0;
    return state;
}

bool TskFormFrame::NearBorder(int x, int y)
{
    TskSkinData& skin = *parts_.Engine().SkinData();
    const int border = skin.FormInfo.BorderWidth;
    const bool hasMask = !skin.Mask().Empty();
    if (hasMask && Contains(geometry_.MaskRectArea, x, y))
        return false;
    const TskMaskStrips strips{&topMask_, &bottomMask_, &leftMask_, &rightMask_};
    const gui::TPoint probes[] = {{x - border, y}, {x, y - border}, {x + border, y}, {x, y + border}};
    for (const gui::TPoint& probe : probes)
        if (!InsideFrameShape(geometry_, strips, hasMask, width_, height_, probe.X, probe.Y))
            return true;
    return false;
}

LRESULT TskFormFrame::DefaultHitTest(int x, int y)
{
    const TskHitTestState state = HitTestState();
    if (!state.Maximized && !state.RolledUp && !state.Minimized && state.Sizeable) {
        if (state.ObjectHovered)
            return HTOBJECT;
        const LRESULT code = DefaultBorderCode(width_, height_, x, y);
        if (code != HTNOWHERE)
            return code;
    }
    if (parts_.Objects().All().empty())
        parts_.Objects().CreateDefaultButtons();
    LayoutDefaultFrame();
    if (Contains(defCaptionRect_, x, y))
        return HTCAPTION;
    const int captionHeight = DefCaptionHeight();
    if (Contains(gui::Rect(3, captionHeight + 3, width_ - 3, height_ - 3), x, y))
        return HTCLIENT;
    return HTOBJECT;
}

void TskFormFrame::HitTest(gui::TMessage& message)
{
    TskFormSkinEngine& engine = parts_.Engine();
    TskFrameObjectList& objects = parts_.Objects();
    const gui::TPoint screen = gui::MousePos(message);
    if (engine.SupportNCArea()) {
        const gui::TPoint at = ScreenToFrame(screen);
        if (SkinUsable()) {
            // The border is looked at only where it decides.
            const TskHitTestState state = HitTestState();
            const bool onCaption = objects.OnCaption(at.X, at.Y);
            const bool byBorder = !state.RolledUp && !state.Minimized && !state.Maximized && state.Sizeable &&
                                  !(state.ObjectHovered && !onCaption && !Contains(geometry_.ClientRect, at.X, at.Y));
            message.Result =
                SkinFrameHitTest(geometry_, state, onCaption, byBorder && NearBorder(at.X, at.Y), at.X, at.Y);
        } else {
            message.Result = DefaultHitTest(at.X, at.Y);
        }
        if (message.Result == HTOBJECT && !objects.MouseTimerRunning()) {
            objects.Track(at.X, at.Y, true);
            objects.StartMouseTimer();
        }
        return;
    }
    if (!engine.SkinInUse()) {
        parts_.CallFormProc(message);
        return;
    }
    const gui::TPoint at = parts_.Form().ScreenToClient(screen);
    objects.ClientHitTest(at.X, at.Y);
    const TskHitTestState state = HitTestState();
    const bool byBorder = state.Sizeable && !state.Maximized && !state.RolledUp && !state.ObjectHovered;
    message.Result = ClientFrameHitTest(geometry_, state, byBorder && NearBorder(at.X, at.Y), at.X, at.Y);
}

}  // namespace sk
