// The frame of the skinned edit: its size, what the mouse finds in it (the
// button, or the frame around the text), and its painting.
#include <windowsx.h>

#include "skin/imaging/default_look.h"
#include "skin/imaging/skin_image.h"
#include "skin/model/geometry.h"
#include "skinctrls/controls/blend_over_parent.h"
#include "skinctrls/controls/skin_custom_edit.h"
#include "win/gdi_handles.h"

namespace sk {

namespace {

// What the frame answers to WM_NCHITTEST: the button, and the frame around the
// text. The system's own meanings of these codes never apply, as the edit has no
// scroll bars.
constexpr LRESULT kHitButton = HTHSCROLL;
constexpr LRESULT kHitFrame = HTVSCROLL;

constexpr int kDefaultButtonWidth = 20;
constexpr int kDefaultBorder = 2;

gui::TRect Widened(gui::TRect rect) { return gui::TRect{rect.Left - 1, rect.Top - 1, rect.Right, rect.Bottom}; }

bool Contains(const gui::TRect& rect, gui::TPoint point)
{
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

}  // namespace

gui::TRect TskSkinCustomEdit::ButtonRect()
{
    const int width = Width(), height = Height();
    if (!Skinned())
        return gui::TRect{width - kDefaultButtonWidth, 0, width, height};
    gui::TRect r = skinButtonRect_;
    // A button in the right end piece moves with the right edge.
    if (r.Left >= SkinWidth() - rightWidth_) {
        r.Left += width - SkinWidth();
        r.Right += width - SkinWidth();
    }
    return r;
}

gui::TRect TskSkinCustomEdit::TextAreaRect()
{
    const int width = Width(), height = Height();
    if (!Skinned())
        return gui::TRect{kDefaultBorder, kDefaultBorder, width - kDefaultBorder - kDefaultButtonWidth,
                          height - kDefaultBorder};
    return gui::TRect{clRect_.Left, clRect_.Top, clRect_.Right + width - SkinWidth(), clRect_.Bottom};
}

void TskSkinCustomEdit::WMNCCalcSize(gui::TMessage& message)
{
    auto& r = *reinterpret_cast<RECT*>(message.LParam);
    if (!Skinned()) {
        r.left += kDefaultBorder;
        r.top += kDefaultBorder;
        r.right -= buttonMode_ ? kDefaultBorder + kDefaultButtonWidth : kDefaultBorder;
        r.bottom -= kDefaultBorder;
    } else {
        r.left += clRect_.Left;
        r.top += clRect_.Top;
        r.right += clRect_.Right - SkinWidth();
        r.bottom += clRect_.Bottom - SkinHeight();
    }
    // A frame wider than the window leaves an empty client area, never a
    // turned-over one.
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    message.Result = 0;
}

void TskSkinCustomEdit::WMNCHitTest(gui::TMessage& message)
{
    if (buttonMode_ && !ComponentState().Contains(gui::csDesigning) && HandleAllocated()) {
        RECT window{};
        ::GetWindowRect(Handle(), &window);
        // In the coordinates the button and the text area are given in.
        const gui::TPoint p = gui::Point(GET_X_LPARAM(message.LParam) - window.left,
                                         GET_Y_LPARAM(message.LParam) - window.top);
        if (Contains(Widened(ButtonRect()), p)) {
            message.Result = kHitButton;
            return;
        }
        if (!Contains(Widened(TextAreaRect()), p)) {
            message.Result = kHitFrame;
            return;
        }
    }
    TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::WMNCMouseMove(gui::TMessage& message)
{
    SetButtonHot(message.WParam == WPARAM(kHitButton));
    // Leaving the window from its frame brings no leave of the client area.
    if (!trackingNCLeave_ && HandleAllocated()) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, Handle(), 0};
        trackingNCLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    if (message.WParam != WPARAM(kHitButton))
        TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::WMNCMouseLeave(gui::TMessage& message)
{
    trackingNCLeave_ = false;
    if (buttonHot_ || buttonDown_) {
        buttonHot_ = buttonDown_ = false;
        Invalidate();
    }
    TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::WMNCLButtonDown(gui::TMessage& message)
{
    if (message.WParam == WPARAM(kHitButton)) {
        buttonDown_ = true;
        Invalidate();
        return;
    }
    TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::WMNCLButtonUp(gui::TMessage& message)
{
    if (message.WParam != WPARAM(kHitButton)) {
        TskCustomEdit::WndProc(message);
        return;
    }
    buttonDown_ = false;
    Invalidate();
    if (!Focused() && CanFocus())
        SetFocus();
    ButtonClick();
}

void TskSkinCustomEdit::WMNCPaint(gui::TMessage& message)
{
    PaintFrame();
    message.Result = 0;
}

void TskSkinCustomEdit::PaintFrame()
{
    if (!HandleAllocated() || Width() <= 0 || Height() <= 0)
        return;
    gui::TBitmap image;
    image.SetSize(Width(), Height());
    if (Skinned())
        DrawSkinFrame(image);
    else
        DrawDefaultFrame(image);
    win::WindowFrameDC dc(Handle());
    if (!dc || image.Empty())
        return;
    if (!alphaBlend_) {
        ::BitBlt(dc.Get(), 0, 0, image.Width(), image.Height(), image.Canvas().Handle(), 0, 0, SRCCOPY);
        return;
    }
    DrawBlendedOverParent(*this, image, alphaBlendValue_, dc.Get());
}

void TskSkinCustomEdit::DrawDefaultFrame(gui::TBitmap& bitmap)
{
    gui::TCanvas& canvas = bitmap.Canvas();
    const int buttonWidth = buttonMode_ ? kDefaultButtonWidth : 0;
    canvas.Brush().SetStyle(gui::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(gui::Rect(0, 0, bitmap.Width(), bitmap.Height()));
    const bool hovered = Hovered();
    gui::TRect ring = gui::Rect(0, 0, bitmap.Width() - buttonWidth, bitmap.Height());
    canvas.Brush().SetColor(hovered ? gui::clBtnShadow : gui::clBtnFace);
    canvas.FrameRect(ring);
    ring = gui::Rect(ring.Left + 1, ring.Top + 1, ring.Right - 1, ring.Bottom - 1);
    canvas.Brush().SetColor(hovered ? gui::clBtnFace : gui::clBtnShadow);
    canvas.FrameRect(ring);
    if (buttonMode_)
        DrawDefaultFace(canvas, ButtonRect(),
                        buttonDown_ && buttonHot_ ? fsPressed : buttonHot_ || ButtonFocused() ? fsHot : fsNormal);
}

void TskSkinCustomEdit::DrawSkinFrame(gui::TBitmap& bitmap)
{
    MakeHSkinImage(leftWidth_, rightWidth_, bitmap, *picture_, Hovered() ? activeSkinRect_ : skinRect_, Width());
    if (!buttonMode_)
        return;
    gui::TRect source;
    if (Enabled() || IsNullRect(unEnabledButtonRect_)) {
        if (buttonDown_ && buttonHot_)
            source = downButtonRect_;
        else if (buttonHot_ || ButtonFocused())
            source = activeButtonRect_;
    } else {
        source = unEnabledButtonRect_;
    }
    if (IsNullRect(source))
        return;  // the element's picture shows the normal button
    bitmap.Canvas().CopyRect(ButtonRect(), picture_->Canvas(), source);
}

}  // namespace sk
