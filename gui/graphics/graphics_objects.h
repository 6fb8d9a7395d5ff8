// The drawing tools of a canvas: pen, brush and font. Each makes its GDI object on
// first use and again after a property changes; OnChange fires before the old
// object is deleted, so a canvas can take it out of its DC first.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "gui/core/color.h"
#include "gui/core/font_style.h"
#include "win/gdi_handles.h"

namespace gui {

class TGraphicsObject {
public:
    virtual ~TGraphicsObject() = default;
    std::function<void(TGraphicsObject&)> OnChange;

protected:
    void Changed();
    virtual void FreeHandle() = 0;
    // Stores a new property value; a real change fires Changed.
    template <typename T>
    void Update(T& field, const T& value)
    {
        if (field != value) {
            field = value;
            Changed();
        }
    }
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    void Assign(const TPen& other);
    HPEN Handle() const;

private:
    void FreeHandle() override { handle_.Reset(); }

    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    mutable win::UniquePen handle_;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    void Assign(const TBrush& other);
    HBRUSH Handle() const;

private:
    void FreeHandle() override { handle_.Reset(); }

    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    mutable win::UniqueBrush handle_;
};

class TFont : public TGraphicsObject {
public:
    TFont();  // "MS Sans Serif", 8 points, clWindowText

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Height in pixels (negative: character height without internal leading) and
    // Size in points, converted with PixelsPerInch.
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);  // text colour: no new font object
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    BYTE Charset() const { return charset_; }
    void SetCharset(BYTE charset);
    int PixelsPerInch() const { return pixelsPerInch_; }

    void Assign(const TFont& other);
    HFONT Handle() const;

private:
    void FreeHandle() override { handle_.Reset(); }

    std::string name_ = "MS Sans Serif";
    int pixelsPerInch_ = 96;
    int height_ = 0;
    TColor color_ = clWindowText;
    TFontStyles style_;
    BYTE charset_ = DEFAULT_CHARSET;
    mutable win::UniqueFont handle_;
};

}  // namespace gui
