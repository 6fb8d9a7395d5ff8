#include "skin/popups/skin_menu_item.h"

#include <algorithm>

#include "gui/controls/shortcut.h"
#include "gui/core/rounding.h"
#include "gui/graphics/image_list.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/glyphs.h"
#include "skin/imaging/morph_by_kind.h"
#include "skin/imaging/skin_image.h"
#include "skin/popups/skin_popup_window.h"

namespace sk {

using gui::TCanvas;
using gui::TColor;
using gui::TRect;

// Where the marks of a row go: its image, the system menu's glyphs, the radio dot
// and the check mark.
struct MarkPlaces {
    int image;
    int glyph;
    int dot;
    int check;
};

namespace {

constexpr TColor kActiveFrame = 0x800000;
constexpr TColor kActiveFill = 0xD2BDB6;

using GlyphFunction = void (*)(TCanvas&, int, int, TColor);

// The glyph of an item of a form's system menu, known by the item's name.
GlyphFunction SystemMenuGlyph(const std::string& name)
{
    if (name == "DSF_CLOSE" || name == "TRAY_DSF_CLOSE")
        return DrawCloseGlyph;
    if (name == "DSF_MINITEM")
        return DrawMinimizeGlyph;
    if (name == "DSF_MAXITEM")
        return DrawMaximizeGlyph;
    if (name == "DSF_RESTORE" || name == "TRAY_DSF_RESTORE")
        return DrawRestoreGlyph;
    if (name == "DSF_ROLLUP")
        return DrawRollUpGlyph;
    if (name == "DSF_MINTOTRAY")
        return DrawMinimizeToTrayGlyph;
    return nullptr;
}

void Fill(TCanvas& canvas, const TRect& rect, TColor colour)
{
    canvas.Brush().SetStyle(gui::bsSolid);
    canvas.Brush().SetColor(colour);
    canvas.FillRect(rect);
}

void Frame(TCanvas& canvas, const TRect& rect, TColor colour)
{
    canvas.Brush().SetStyle(gui::bsSolid);
    canvas.Brush().SetColor(colour);
    canvas.FrameRect(rect);
}

void DrawSubmenuArrow(TCanvas& canvas, int x, int y, TColor colour)
{
    canvas.Pen().SetColor(colour);
    for (int i = 0; i <= 3; ++i) {
        canvas.MoveTo(x + i, y + i);
        canvas.LineTo(x + i, y + 7 - i);
    }
}

}  // namespace

TskSkinMenuItem::TskSkinMenuItem(TskSkinPopupWindow& window, const TskDataSkinMenuItem* rowRecord,
                                 gui::TBitmap* picture, gui::TMenuItem& item)
    : window_(window), rowRecord_(rowRecord), picture_(picture), menuItem_(item)
{
}

bool TskSkinMenuItem::MorphRunning()
{
    if (!visible_) {
        if (morphFactor_ != 0) {
            active_ = false;
            open_ = false;
            morphFactor_ = 0;
        }
        return false;
    }
    return ActiveLook() ? morphFactor_ < 1 : morphFactor_ > 0;
}

void TskSkinMenuItem::MorphStep()
{
    // In whole tenths, so that ten steps make the whole way.
    const double step = ActiveLook() ? 1 : -1;
    morphFactor_ = std::clamp(gui::Round(morphFactor_ * 10 + step) / 10.0, 0.0, 1.0);
}

void TskSkinMenuItem::Draw(TCanvas& canvas)
{
    if (!visible_ || RectWidth(itemRect_) <= 0 || RectHeight(itemRect_) <= 0)
        return;
    gui::TBitmap b;
    const bool active = ActiveLook();
    if (!rowRecord_) {
        DrawDefaultRow(b, active);
    } else if (IsSeparator()) {
        DrawSeparator(b);
    } else if (!Morphing() || (active && morphFactor_ >= 1) || (!active && morphFactor_ <= 0)) {
        DrawSkinnedRow(b, active);
    } else {
        gui::TBitmap normal, selected;
        DrawSkinnedRow(normal, false);
        DrawSkinnedRow(selected, true);
        TskEffectBmp mix(normal.Handle());
        const TskEffectBmp target(selected.Handle());
        MorphByKind(mix, target, morphFactor_, rowRecord_->MorphKind);
        b.SetSize(mix.Width(), mix.Height());
        mix.Draw(b.Canvas().Handle(), 0, 0);
    }
    CopyToCanvas(canvas, b);
}

void TskSkinMenuItem::CopyToCanvas(TCanvas& canvas, gui::TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    if (window_.FakeTransparency() && window_.ScreenEffect()) {
        TskEffectBmp effect(bitmap.Handle());
        effect.MorphRect(*window_.ScreenEffect(), gui::Rect(0, 0, bitmap.Width(), bitmap.Height()),
                         window_.BlendFactor(), itemRect_.Left, itemRect_.Top);
        effect.Draw(canvas.Handle(), itemRect_.Left, itemRect_.Top);
        return;
    }
    canvas.Draw(itemRect_.Left, itemRect_.Top, bitmap);
}

void TskSkinMenuItem::DrawDefaultRow(gui::TBitmap& bitmap, bool activeLook)
{
    const int w = RectWidth(itemRect_), h = RectHeight(itemRect_);
    bitmap.SetSize(w, h);
    TCanvas& c = bitmap.Canvas();
    const int gutter = window_.Images() ? window_.GlyphWidth() : 19;
    TColor text = gui::clWindowText;
    if (activeLook) {
        Frame(c, gui::Rect(0, 0, w, h), kActiveFrame);
        Fill(c, gui::Rect(1, 1, w - 1, h - 1), kActiveFill);
    } else {
        Fill(c, gui::Rect(0, 0, gutter, h), gui::clBtnFace);
        Fill(c, gui::Rect(gutter, 0, w, h), gui::clWindow);
        if (!menuItem_.Enabled())
            text = gui::clBtnShadow;
    }
    if (IsSeparator()) {
        Frame(c, gui::Rect(gutter, h / 2, w, h / 2 + 1), gui::clBtnShadow);
        return;
    }
    c.Font().Assign(window_.MenuFont());
    const TRect k = gui::Rect(2, 2, w - 2, h - 2);
    DrawContent(c, k, gutter, 19, MarkPlaces{k.Left, k.Left + 2, k.Left + 3, k.Left + 3}, text);
}

void TskSkinMenuItem::DrawSeparator(gui::TBitmap& bitmap)
{
    MakeHSkinImage(rowRecord_->DividerLeftOffset, rowRecord_->DividerRightOffset, bitmap, *picture_,
                   rowRecord_->DividerRect, RectWidth(itemRect_));
}

void TskSkinMenuItem::DrawSkinnedRow(gui::TBitmap& bitmap, bool activeLook)
{
    const TskDataSkinMenuItem& record = *rowRecord_;
    const int w = RectWidth(itemRect_);
    // An element without a selected picture shows its normal one.
    const TRect& source =
        activeLook && !IsNullRect(record.ActiveSkinRect) ? record.ActiveSkinRect : record.SkinRect;
    MakeHSkinImage(record.ItemLeftOffset, record.ItemRightOffset, bitmap, *picture_, source, w);
    TCanvas& c = bitmap.Canvas();
    const int gutter = window_.Images() ? window_.GlyphWidth() : 16;
    TRect text = record.TextRect;
    text.Right += w - RectWidth(record.SkinRect);
    c.Font().Assign(window_.RowFont());
    TColor colour = record.FontColor;
    if (activeLook)
        colour = record.ActiveFontColor;
    else if (!menuItem_.Enabled())
        colour = record.UnEnabledFontColor;
    const int x = text.Left + 2;
    DrawContent(c, text, gutter, 16, MarkPlaces{x, x, x, x}, colour);
}

void TskSkinMenuItem::DrawContent(TCanvas& canvas, const TRect& text, int gutter, int rightMargin,
                                  const MarkPlaces& marks, TColor colour)
{
    const int centre = text.Top + RectHeight(text) / 2;
    canvas.Font().SetColor(colour);
    canvas.Brush().SetStyle(gui::bsClear);

    TRect caption = gui::Rect(text.Left + gutter, text.Top, text.Right - rightMargin, text.Top);
    canvas.DrawText(menuItem_.Caption(), caption, DT_CALCRECT | DT_SINGLELINE);
    const int textHeight = RectHeight(caption);
    caption.Top = centre - textHeight / 2;
    caption.Bottom = caption.Top + textHeight;
    caption.Right += 2;
    canvas.DrawText(menuItem_.Caption(), caption, DT_SINGLELINE | DT_VCENTER | DT_CENTER);

    const std::string shortCut = gui::ShortCutToText(menuItem_.ShortCut());
    if (!shortCut.empty()) {
        const int right = text.Right - rightMargin;
        TRect r = gui::Rect(right - canvas.TextWidth(shortCut), caption.Top, right, caption.Bottom);
        canvas.DrawText(shortCut, r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }

    if (menuItem_.Count() > 0)
        DrawSubmenuArrow(canvas, text.Right - 7, centre - 4, colour);

    gui::TImageList* images = window_.Images();
    const int index = menuItem_.ImageIndex();
    if (images && index >= 0 && index < images->Count()) {
        const int y = text.Top + (RectHeight(text) - images->Height()) / 2;
        images->Draw(canvas, marks.image, y, index, menuItem_.Enabled());
        if (menuItem_.Checked()) {
            canvas.Pen().SetColor(colour);
            canvas.Brush().SetStyle(gui::bsClear);
            canvas.Rectangle(marks.image - 1, y - 1, marks.image + images->Width() + 1, y + images->Height() + 1);
        }
        return;
    }
    if (GlyphFunction glyph = SystemMenuGlyph(menuItem_.Name())) {
        glyph(canvas, marks.glyph, centre - 4, colour);
    } else if (menuItem_.Checked() && menuItem_.RadioItem()) {
        canvas.Pen().SetColor(colour);
        canvas.Brush().SetStyle(gui::bsSolid);
        canvas.Brush().SetColor(colour);
        canvas.Ellipse(marks.dot, centre - 3, marks.dot + 6, centre + 3);
    } else if (menuItem_.Checked()) {
        DrawCheckMark(canvas, marks.check, centre - 4, colour);
    }
}

}  // namespace sk
