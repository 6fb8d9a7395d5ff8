#include "gui/controls/control.h"

#include <algorithm>

#include "gui/controls/application.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/find_control.h"
#include "gui/controls/shift_state.h"
#include "gui/controls/win_control.h"
#include "gui/core/exceptions.h"
#include "gui/core/scope_exit.h"

namespace gui {

namespace {

TAnchors AnchorsOf(TAlign align)
{
    switch (align) {
    case alTop:
        return {akLeft, akTop, akRight};
    case alBottom:
        return {akLeft, akRight, akBottom};
    case alLeft:
        return {akLeft, akTop, akBottom};
    case alRight:
        return {akRight, akTop, akBottom};
    case alClient:
        return {akLeft, akTop, akRight, akBottom};
    default:
        return {akLeft, akTop};
    }
}

// One axis of the anchoring: the new start and length of a control that had
// `start` and `length` when its parent was `before` long, now that it is `after`.
void AnchorAxis(bool nearEdge, bool farEdge, int before, int after, int& start, int& length)
{
    if (before <= 0)
        return;
    if (nearEdge && farEdge)
        length = std::max(0, length + after - before);
    else if (farEdge)
        start += after - before;
    else if (!nearEdge)
        start = ::MulDiv(start + length / 2, after, before) - length / 2;
}

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner), windowProc_([this](TMessage& m) { WndProc(m); })
{
    font_.OnChange = [this](TGraphicsObject&) { FontChanged(); };
}

TControl::~TControl()
{
    Destroying();
    Application().ControlDestroying(this);
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent) {
        const auto* self = dynamic_cast<const TWinControl*>(this);
        if (parent == self || (self && self->ContainsControl(parent)))
            throw EInvalidOperation("Control '" + Name() + "' cannot have itself or a child of its own as parent");
    }
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const bool resized = width != width_ || height != height_;
    if (visible_)
        InvalidateControl(true);
    StoreBounds(left, top, width, height);
    Invalidate();
    if (resized && !ComponentState().Contains(csLoading))
        Resize();
    BoundsSetByCaller();
}

void TControl::StoreBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::BoundsSetByCaller()
{
    // Alignment and anchoring place children themselves: that is no new position
    // to measure the anchors from, and no reason to align again.
    if (parent_ && parent_->aligning_)
        return;
    UpdateAnchorRules();
    if (parent_ && (align_ != alNone || parent_->ArrangesAllChildren()))
        parent_->AlignControl(this);
}

TRect TControl::ClientRect() { return Rect(0, 0, width_, height_); }

void TControl::SetClientWidth(int value) { SetBounds(left_, top_, width_ + value - ClientWidth(), height_); }

void TControl::SetClientHeight(int value) { SetBounds(left_, top_, width_, height_ + value - ClientHeight()); }

TPoint TControl::ClientOrigin()
{
    if (!parent_)
        return Point(left_, top_);
    const TPoint origin = parent_->ClientOrigin();
    return Point(origin.X + left_, origin.Y + top_);
}

TPoint TControl::ClientToScreen(TPoint point)
{
    const TPoint origin = ClientOrigin();
    return Point(point.X + origin.X, point.Y + origin.Y);
}

TPoint TControl::ScreenToClient(TPoint point)
{
    const TPoint origin = ClientOrigin();
    return Point(point.X - origin.X, point.Y - origin.Y);
}

void TControl::SetAlign(TAlign value)
{
    if (value == align_)
        return;
    align_ = value;
    anchors_ = AnchorsOf(value);
    if (parent_)
        parent_->AlignControl(this);
}

void TControl::SetAnchors(TAnchors value)
{
    anchors_ = value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (!parent_ || ComponentState().Contains(csLoading))
        return;
    const TRect client = parent_->ClientRect();
    anchorBounds_ = BoundsRect();
    anchorParentSize_ = TSize{client.Right - client.Left, client.Bottom - client.Top};
}

void TControl::Anchor(int parentWidth, int parentHeight)
{
    int left = anchorBounds_.Left, width = anchorBounds_.Right - anchorBounds_.Left;
    int top = anchorBounds_.Top, height = anchorBounds_.Bottom - anchorBounds_.Top;
    AnchorAxis(anchors_.Contains(akLeft), anchors_.Contains(akRight), anchorParentSize_.cx, parentWidth, left, width);
    AnchorAxis(anchors_.Contains(akTop), anchors_.Contains(akBottom), anchorParentSize_.cy, parentHeight, top, height);
    SetBounds(left, top, width, height);
}

void TControl::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    Perform(CM_VISIBLECHANGED, value, 0);
    if (parent_ && (align_ != alNone || parent_->ArrangesAllChildren()))
        parent_->AlignControl(this);
}

bool TControl::Showing() { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

std::string TControl::Text() { return text_; }

void TControl::SetText(const std::string& value)
{
    if (value == Text())
        return;
    text_ = value;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetName(const std::string& name)
{
    const bool follow = controlStyle_.Contains(csSetCaption) && !ComponentState().Contains(csLoading) &&
                        Text() == Name();
    TComponent::SetName(name);
    if (follow)
        SetText(name);
}

void TControl::FontChanged()
{
    if (!takingParentFont_)
        parentFont_ = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value)
{
    parentFont_ = value;
    if (value && parent_)
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::CMParentFontChanged(TMessage&)
{
    if (!parentFont_ || !parent_)
        return;
    // The copy is the parent's font, not one of the control's own.
    takingParentFont_ = true;
    const auto taken = ScopeExit([this] { takingParentFont_ = false; });
    font_.Assign(parent_->Font());
}

void TControl::SetColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor value)
{
    if (value == cursor_)
        return;
    cursor_ = value;
    // Under the mouse the new cursor shows at once, not at the next move.
    POINT p;
    if (::GetCapture() || !::GetCursorPos(&p) || FindDragTarget(Point(p.x, p.y), false) != this)
        return;
    auto* window = dynamic_cast<TWinControl*>(this);
    if (!window)
        window = parent_;
    if (window && window->HandleAllocated())
        window->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(window->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

bool TControl::ShowHint() const
{
    if (parentShowHint_ && parent_)
        return parent_->ShowHint();
    return showHint_;
}

void TControl::SetShowHint(bool value)
{
    showHint_ = value;
    parentShowHint_ = false;
}

void TControl::SetControlStateFlag(TControlStateFlag flag, bool on)
{
    if (on)
        controlState_.Include(flag);
    else
        controlState_.Exclude(flag);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam};
    windowProc_.Dispatch(message);
    return message.Result;
}

void TControl::InvalidateControl(bool erase)
{
    if (parent_)
        parent_->InvalidateChild(*this, erase);
}

void TControl::Invalidate()
{
    if (visible_)
        InvalidateControl(!controlStyle_.Contains(csOpaque));
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool topMost)
{
    if (parent_)
        parent_->SetChildZOrder(this, topMost);
}

bool TControl::MouseCapture()
{
    if (auto* window = dynamic_cast<TWinControl*>(this))
        return window->HandleAllocated() && ::GetCapture() == window->Handle();
    return parent_ && parent_->CaptureControl() == this;
}

void TControl::SetMouseCapture(bool value)
{
    if (value == MouseCapture())
        return;
    if (auto* window = dynamic_cast<TWinControl*>(this)) {
        if (value)
            ::SetCapture(window->Handle());
        else
            ::ReleaseCapture();
    } else if (parent_) {
        parent_->SetCaptureControl(value ? this : nullptr);
    }
}

void TControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        WMLButtonDown(message);
        break;
    case WM_LBUTTONDBLCLK:
        WMLButtonDblClk(message);
        break;
    case WM_LBUTTONUP:
        WMLButtonUp(message);
        break;
    case WM_RBUTTONDOWN:
        WMMouseDown(message, mbRight, {});
        break;
    case WM_RBUTTONDBLCLK:
        WMMouseDown(message, mbRight, {ssDouble});
        break;
    case WM_RBUTTONUP:
        WMMouseUp(message, mbRight);
        break;
    case WM_MBUTTONDOWN:
        WMMouseDown(message, mbMiddle, {});
        break;
    case WM_MBUTTONDBLCLK:
        WMMouseDown(message, mbMiddle, {ssDouble});
        break;
    case WM_MBUTTONUP:
        WMMouseUp(message, mbMiddle);
        break;
    case WM_MOUSEMOVE:
        WMMouseMove(message);
        break;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged(message);
        break;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        break;
    case CM_VISIBLECHANGED:
        // Shown, the control paints over its area; hidden, what lies behind does.
        InvalidateControl(!(visible_ && controlStyle_.Contains(csOpaque)));
        break;
    default:
        DefaultHandler(message);
    }
}

void TControl::DefaultHandler(TMessage& message)
{
    // A control without a window keeps its text itself.
    message.Result = message.Msg == WM_SETTEXT ? TRUE : 0;
}

void TControl::DoMouseDown(const TMessage& message, TMouseButton button, TShiftState extra)
{
    const TPoint p = MousePos(message);
    MouseDown(button, KeysToShiftState(message.WParam) | extra, p.X, p.Y);
}

void TControl::WMMouseDown(TMessage& message, TMouseButton button, TShiftState extra)
{
    DefaultHandler(message);
    DoMouseDown(message, button, extra);
}

void TControl::WMLButtonDown(TMessage& message)
{
    DefaultHandler(message);
    controlState_.Include(csLButtonDown);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (controlStyle_.Contains(csClickEvents))
        controlState_.Include(csClicked);
    DoMouseDown(message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TMessage& message)
{
    DefaultHandler(message);
    controlState_.Include(csLButtonDown);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (controlStyle_.Contains(csClickEvents))
        DblClick();
    DoMouseDown(message, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TMessage& message)
{
    DefaultHandler(message);
    controlState_.Exclude(csLButtonDown);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(false);
    const TPoint p = MousePos(message);
    if (controlState_.Contains(csClicked)) {
        controlState_.Exclude(csClicked);
        const TRect client = ClientRect();
        if (p.X >= client.Left && p.X < client.Right && p.Y >= client.Top && p.Y < client.Bottom)
            Click();
    }
    MouseUp(mbLeft, KeysToShiftState(message.WParam), p.X, p.Y);
}

void TControl::WMMouseUp(TMessage& message, TMouseButton button)
{
    DefaultHandler(message);
    const TPoint p = MousePos(message);
    MouseUp(button, KeysToShiftState(message.WParam), p.X, p.Y);
}

void TControl::WMMouseMove(TMessage& message)
{
    DefaultHandler(message);
    const TPoint p = MousePos(message);
    MouseMove(KeysToShiftState(message.WParam), p.X, p.Y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateAnchorRules();
}

}  // namespace gui
