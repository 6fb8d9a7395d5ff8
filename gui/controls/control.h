// The base of everything shown in a window. A control has bounds in its parent's
// client area, and the properties that say how it shows (Visible, Enabled,
// Caption, Font, Color, Cursor), how it is placed when its parent changes size
// (Align, Anchors), and how it takes the mouse.
//
// Every message a control handles enters through WindowProc(): its window sends
// them there, Perform sends them there, and a graphic control gets its mouse and
// paint messages from its parent that way. A property change is announced to the
// control itself by a CM_ message (control_messages.h), so descendants react in
// WndProc. Parentage is not ownership: a control that leaves its parent (or whose
// parent goes) stays alive, without a parent, until its owner frees it.
#pragma once

#include <windows.h>

#include <string>

#include "gui/controls/control_types.h"
#include "gui/controls/cursor.h"
#include "gui/controls/events.h"
#include "gui/controls/message.h"
#include "gui/controls/wnd_proc_chain.h"
#include "gui/core/color.h"
#include "gui/core/component.h"
#include "gui/core/types.h"
#include "gui/graphics/graphics_objects.h"

namespace gui {

class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    // Raises EInvalidOperation for the control itself or one of its children.
    virtual void SetParent(TWinControl* parent);

    // In the parent's client coordinates (a top-level window: the screen's).
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& rect)
    {
        SetBounds(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
    }

    // The area inside the control's frame, from (0, 0).
    virtual TRect ClientRect();
    int ClientWidth() { return ClientRect().Right; }
    int ClientHeight() { return ClientRect().Bottom; }
    // Sizes the control so that its client area gets the size.
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    // The screen point of the client area's top-left corner.
    virtual TPoint ClientOrigin();
    TPoint ClientToScreen(TPoint point);
    TPoint ScreenToClient(TPoint point);

    TAlign Align() const { return align_; }
    // Also sets the anchors that go with the alignment.
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors value);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are its parents up to a window on the screen.
    virtual bool Showing();
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    virtual std::string Text();
    void SetText(const std::string& value);
    std::string Caption() { return Text(); }
    void SetCaption(const std::string& value) { SetText(value); }
    // With csSetCaption, a caption still equal to the name follows the name.
    void SetName(const std::string& name) override;

    TFont& Font() { return font_; }
    void SetFont(const TFont& value) { font_.Assign(value); }
    // Whether the control takes its parent's font. Changing Font turns it off.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    // The text the application shows as the control's hint while ShowHint is on.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    // With ParentShowHint (the start), ShowHint is the parent's; setting ShowHint
    // turns ParentShowHint off.
    bool ShowHint() const;
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value) { parentShowHint_ = value; }

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle value) { controlStyle_ = value; }
    TControlState ControlState() const { return controlState_; }

    // The entry of every message; components that take over part of a control's
    // handling hook in here.
    TWndProcChain& WindowProc() { return windowProc_; }
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);

    // Invalidate marks the control for painting, Update paints what is marked,
    // Repaint does both.
    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }

    // Moves the control to the top or the bottom of its parent's z-order (windowed
    // controls always lie above graphic ones).
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }

    bool MouseCapture();
    void SetMouseCapture(bool value);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    friend class TWinControl;

    // Handles one message; what it does not handle goes to DefaultHandler.
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();
    virtual void SetZOrder(bool topMost);
    void Loaded() override;

    // Stores new bounds without moving a window; what a window reports back and
    // what SetBounds decides go through here.
    void StoreBounds(int left, int top, int width, int height);
    // After the control has moved or changed size on a caller's behalf: the
    // anchors are measured anew and the parent realigns.
    void BoundsSetByCaller();
    void SetControlStateFlag(TControlStateFlag flag, bool on);
    // The area of the control in its parent marked for painting.
    void InvalidateControl(bool erase);

private:
    void DoMouseDown(const TMessage& message, TMouseButton button, TShiftState extra);
    void WMMouseDown(TMessage& message, TMouseButton button, TShiftState extra);
    void WMLButtonDown(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMLButtonUp(TMessage& message);
    void WMMouseUp(TMessage& message, TMouseButton button);
    void WMMouseMove(TMessage& message);
    void CMParentFontChanged(TMessage& message);
    void FontChanged();
    void UpdateAnchorRules();
    // Keeps the distances the anchors ask for, in a parent whose client area is
    // now parentWidth x parentHeight.
    void Anchor(int parentWidth, int parentHeight);

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    // The bounds and the parent's client size the anchors measure from.
    TRect anchorBounds_;
    TSize anchorParentSize_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    TFont font_;
    bool parentFont_ = true;
    bool takingParentFont_ = false;
    TColor color_ = clWindow;
    TCursor cursor_ = crDefault;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState controlState_;
    TWndProcChain windowProc_;
};

}  // namespace gui
