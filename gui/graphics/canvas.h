// A drawing surface over a device context, with a pen, a brush and a font that
// are selected into the DC when a drawing operation needs them. A canvas either
// draws on a DC it is given (SetHandle; the DC stays the giver's) or makes its own
// on demand (the bitmap's canvas).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gui/core/types.h"
#include "gui/graphics/graphics_objects.h"

namespace gui {

class TBitmap;

class TCanvas {
public:
    TCanvas();
    explicit TCanvas(HDC dc);
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle();
    // Draws on the given DC from now on; the objects selected into the previous DC
    // are taken out again. A null DC detaches the canvas.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }
    TPoint PenPos();
    void SetPenPos(TPoint point) { MoveTo(point.X, point.Y); }
    // Raster operation of CopyRect and Draw (SRCCOPY unless set).
    DWORD CopyMode() const { return copyMode_; }
    void SetCopyMode(DWORD mode) { copyMode_ = mode; }

    // Lines end one pixel before their end point.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);
    // Outlined with the pen and filled with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // Filled or framed with the brush alone.
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);

    void TextOut(int x, int y, const std::string& text);  // moves the pen past the text
    // Text at (x, y) clipped to r; the brush fills r unless it is clear.
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    // The system's DrawText with the canvas's font and brush (a clear brush
    // leaves the background); with DT_CALCRECT it measures into r instead of
    // drawing. Answers the height of the text.
    int DrawText(const std::string& text, TRect& rect, UINT format);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    // A transparent bitmap leaves the pixels of its transparent colour out.
    void Draw(int x, int y, TBitmap& bitmap);
    void StretchDraw(const TRect& rect, TBitmap& bitmap);
    // Copies a rectangle of another canvas, scaled when the sizes differ.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

protected:
    // Makes the DC of a canvas that owns one; the plain canvas has none to make.
    virtual void CreateHandle() {}
    // Takes pen, brush and font out of the DC; before the DC or its bitmap goes.
    void DeselectObjects();
    void AttachHandle(HDC dc) { dc_ = dc; }

private:
    void RequirePen();
    void RequireBrush();
    void RequireFont();
    void ToolChanged(bool& valid, HGDIOBJ& old);

    HDC dc_ = nullptr;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    DWORD copyMode_ = SRCCOPY;
    bool penValid_ = false, brushValid_ = false, fontValid_ = false;
    HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr, oldFont_ = nullptr;
};

}  // namespace gui
