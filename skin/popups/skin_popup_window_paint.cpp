// How the popup window paints its background, its rows and its scroll markers.
#include "skin/imaging/glyphs.h"
#include "skin/imaging/skin_image.h"
#include "skin/popups/skin_popup_window.h"
#include "win/gdi_handles.h"

namespace sk {

void TskSkinPopupWindow::WMEraseBkgnd(gui::TMessage& message)
{
    gui::TBitmap image;
    PaintWindowImage(image);
    ::BitBlt(reinterpret_cast<HDC>(message.WParam), 0, 0, image.Width(), image.Height(), image.Canvas().Handle(),
             0, 0, SRCCOPY);
    message.Result = 1;
}

void TskSkinPopupWindow::PaintWindowImage(gui::TBitmap& bitmap)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    bitmap.SetSize(Width(), Height());
    DrawBackground(bitmap);
    for (int i = visibleStart_; i < visibleStart_ + visibleCount_ && i < RowCount(); ++i)
        rows_[size_t(i)]->Draw(bitmap.Canvas());
    if (scroll_)
        DrawScrollMarkers(bitmap.Canvas());
}

void TskSkinPopupWindow::DrawBackground(gui::TBitmap& bitmap)
{
    const int w = Width(), h = Height();
    if (popupRecord_) {
        // The rows cover the items rectangle unless the window scrolls.
        MakeSkinImageEx(skinGeometry_, newGeometry_, bitmap, *windowPicture_,
                        gui::Rect(0, 0, windowPicture_->Width(), windowPicture_->Height()), w, h, scroll_);
    } else {
        gui::TCanvas& c = bitmap.Canvas();
        const int glyphColumn = images_ ? glyphWidth_ + 3 : 22;
        c.Brush().SetStyle(gui::bsSolid);
        c.Brush().SetColor(gui::clBtnFace);
        c.FillRect(gui::Rect(0, 0, glyphColumn, h));
        c.Brush().SetColor(gui::clWindow);
        c.FillRect(gui::Rect(glyphColumn, 0, w, h));
        c.Brush().SetColor(gui::clBtnShadow);
        c.FrameRect(gui::Rect(0, 0, w, h));
        c.Brush().SetColor(gui::clWindow);
        c.FrameRect(gui::Rect(1, 1, w - 1, h - 1));
    }
    if (FakeTransparency())
        BlendWithScreen(bitmap, 0, 0);
}

void TskSkinPopupWindow::BlendWithScreen(gui::TBitmap& bitmap, int x, int y)
{
    if (!screenEffect_ || bitmap.Empty())
        return;
    TskEffectBmp effect(bitmap.Handle());
    effect.MorphRect(*screenEffect_, gui::Rect(0, 0, bitmap.Width(), bitmap.Height()), BlendFactor(), x, y);
    effect.Draw(bitmap.Canvas().Handle(), 0, 0);
}

void TskSkinPopupWindow::DrawScrollMarkers(gui::TCanvas& canvas)
{
    DrawMarker(canvas, true);
    DrawMarker(canvas, false);
}

void TskSkinPopupWindow::DrawMarker(gui::TCanvas& canvas, bool top)
{
    const int w = Width(), h = Height();
    gui::TRect r;
    if (popupRecord_)
        r = top ? TopMarker() : BottomMarker();
    else
        r = top ? gui::Rect(3, 3, w - 3, 13) : gui::Rect(3, h - 10, w - 3, h - 3);
    const bool active = scrollCode_ == (top ? 1 : 2);
    gui::TColor colour;
    if (popupRecord_)
        colour = active ? popupRecord_->ScrollMarkerActiveColor : popupRecord_->ScrollMarkerColor;
    else
        colour = active ? gui::clBtnText : gui::clBtnShadow;
    DrawArrow(canvas, r, colour, top ? kArrowUp : kArrowDown);
}

void TskSkinPopupWindow::RedrawRow(TskSkinMenuItem& row)
{
    if (row.Morphing())
        morphTimer_->SetEnabled(true);
    else
        DrawRow(row);
}

void TskSkinPopupWindow::DrawRow(TskSkinMenuItem& row)
{
    DrawOnWindow([&row](gui::TCanvas& c) { row.Draw(c); });
}

void TskSkinPopupWindow::DrawOnWindow(const std::function<void(gui::TCanvas&)>& draw)
{
    if (!HandleAllocated() || !Visible())
        return;
    win::WindowDC dc(Handle());
    if (!dc)
        return;
    gui::TCanvas canvas(dc.Get());
    draw(canvas);
}

void TskSkinPopupWindow::MorphTimerTick()
{
    bool running = false;
    for (const auto& row : rows_) {
        if (!row->Morphing() || !row->MorphRunning())
            continue;
        row->MorphStep();
        DrawRow(*row);
        running = true;
    }
    if (!running)
        morphTimer_->SetEnabled(false);
}

}  // namespace sk
