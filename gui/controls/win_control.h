// A control with a window of its own, which can parent other controls. Its window
// is made on first use of Handle (the parent's first) and remade by RecreateWnd;
// the children's windows are made with their parent's. Children are listed in
// z-order from the bottom: graphic controls first (they are painted by this
// control, after itself), then windowed ones.
//
// Mouse messages over a graphic child go to that child, in its coordinates, and a
// graphic child that captures the mouse gets them all until it lets go. WM_COMMAND,
// WM_NOTIFY and WM_CTLCOLOR* about a child window go back to that child as CN_
// messages. The control under the mouse cursor gets CM_MOUSEENTER and, when the
// cursor leaves it for another control or for no control of the program,
// CM_MOUSELEAVE.
//
// Keys reach the focused control first as CN_ messages from the message loop: a
// navigation key that the control does not claim becomes CM_DIALOGKEY, and a
// character it does not take CM_DIALOGCHAR, for every control of its form. When
// a control gets the focus, every control of its form gets CM_FOCUSCHANGED.
#pragma once

#include <memory>
#include <vector>

#include "gui/controls/control.h"
#include "gui/controls/create_params.h"
#include "win/gdi_handles.h"
#include "win/unique_window.h"

namespace gui {

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Raises EInvalidOperation when the control has no parent to put the window in
    // and is not a top-level window, EOutOfResources when the system refuses it.
    HWND Handle();
    bool HandleAllocated() const { return static_cast<bool>(handle_); }
    void HandleNeeded() { Handle(); }
    // Makes the window anew (after a change of its styles), children included.
    void RecreateWnd();

    int ControlCount() const { return int(controls_.size() + winControls_.size()); }
    TControl* Controls(int index) const;  // raises EListError outside the list
    // The topmost visible graphic child at a client point; disabled ones only when
    // allowed.
    TControl* ControlAtPos(TPoint point, bool allowDisabled) const;
    // The control is a child of this one, at any depth.
    bool ContainsControl(const TControl* control) const;

    TRect ClientRect() override;
    TPoint ClientOrigin() override;
    void SetBounds(int left, int top, int width, int height) override;
    bool Showing() override;
    std::string Text() override;

    // Alignment is put off while disabled and done once when enabled again.
    void DisableAlign() { ++alignLevel_; }
    void EnableAlign();
    void Realign();

    // Focus: only a control that shows and is enabled, up to its top-level window.
    bool CanFocus();
    bool Focused() const;
    virtual void SetFocus();  // raises EInvalidOperation when CanFocus is false
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // The place in the parent's tab order, -1 without a parent; values beyond the
    // list are brought into it.
    int TabOrder() const;
    void SetTabOrder(int value);
    // The windowed controls inside this one, at any depth, in tab order: each
    // child followed by the controls inside it.
    std::vector<TWinControl*> TabOrderList() const;
    // The control after (or before) `current` in tab order among those inside
    // this one, wrapping round; only controls that can take the focus, and with
    // `checkTabStop` only tab stops. A `current` not in the list starts the
    // search at the list's end (forward) or start. Null when none qualifies.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop);
    // Gives the focus to FindNextControl's answer; false when there is none.
    bool SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    void Invalidate() override;
    void Update() override;

    // Paints the visible graphic children, from `first` on (all when null), into a
    // DC that shows this control's client area.
    void PaintControls(HDC dc, TControl* first);

    // Sends the message to each child in turn until one answers it with a result
    // other than 0.
    void Broadcast(TMessage& message);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    void CreateHandle();
    void DestroyHandle();
    WNDPROC DefWndProc() const { return defWndProc_; }

    // Places the children by their Align (in the order top, bottom, left, right,
    // client) within `rect`, and keeps the anchored ones at their distances.
    // `control` is the child that asked, which wins ties of position.
    virtual void AlignControls(TControl* control, TRect& rect);
    // The part of the client area that aligned children share.
    virtual void AdjustClientRect(TRect& rect) { (void)rect; }
    // Whether AlignControls places every child, aligned or not, so that any child
    // that moves, changes size, shows, hides, comes or goes needs it again.
    virtual bool ArrangesAllChildren() const { return false; }

    // Paints the control's own content; children are painted after it.
    virtual void PaintWindow(HDC dc);

    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void Loaded() override;
    void SetZOrder(bool topMost) override;

private:
    friend class TControl;
    static LRESULT CALLBACK InitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static void RegisterWindowClass(TCreateParams& params);
    void Attach(HWND window);
    void Detach(HWND window);

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void SetChildZOrder(TControl* control, bool topMost);
    HWND PrecedingWindow(const TWinControl* control) const;
    void AlignControl(TControl* control);
    void AlignGroup(TControl* control, TAlign align, TRect& rect);
    void SetCaptureControl(TControl* control);
    TControl* CaptureControl() const;
    void InvalidateChild(const TControl& control, bool erase);
    void UpdateBounds();
    void BoundsChanged(int oldWidth, int oldHeight);
    // The client rectangle a window of the current bounds would have.
    TRect EstimatedClientRect();

    void WMPaint(TMessage& message);
    void PaintHandler(HDC dc);
    void WMEraseBkgnd(TMessage& message);
    void WMSize(TMessage& message);
    void WMMove(TMessage& message);
    void WMWindowPosChanged(TMessage& message);
    void WMDestroy(TMessage& message);
    void WMSetCursor(TMessage& message);
    void WMMouseMove(TMessage& message);
    void WMMouseLeave(TMessage& message);
    void WMCaptureChanged(TMessage& message);
    bool IsControlMouseMsg(TMessage& message);
    void WMKeyDown(TMessage& message);
    void WMKeyUp(TMessage& message);
    void WMChar(TMessage& message);
    void ReflectToChild(HWND child, TMessage& message);
    // Focus and dialog keys (win_control_keys.cpp).
    void WMSetFocus(TMessage& message);
    void CNKeyDown(TMessage& message);
    void CNChar(TMessage& message);
    void CNSysChar(TMessage& message);
    void CNCtlColor(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMColorChanged(TMessage& message);

    win::UniqueWindow handle_;
    WNDPROC defWndProc_ = ::DefWindowProcA;
    std::vector<TControl*> controls_;        // graphic children, bottom first
    std::vector<TWinControl*> winControls_;  // windowed children, bottom first
    std::vector<TWinControl*> tabList_;      // windowed children in tab order
    TControl* captureControl_ = nullptr;     // graphic child holding the mouse
    int alignLevel_ = 0;
    bool aligning_ = false;
    int pendingTabOrder_ = -1;
    bool tabStop_ = false;
    bool trackingLeave_ = false;
    HBRUSH Brush();
    win::UniqueBrush brush_;  // of Color, for the background and CN_CTLCOLOR*
    // A copy of Font whose object the window holds since Font last changed.
    std::unique_ptr<TFont> windowFont_;
};

}  // namespace gui
