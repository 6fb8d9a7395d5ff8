#include "skin/frame/skin_label_objects.h"

#include "skin/imaging/tiling.h"
#include "skin/model/geometry.h"

namespace sk {

// ---- bit label ----

TskSkinBitLabelObject::TskSkinBitLabelObject(TskSkinObjectHost* AParent, TskDataSkinBitLabel* AData)
    : TskActiveSkinObject(AParent, AData)
{
    if (!AData)
        return;
    TextValue = AData->TextValue;
    SymbolWidth = AData->SymbolWidth;
    SymbolHeight = AData->SymbolHeight;
    Symbols.AddStrings(AData->Symbols);
}

void TskSkinBitLabelObject::Draw(gui::TCanvas& Canvas, bool)
{
    const int w = RectWidth(SkinRect), h = RectHeight(SkinRect);
    if (w < 1 || h < 1)
        return;
    gui::TBitmap image;
    CopyScaled(image, w, h, Picture, SkinRect);
    const bool cells = ActivePicture && !ActivePicture->Empty() && SymbolWidth > 0 && SymbolHeight > 0;
    for (size_t i = 0; cells && i < TextValue.size(); ++i) {
        const int x = int(i) * SymbolWidth;
        if (x >= w)
            break;
        int row = -1;
        size_t column = std::string::npos;
        for (int r = 0; r < Symbols.Count() && row < 0; ++r) {
            column = Symbols[r].find(TextValue[i]);
            if (column != std::string::npos)
                row = r;
        }
        if (row < 0)
            continue;  // an unknown character leaves the background showing
        const int width = std::min(SymbolWidth, w - x);
        const int left = ActiveSkinRect.Left + int(column) * SymbolWidth;
        const int top = ActiveSkinRect.Top + row * SymbolHeight;
        CopyPiece(image.Canvas(), gui::Rect(x, 0, x + width, SymbolHeight), ActivePicture->Canvas(),
                  gui::Rect(left, top, left + width, top + SymbolHeight));
        if (width < SymbolWidth)
            break;  // cut at the edge; nothing follows
    }
    Canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
}

// ---- label ----

TskSkinLabelObject::TskSkinLabelObject(TskSkinObjectHost* AParent, TskDataSkinLabel* AData)
    : TskActiveSkinObject(AParent, AData)
{
    if (!AData)
        return;
    TextValue = AData->TextValue;
    FontName = AData->FontName;
    FontStyle = AData->FontStyle;
    FontHeight = AData->FontHeight;
    FontColor = AData->FontColor;
    ActiveFontColor = AData->ActiveFontColor;
    Alignment = AData->Alignment;
}

void TskSkinLabelObject::MakeLook(gui::TBitmap& Look, gui::TBitmap* Source, const gui::TRect& SourceRect,
                                  gui::TColor Color)
{
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    CopyScaled(Look, w, h, Source, SourceRect);
    if (Look.Empty())
        return;
    gui::TCanvas& c = Look.Canvas();
    c.Font().SetName(FontName);
    c.Font().SetHeight(FontHeight);
    c.Font().SetStyle(FontStyle);
    c.Font().SetColor(Color);
    c.Brush().SetStyle(gui::bsClear);
    const gui::TSize size = c.TextExtent(TextValue);
    const int y = h / 2 - size.cy / 2;
    int x = 0;
    if (Alignment == gui::taRightJustify)
        x = w - size.cx;
    else if (Alignment == gui::taCenter)
        x = w / 2 - size.cx / 2;
    c.TextRect(gui::Rect(0, 0, w, h), x, y, TextValue);
}

void TskSkinLabelObject::Draw(gui::TCanvas& Canvas, bool)
{
    if (RectWidth(ObjectRect) < 1 || RectHeight(ObjectRect) < 1)
        return;
    gui::TBitmap look;
    const bool activeRect = !IsNullRect(ActiveSkinRect);
    if (LookChanging()) {
        gui::TBitmap highlighted;
        MakeLook(look, Picture, SkinRect, FontColor);
        if (activeRect)
            MakeLook(highlighted, ActivePicture, ActiveSkinRect, ActiveFontColor);
        else
            MakeLook(highlighted, Picture, SkinRect, ActiveFontColor);
        DrawMorph(Canvas, look, highlighted);
        return;
    }
    if (Active && activeRect)
        MakeLook(look, ActivePicture, ActiveSkinRect, ActiveFontColor);
    else if (Active && ActiveFontColor != FontColor)
        MakeLook(look, Picture, SkinRect, ActiveFontColor);
    else
        // The highlighted look equal to the normal one still shows its text: the
        // frame strips beneath never carry it.
        MakeLook(look, Picture, SkinRect, FontColor);
    Canvas.Draw(ObjectRect.Left, ObjectRect.Top, look);
}

void TskSkinLabelObject::MouseEnter()
{
    MouseIn = true;
    Active = true;
    if (!IsNullRect(ActiveSkinRect) || ActiveFontColor != FontColor)
        StartMorph();
    Parent->MouseEnterEvent(IDName);
}

void TskSkinLabelObject::MouseLeave()
{
    MouseIn = false;
    Active = false;
    if (!IsNullRect(ActiveSkinRect) || ActiveFontColor != FontColor)
        StartMorph();
    Parent->MouseLeaveEvent(IDName);
}

}  // namespace sk
