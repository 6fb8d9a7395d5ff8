#include "gui/graphics/graphics_objects.h"

namespace gui {

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(*this);
    FreeHandle();
}

void TPen::SetColor(TColor color) { Update(color_, color); }

void TPen::SetWidth(int width) { Update(width_, width); }

void TPen::SetStyle(TPenStyle style) { Update(style_, style); }

void TPen::Assign(const TPen& other)
{
    color_ = other.color_;
    width_ = other.width_;
    style_ = other.style_;
    Changed();
}

HPEN TPen::Handle() const
{
    if (!handle_) {
        static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        handle_.Reset(::CreatePen(kStyles[style_], width_, ColorToRGB(color_)));
    }
    return handle_.Get();
}

void TBrush::SetColor(TColor color) { Update(color_, color); }

void TBrush::SetStyle(TBrushStyle style) { Update(style_, style); }

void TBrush::Assign(const TBrush& other)
{
    color_ = other.color_;
    style_ = other.style_;
    Changed();
}

HBRUSH TBrush::Handle() const
{
    if (!handle_) {
        LOGBRUSH lb{};
        lb.lbColor = ColorToRGB(color_);
        if (style_ == bsSolid) {
            lb.lbStyle = BS_SOLID;
        } else if (style_ == bsClear) {
            lb.lbStyle = BS_HOLLOW;
        } else {
            static const int kHatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
            lb.lbStyle = BS_HATCHED;
            lb.lbHatch = static_cast<ULONG_PTR>(kHatches[style_ - bsHorizontal]);
        }
        handle_.Reset(::CreateBrushIndirect(&lb));
    }
    return handle_.Get();
}

TFont::TFont()
{
    win::WindowDC screen;
    if (screen)
        pixelsPerInch_ = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    height_ = -::MulDiv(8, pixelsPerInch_, 72);
}

void TFont::SetName(const std::string& name) { Update(name_, name); }

void TFont::SetHeight(int height) { Update(height_, height); }

int TFont::Size() const { return -::MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int points) { SetHeight(-::MulDiv(points, pixelsPerInch_, 72)); }

void TFont::SetColor(TColor color)
{
    if (color_ != color) {
        color_ = color;
        if (OnChange)
            OnChange(*this);
    }
}

void TFont::SetStyle(TFontStyles style) { Update(style_, style); }

void TFont::SetCharset(BYTE charset) { Update(charset_, charset); }

void TFont::Assign(const TFont& other)
{
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    charset_ = other.charset_;
    Changed();
}

HFONT TFont::Handle() const
{
    if (!handle_) {
        LOGFONTA lf{};
        lf.lfHeight = height_;
        lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = style_.Contains(fsItalic);
        lf.lfUnderline = style_.Contains(fsUnderline);
        lf.lfStrikeOut = style_.Contains(fsStrikeOut);
        lf.lfCharSet = charset_;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_.Reset(::CreateFontIndirectA(&lf));
    }
    return handle_.Get();
}

}  // namespace gui
