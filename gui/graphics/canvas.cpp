#include "gui/graphics/canvas.h"

#include "gui/graphics/bitmap.h"
#include "gui/graphics/win_types.h"

namespace gui {

TCanvas::TCanvas()
{
    pen_.OnChange = [this](TGraphicsObject&) { ToolChanged(penValid_, oldPen_); };
    brush_.OnChange = [this](TGraphicsObject&) { ToolChanged(brushValid_, oldBrush_); };
    font_.OnChange = [this](TGraphicsObject&) { ToolChanged(fontValid_, oldFont_); };
}

TCanvas::TCanvas(HDC dc) : TCanvas() { dc_ = dc; }

TCanvas::~TCanvas() { DeselectObjects(); }

HDC TCanvas::Handle()
{
    if (!dc_)
        CreateHandle();
    return dc_;
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == dc_)
        return;
    DeselectObjects();
    dc_ = dc;
}

void TCanvas::DeselectObjects()
{
    if (dc_) {
        if (penValid_ && oldPen_)
            ::SelectObject(dc_, oldPen_);
        if (brushValid_ && oldBrush_)
            ::SelectObject(dc_, oldBrush_);
        if (fontValid_ && oldFont_)
            ::SelectObject(dc_, oldFont_);
    }
    penValid_ = brushValid_ = fontValid_ = false;
    oldPen_ = oldBrush_ = oldFont_ = nullptr;
}

// A tool changed: the DC gets its original object back before the tool's old GDI
// object is deleted; the new one is selected when next needed.
void TCanvas::ToolChanged(bool& valid, HGDIOBJ& old)
{
    if (valid && dc_) {
        ::SelectObject(dc_, old);
        old = nullptr;
    }
    valid = false;
}

void TCanvas::RequirePen()
{
    if (penValid_ || !Handle())
        return;
    oldPen_ = ::SelectObject(dc_, pen_.Handle());
    penValid_ = true;
}

void TCanvas::RequireBrush()
{
    if (brushValid_ || !Handle())
        return;
    oldBrush_ = ::SelectObject(dc_, brush_.Handle());
    const COLORREF color = ColorToRGB(brush_.Color());
    if (brush_.Style() == bsSolid) {
        ::SetBkColor(dc_, color);
        ::SetBkMode(dc_, OPAQUE);
    } else {
        ::SetBkColor(dc_, ~color & 0xFFFFFF);
        ::SetBkMode(dc_, TRANSPARENT);
    }
    brushValid_ = true;
}

void TCanvas::RequireFont()
{
    if (fontValid_ || !Handle())
        return;
    oldFont_ = ::SelectObject(dc_, font_.Handle());
    ::SetTextColor(dc_, ColorToRGB(font_.Color()));
    fontValid_ = true;
}

TPoint TCanvas::PenPos()
{
    POINT p{};
    if (Handle())
        ::GetCurrentPositionEx(dc_, &p);
    return Point(p.x, p.y);
}

void TCanvas::MoveTo(int x, int y)
{
    if (Handle())
        ::MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    RequirePen();
    if (dc_)
        ::LineTo(dc_, x, y);
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    RequirePen();
    if (dc_ && !points.empty())
        ::Polyline(dc_, reinterpret_cast<const POINT*>(points.data()), int(points.size()));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    RequirePen();
    RequireBrush();
    if (dc_)
        ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    RequirePen();
    RequireBrush();
    if (dc_)
        ::Ellipse(dc_, left, top, right, bottom);
}

void TCanvas::FillRect(const TRect& rect)
{
    RequireBrush();
    const RECT rc = ToRECT(rect);
    if (dc_)
        ::FillRect(dc_, &rc, brush_.Handle());
}

void TCanvas::FrameRect(const TRect& rect)
{
    RequireBrush();
    const RECT rc = ToRECT(rect);
    if (dc_)
        ::FrameRect(dc_, &rc, brush_.Handle());
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    RequireFont();
    RequireBrush();
    if (!dc_)
        return;
    ::ExtTextOutA(dc_, x, y, 0, nullptr, text.c_str(), UINT(text.size()), nullptr);
    MoveTo(x + TextWidth(text), y);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text)
{
    RequireFont();
    RequireBrush();
    if (!dc_)
        return;
    UINT options = ETO_CLIPPED;
    if (brush_.Style() != bsClear)
        options |= ETO_OPAQUE;
    const RECT rc = ToRECT(rect);
    ::ExtTextOutA(dc_, x, y, options, &rc, text.c_str(), UINT(text.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, TRect& rect, UINT format)
{
    RequireFont();
    RequireBrush();
    if (!dc_)
        return 0;
    RECT rc = ToRECT(rect);
    const int height = ::DrawTextA(dc_, text.c_str(), int(text.size()), &rc, format);
    rect = FromRECT(rc);
    return height;
}

TSize TCanvas::TextExtent(const std::string& text)
{
    RequireFont();
    SIZE size{};
    if (dc_)
        ::GetTextExtentPoint32A(dc_, text.c_str(), int(text.size()), &size);
    return TSize{size.cx, size.cy};
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    StretchDraw(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& rect, TBitmap& bitmap)
{
    if (bitmap.Empty() || !Handle())
        return;
    HDC source = bitmap.Canvas().Handle();
    const int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
    if (bitmap.Transparent()) {
        ::TransparentBlt(dc_, rect.Left, rect.Top, w, h, source, 0, 0, bitmap.Width(), bitmap.Height(),
                         ColorToRGB(bitmap.TransparentColor()));
    } else if (w == bitmap.Width() && h == bitmap.Height()) {
        ::BitBlt(dc_, rect.Left, rect.Top, w, h, source, 0, 0, copyMode_);
    } else {
        ::SetStretchBltMode(dc_, COLORONCOLOR);
        ::StretchBlt(dc_, rect.Left, rect.Top, w, h, source, 0, 0, bitmap.Width(), bitmap.Height(), copyMode_);
    }
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect)
{
    HDC from = source.Handle();
    if (!Handle() || !from)
        return;
    // Colour pictures are scaled by dropping or repeating pixels, never by
    // blending them together.
    ::SetStretchBltMode(dc_, COLORONCOLOR);
    ::StretchBlt(dc_, dest.Left, dest.Top, dest.Right - dest.Left, dest.Bottom - dest.Top, from, sourceRect.Left,
                 sourceRect.Top, sourceRect.Right - sourceRect.Left, sourceRect.Bottom - sourceRect.Top, copyMode_);
}

TColor TCanvas::Pixels(int x, int y)
{
    return Handle() ? static_cast<TColor>(::GetPixel(dc_, x, y)) : clNone;
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    if (Handle())
        ::SetPixel(dc_, x, y, ColorToRGB(color));
}

}  // namespace gui
