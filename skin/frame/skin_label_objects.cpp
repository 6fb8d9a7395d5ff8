#include "skin/frame/skin_label_objects.h"

#include "skin/imaging/tiling.h"
#include "skin/model/geometry.h"

namespace sk {

// ---- bit label ----

TskSkinBitLabelObject::TskSkinBitLabelObject(TskSkinObjectHost* parent, TskDataSkinBitLabel* data)
    : TskActiveSkinObject(parent, data)
{
    if (!data)
        return;
    textValue_ = data->TextValue;
    symbolWidth_ = data->SymbolWidth;
    symbolHeight_ = data->SymbolHeight;
    symbols_.AddStrings(data->Symbols);
}

void TskSkinBitLabelObject::Draw(gui::TCanvas& canvas, bool)
{
    const int width = RectWidth(SkinRect()), height = RectHeight(SkinRect());
    if (width < 1 || height < 1)
        return;
    gui::TBitmap image;
    CopyScaled(image, width, height, Picture(), SkinRect());
    gui::TBitmap* cellsPicture = ActivePicture();
    const bool cells = cellsPicture && !cellsPicture->Empty() && symbolWidth_ > 0 && symbolHeight_ > 0;
    for (size_t i = 0; cells && i < textValue_.size(); ++i) {
        const int x = int(i) * symbolWidth_;
        if (x >= width)
            break;
        int row = -1;
        size_t column = std::string::npos;
        for (int line = 0; line < symbols_.Count() && row < 0; ++line) {
            column = symbols_[line].find(textValue_[i]);
            if (column != std::string::npos)
                row = line;
        }
        if (row < 0)
            continue;  // an unknown character leaves the background showing
        const int cellWidth = std::min(symbolWidth_, width - x);
        const int left = ActiveSkinRect().Left + int(column) * symbolWidth_;
        const int top = ActiveSkinRect().Top + row * symbolHeight_;
        CopyPiece(image.Canvas(), gui::Rect(x, 0, x + cellWidth, symbolHeight_), cellsPicture->Canvas(),
                  gui::Rect(left, top, left + cellWidth, top + symbolHeight_));
        if (cellWidth < symbolWidth_)
            break;  // cut at the edge; nothing follows
    }
    canvas.Draw(ObjectRect().Left, ObjectRect().Top, image);
}

// ---- label ----

TskSkinLabelObject::TskSkinLabelObject(TskSkinObjectHost* parent, TskDataSkinLabel* data)
    : TskActiveSkinObject(parent, data)
{
    if (!data)
        return;
    textValue_ = data->TextValue;
    fontName_ = data->FontName;
    fontStyle_ = data->FontStyle;
    fontHeight_ = data->FontHeight;
    fontColor_ = data->FontColor;
    activeFontColor_ = data->ActiveFontColor;
    alignment_ = data->Alignment;
}

void TskSkinLabelObject::MakeLook(gui::TBitmap& look, gui::TBitmap* source, const gui::TRect& sourceRect,
                                  gui::TColor color)
{
    const int width = RectWidth(ObjectRect()), height = RectHeight(ObjectRect());
    CopyScaled(look, width, height, source, sourceRect);
    if (look.Empty())
        return;
    gui::TCanvas& canvas = look.Canvas();
    canvas.Font().SetName(fontName_);
    canvas.Font().SetHeight(fontHeight_);
    canvas.Font().SetStyle(fontStyle_);
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(gui::bsClear);
    const gui::TSize size = canvas.TextExtent(textValue_);
    const int y = height / 2 - size.cy / 2;
    int x = 0;
    if (alignment_ == gui::taRightJustify)
        x = width - size.cx;
    else if (alignment_ == gui::taCenter)
        x = width / 2 - size.cx / 2;
    canvas.TextRect(gui::Rect(0, 0, width, height), x, y, textValue_);
}

void TskSkinLabelObject::Draw(gui::TCanvas& canvas, bool)
{
    if (RectWidth(ObjectRect()) < 1 || RectHeight(ObjectRect()) < 1)
        return;
    gui::TBitmap look;
    const bool activeRect = !IsNullRect(ActiveSkinRect());
    if (LookChanging()) {
        gui::TBitmap highlighted;
        MakeLook(look, Picture(), SkinRect(), fontColor_);
        if (activeRect)
            MakeLook(highlighted, ActivePicture(), ActiveSkinRect(), activeFontColor_);
        else
            MakeLook(highlighted, Picture(), SkinRect(), activeFontColor_);
        DrawMorph(canvas, look, highlighted);
        return;
    }
    if (Active() && activeRect)
        MakeLook(look, ActivePicture(), ActiveSkinRect(), activeFontColor_);
    else if (Active() && activeFontColor_ != fontColor_)
        MakeLook(look, Picture(), SkinRect(), activeFontColor_);
    else
        // The highlighted look equal to the normal one still shows its text: the
        // frame strips beneath never carry it.
        MakeLook(look, Picture(), SkinRect(), fontColor_);
    canvas.Draw(ObjectRect().Left, ObjectRect().Top, look);
}

void TskSkinLabelObject::MouseEnter()
{
    SetMouseIn(true);
    SetActive(true);
    if (!IsNullRect(ActiveSkinRect()) || activeFontColor_ != fontColor_)
        StartMorph();
    Parent()->MouseEnterEvent(IDName());
}

void TskSkinLabelObject::MouseLeave()
{
    SetMouseIn(false);
    SetActive(false);
    if (!IsNullRect(ActiveSkinRect()) || activeFontColor_ != fontColor_)
        StartMorph();
    Parent()->MouseLeaveEvent(IDName());
}

}  // namespace sk
