#include "skin/popups/skin_hint_window.h"

#include <algorithm>
#include <utility>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/layered.h"
#include "skin/imaging/mask_region.h"
#include "skin/imaging/skin_image.h"
#include "skin/popups/skin_hint.h"
#include "win/window_region.h"

namespace sk {

namespace {

// The first active skinned hint component of the main form.
TskSkinHint* FindGovernor()
{
    gui::TForm* mainForm = gui::Application().MainForm();
    if (!mainForm)
        return nullptr;
    for (int i = 0; i < mainForm->ComponentCount(); ++i) {
        auto* hint = dynamic_cast<TskSkinHint*>(mainForm->Components(i));
        if (hint && hint->Active())
            return hint;
    }
    return nullptr;
}

}  // namespace

TskSkinHintWindow::TskSkinHintWindow(gui::TComponent* owner) : gui::THintWindow(owner) {}

void TskSkinHintWindow::CreateParams(gui::TCreateParams& params)
{
    gui::THintWindow::CreateParams(params);
    params.Style &= ~DWORD(WS_BORDER);
}

void TskSkinHintWindow::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_NCPAINT:
        message.Result = 0;  // no frame to paint
        break;
    case WM_ERASEBKGND:
        message.Result = 1;  // Paint covers the whole window
        break;
    default:
        gui::THintWindow::WndProc(message);
    }
}

void TskSkinHintWindow::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::THintWindow::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == governor_)
        governor_ = nullptr;
    if (component == skin_)
        skin_ = nullptr;
}

void TskSkinHintWindow::SetGovernor(TskSkinHint* value)
{
    if (governor_ && governor_ != Owner())
        RemoveFreeNotification(governor_);
    governor_ = value;
    if (governor_)
        FreeNotification(governor_);
    if (skin_)
        RemoveFreeNotification(skin_);
    skin_ = nullptr;
    TskSkinData* data = governor_ ? governor_->SkinData() : nullptr;
    if (data && !data->Empty() && data->HintWindow.WindowPictureIndex != -1 &&
        data->ActivePicture(data->HintWindow.WindowPictureIndex)) {
        skin_ = data;
        FreeNotification(skin_);
    }
}

gui::TBitmap* TskSkinHintWindow::SkinPicture() const
{
    return skin_ ? skin_->ActivePicture(skin_->HintWindow.WindowPictureIndex) : nullptr;
}

SkinGeometry TskSkinHintWindow::SkinFrame() const { return skin_->HintWindow; }

void TskSkinHintWindow::ApplyFont(gui::TFont& font) const
{
    font.Assign(governor_->DefaultFont());
    if (skin_ && governor_->UseSkinFont()) {
        font.SetHeight(skin_->HintWindow.FontHeight);
        font.SetName(skin_->HintWindow.FontName);
        font.SetStyle(skin_->HintWindow.FontStyle);
    }
}

gui::TSize TskSkinHintWindow::Measure(const std::string& text)
{
    gui::TBitmap measure;
    measure.SetSize(1, 1);
    ApplyFont(measure.Canvas().Font());
    gui::TRect r;
    measure.Canvas().DrawText(text, r, DT_CALCRECT | DT_CENTER);
    const int w = RectWidth(r), h = RectHeight(r);
    gui::TBitmap* picture = SkinPicture();
    if (!picture)
        return gui::TSize{w + 4, h + 4};
    const SkinGeometry frame = SkinFrame();
    const int pw = picture->Width(), ph = picture->Height();
    const gui::TRect& cl = frame.ClRect;
    const int width = std::max(w + cl.Left + (pw - cl.Right), pw);
    const int height = std::max(h + cl.Top + (ph - cl.Bottom), ph);
    const int dw = width - pw, dh = height - ph;
    newGeometry_.ClRect = gui::Rect(cl.Left, cl.Top, cl.Right + dw, cl.Bottom + dh);
    newGeometry_.LTPoint = frame.LTPoint;
    newGeometry_.RTPoint = gui::Point(frame.RTPoint.X + dw, frame.RTPoint.Y);
    newGeometry_.LBPoint = gui::Point(frame.LBPoint.X, frame.LBPoint.Y + dh);
    newGeometry_.RBPoint = gui::Point(frame.RBPoint.X + dw, frame.RBPoint.Y + dh);
    return gui::TSize{width, height};
}

void TskSkinHintWindow::ActivateHint(gui::TRect rect, const std::string& hint)
{
    TskSkinHint* governor = FindGovernor();
    if (!governor)
        return;  // hints show only under a skinned hint component
    SetGovernor(governor);
    SetCaption(hint);
    const gui::TSize size = Measure(hint);
    rect.Right = rect.Left + size.cx;
    rect.Bottom = rect.Top + size.cy;
    if (::GetSystemMetrics(SM_CXSCREEN) < rect.Right) {
        rect.Left -= size.cx + 2;
        rect.Right -= size.cx + 2;
    }
    if (::GetSystemMetrics(SM_CYSCREEN) < rect.Bottom) {
        rect.Top -= size.cy + 2;
        rect.Bottom -= size.cy + 2;
    }
    SetBoundsRect(rect);
    UpdateAlpha();
    UpdateRegion();
    ::SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    SetVisible(true);
    Invalidate();
}

void TskSkinHintWindow::UpdateAlpha()
{
    const TskSkinHint& g = *governor_;
    if (g.AlphaBlend() != lastAlphaBlend_ && g.AlphaBlendSupport()) {
        const LONG_PTR exStyle = ::GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
        if (g.AlphaBlend()) {
            ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
            SetWindowAlpha(Handle(), g.AlphaBlendValue());
            lastAlphaValue_ = g.AlphaBlendValue();
        } else {
            ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
        }
        lastAlphaBlend_ = g.AlphaBlend();
    }
    if (g.AlphaBlendValue() != lastAlphaValue_ && g.AlphaBlendSupport() && g.AlphaBlend()) {
        SetWindowAlpha(Handle(), g.AlphaBlendValue());
        lastAlphaValue_ = g.AlphaBlendValue();
    }
    if (g.AlphaBlend() && !g.AlphaBlendSupport()) {
        snapshot_.SetSize(Width(), Height());
        GrabScreenArea(Left(), Top(), snapshot_);
    }
}

void TskSkinHintWindow::UpdateRegion()
{
    gui::TBitmap* mask = skin_ ? skin_->ActivePicture(skin_->HintWindow.MaskPictureIndex) : nullptr;
    win::UniqueRegion region;
    if (mask)
        region = MakeSkinRegion(SkinFrame(), newGeometry_, *mask, Width());
    else if (!regionSet_)
        return;
    const bool shaped = static_cast<bool>(region);
    if (win::SetWindowRegion(Handle(), std::move(region)))
        regionSet_ = shaped;
}

void TskSkinHintWindow::Paint()
{
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0 || !governor_)
        return;
    gui::TBitmap b;
    b.SetSize(w, h);
    gui::TCanvas& c = b.Canvas();
    const std::string text = Caption();
    if (gui::TBitmap* picture = SkinPicture()) {
        MakeSkinImageEx(SkinFrame(), newGeometry_, b, *picture, gui::Rect(0, 0, picture->Width(), picture->Height()),
                        w, h, true);
        c.Brush().SetStyle(gui::bsClear);
        ApplyFont(c.Font());
        c.Font().SetColor(skin_->HintWindow.FontColor);
        gui::TRect r;
        c.DrawText(text, r, DT_CALCRECT | DT_CENTER);
        const gui::TRect& cl = newGeometry_.ClRect;
        const int left = cl.Left + RectWidth(cl) / 2 - RectWidth(r) / 2;
        const int top = cl.Top + RectHeight(cl) / 2 - RectHeight(r) / 2;
        r = gui::Rect(left, top, left + RectWidth(r), top + RectHeight(r));
        c.DrawText(text, r, DT_CENTER);
    } else {
        c.Brush().SetStyle(gui::bsSolid);
        c.Brush().SetColor(gui::clInfoBk);
        c.FillRect(gui::Rect(0, 0, w, h));
        c.Brush().SetColor(gui::clBtnShadow);
        c.FrameRect(gui::Rect(0, 0, w, h));
        c.Font().Assign(governor_->DefaultFont());
        c.Font().SetColor(gui::clInfoText);
        c.Brush().SetStyle(gui::bsClear);
        gui::TRect r = gui::Rect(2, 2, w - 2, h - 2);
        c.DrawText(text, r, 0);
    }
    if (governor_->AlphaBlend() && !governor_->AlphaBlendSupport() && !snapshot_.Empty()) {
        TskEffectBmp picture(b.Handle());
        const TskEffectBmp screen(snapshot_.Handle());
        picture.Morph(screen, 1.0 - governor_->AlphaBlendValue() / 255.0);
        picture.Draw(c.Handle(), 0, 0);
    }
    Canvas().Draw(0, 0, b);
}

}  // namespace sk
