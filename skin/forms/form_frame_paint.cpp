// The painting of a skinned form: the frame composed from the skin (or a plain
// default frame), the objects on it, and the client background.
#include <algorithm>

#include "gui/controls/form.h"
#include "gui/graphics/canvas.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_frame.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/frame_strips.h"
#include "skin/imaging/skin_image.h"
#include "skin/imaging/text_fit.h"
#include "skin/imaging/tiling.h"
#include "win/gdi_handles.h"

namespace sk {

namespace {

// Default frame: border and where the caption buttons start.
constexpr int kBorder = 3;
constexpr int kButtonsTop = 4;

// One ring of one-pixel lines inside a rectangle: top and left in one colour,
// bottom and right in the other.
void Ring(gui::TCanvas& canvas, const gui::TRect& rect, gui::TColor topLeft, gui::TColor bottomRight)
{
    canvas.Pen().SetColor(topLeft);
    canvas.MoveTo(rect.Left, rect.Bottom - 1);
    canvas.LineTo(rect.Left, rect.Top);
    canvas.LineTo(rect.Right - 1, rect.Top);
    canvas.Pen().SetColor(bottomRight);
    canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
    canvas.LineTo(rect.Left - 1, rect.Bottom - 1);
}

// The inactive look of the frame, applied to one strip.
void ApplyInactiveEffect(gui::TBitmap& strip, TskInactiveEffect effect)
{
    if (strip.Empty())
        return;
    TskEffectBmp bmp(strip.Handle());
    switch (effect) {
    case ieBrightness: bmp.ChangeBrightness(0.5); break;
    case ieDarkness: bmp.ChangeDarkness(0.3); break;
    case ieGrayScale: bmp.GrayScale(); break;
    case ieNoise: bmp.AddNoise(50); break;
    case ieSplitBlur: bmp.SplitBlur(1); break;
    case ieInvert: bmp.Invert(); break;
    default: break;
    }
    bmp.Draw(strip.Canvas().Handle(), 0, 0);
}

gui::TRect WindowBounds(HWND window)
{
    RECT bounds;
    ::GetWindowRect(window, &bounds);
    return gui::Rect(bounds.left, bounds.top, bounds.right, bounds.bottom);
}

}  // namespace

void TskFormFrame::RedrawObject(TskActiveSkinObject& object)
{
    gui::TForm& form = parts_.Form();
    if (!parts_.Objects().ShownInRollState(object) || !form.HandleAllocated())
        return;
    if (parts_.Engine().SupportNCArea()) {
        if (BorderNone() || parts_.MDI().IsMaximizedChild())
            return;
        // The default frame has places for the caption buttons only.
        if (!SkinUsable() && !dynamic_cast<TskSkinStdButtonObject*>(&object))
            return;
        win::WindowFrameDC dc(form.Handle());
        gui::TCanvas canvas(dc.Get());
        object.Draw(canvas, true);
        return;
    }
    win::WindowDC dc(form.Handle());
    gui::TCanvas canvas(dc.Get());
    object.Draw(canvas, true);
}

void TskFormFrame::PaintNonClient()
{
    if (!parts_.Engine().SupportNCArea() || BorderNone() || parts_.MDI().IsMaximizedChild())
        return;
    if (SkinUsable())
        PaintSkinFrame();
    else
        PaintDefaultFrame();
}

void TskFormFrame::PaintSkinFrame()
{
    TskFormSkinEngine& engine = parts_.Engine();
    gui::TForm& form = parts_.Form();
    if (!form.HandleAllocated() || !SkinUsable())
        return;
    const HWND window = form.Handle();
    const gui::TRect bounds = WindowBounds(window);
    const int width = RectWidth(bounds), height = RectHeight(bounds);
    if (width < engine.GetMinWidth() || height < engine.GetMinHeight())
        return;
    SetSize(width, height);
    RecomputeGeometry();
    parts_.Objects().Place();

    TskSkinData& skin = *engine.SkinData();
    const TskFormInfo& info = skin.FormInfo;
    const TskFrameGeometry& geometry = geometry_;
    gui::TBitmap left, top, right, bottom;
    gui::TBitmap& picture = skin.Picture();
    MakeSkinFrameStripsEx(SkinCorners(info, info.ClRect), FrameCorners(geometry, geometry.ClientRect), left, top,
                          right, bottom, picture, gui::Rect(0, 0, picture.Width(), picture.Height()), width, height,
                          info.LeftStretch, info.TopStretch, info.RightStretch, info.BottomStretch);

    // The objects go into the strips: those above the client area into the top
    // one, the others into the bottom one.
    for (const auto& object : parts_.Objects().All()) {
        if (dynamic_cast<TskSkinMainMenuItem*>(object.get())) {
            gui::TBitmap& strip = geometry.MainMenuRect.Top > geometry.ClientRect.Top ? bottom : top;
            if (!strip.Empty())
                object->Draw(strip.Canvas(), false);
            continue;
        }
        if (!parts_.Objects().ShownInRollState(*object) || !object->Visible())
            continue;
        if (object->ObjectRect().Bottom <= geometry.ClientRect.Top) {
            if (!top.Empty())
                object->Draw(top.Canvas(), false);
        } else if (!bottom.Empty()) {
            const gui::TRect saved = object->ObjectRect();
            object->SetObjectRect(Offset(saved, 0, -geometry.ClientRect.Bottom));
            object->Draw(bottom.Canvas(), false);
            object->SetObjectRect(saved);
        }
    }

    if (!engine.FormActive() && info.AutoRenderingInActiveImage) {
        ApplyInactiveEffect(top, info.InActiveEffect);
        ApplyInactiveEffect(left, info.InActiveEffect);
        ApplyInactiveEffect(right, info.InActiveEffect);
        ApplyInactiveEffect(bottom, info.InActiveEffect);
    }
    const gui::TRect& client = geometry.ClientRect;
    win::WindowFrameDC dc(window);
    ::ExcludeClipRect(dc.Get(), client.Left, client.Top, client.Right, client.Bottom);
    gui::TCanvas canvas(dc.Get());
    const int topHeight = top.Empty() ? 0 : top.Height();
    if (!top.Empty())
        canvas.Draw(0, 0, top);
    if (!left.Empty())
        canvas.Draw(0, topHeight, left);
    if (!right.Empty())
        canvas.Draw(width - right.Width(), topHeight, right);
    if (!bottom.Empty())
        canvas.Draw(0, height - bottom.Height(), bottom);
}

void TskFormFrame::LayoutDefaultFrame()
{
    const int buttonSize = DefButtonSize();
    defCaptionRect_ = gui::Rect(kBorder, kBorder, width_ - kBorder, DefCaptionHeight());
    TskFrameObjectList& objects = parts_.Objects();
    int x = width_ - kBorder;
    for (TskStdCommand command : {cmClose, cmMaximize, cmMinimize, cmRollUp})
        if (TskSkinStdButtonObject* button = objects.StdButton(command))
            if (button->Visible()) {
                button->SetObjectRect(gui::Rect(x - buttonSize, kButtonsTop, x, kButtonsTop + buttonSize));
                x -= buttonSize;
            }
    defCaptionRect_.Right = x;
    if (TskSkinStdButtonObject* button = objects.StdButton(cmSysMenu))
        if (button->Visible()) {
            gui::TSize size{buttonSize, buttonSize};
            if (parts_.Engine().ShowIcon())
                size = SmallIconSize();
            button->SetObjectRect(gui::Rect(kBorder, kButtonsTop, kBorder + size.cx, kButtonsTop + size.cy));
            defCaptionRect_.Left = button->ObjectRect().Right;
        }
}

void TskFormFrame::PaintDefaultFrame()
{
    TskFormSkinEngine& engine = parts_.Engine();
    gui::TForm& form = parts_.Form();
    if (!form.HandleAllocated())
        return;
    const HWND window = form.Handle();
    const gui::TRect bounds = WindowBounds(window);
    const int width = RectWidth(bounds), height = RectHeight(bounds);
    SetSize(width, height);
    if (parts_.Objects().All().empty())
        parts_.Objects().CreateDefaultButtons();
    LayoutDefaultFrame();
    const int captionHeight = DefCaptionHeight();
    if (width - 2 * kBorder < 1 || captionHeight < 1)
        return;

    gui::TBitmap caption;
    caption.SetSize(width - 2 * kBorder, captionHeight);
    gui::TCanvas& canvas = caption.Canvas();
    canvas.Brush().SetColor(gui::clBtnFace);
    canvas.FillRect(gui::Rect(0, 0, caption.Width(), caption.Height()));

    // Bitmap x = form x - 3.
    const int left = defCaptionRect_.Left, right = defCaptionRect_.Right;
    if (captionHeight - 4 > 1)
        for (int i = 0; i < captionHeight - 5; ++i) {
            canvas.Pen().SetColor(i % 2 == 0 ? gui::clBtnHighlight : gui::clBtnShadow);
            canvas.MoveTo(left - 1, 2 + i);
            canvas.LineTo(right - 6, 2 + i);
        }

    canvas.Font().Assign(engine.FormActive() ? captionFont_ : inactiveCaptionFont_);
    std::string text = engine.CaptionText();
    const int available = right - left + 3;
    FitTextWithEllipsis(canvas, text, available);
    const int textWidth = canvas.TextWidth(text), textHeight = canvas.TextHeight(text);
    const int textLeft = (left - kBorder) + available / 2 - (textWidth + 5) / 2;
    canvas.FillRect(gui::Rect(textLeft, 0, textLeft + textWidth + 5, captionHeight));
    canvas.Brush().SetStyle(gui::bsClear);
    canvas.TextOut(textLeft + 3, captionHeight / 2 - textHeight / 2, text);
    canvas.Brush().SetStyle(gui::bsSolid);

    // Only the caption buttons have places in this frame: a skin's other objects
    // (its caption text above all) would draw over it where the skin put them.
    for (const auto& object : parts_.Objects().All()) {
        if (!object->Visible() || !dynamic_cast<TskSkinStdButtonObject*>(object.get()))
            continue;
        const gui::TRect saved = object->ObjectRect();
        object->SetObjectRect(Offset(saved, -kBorder, -kBorder));
        object->Draw(canvas, true);
        object->SetObjectRect(saved);
    }

    win::WindowFrameDC dc(window);
    ::ExcludeClipRect(dc.Get(), kBorder, captionHeight + kBorder, width - kBorder, height - kBorder);
    gui::TCanvas frame(dc.Get());
    frame.Draw(kBorder, kBorder, caption);
    Ring(frame, gui::Rect(0, 0, width, height), gui::cl3DLight, gui::cl3DDkShadow);
    Ring(frame, gui::Rect(1, 1, width - 1, height - 1), gui::clBtnHighlight, gui::clBtnShadow);
    Ring(frame, gui::Rect(2, 2, width - 2, height - 2), gui::clBtnFace, gui::clBtnFace);
}

void TskFormFrame::EraseBackground(HDC dc)
{
    if (parts_.Engine().SupportNCArea())
        PaintClientBackground(dc);
    else
        PaintWholeForm(dc);
}

void TskFormFrame::PaintClientBackground(HDC dc)
{
    RECT client;
    ::GetClientRect(parts_.Form().Handle(), &client);
    PaintBackground(dc, gui::Rect(client.left, client.top, client.right, client.bottom));
}

void TskFormFrame::PaintBackground(HDC dc, const gui::TRect& area)
{
    const TskFormSkinEngine& engine = parts_.Engine();
    gui::TCanvas canvas(dc);
    if (!engine.SkinInUse()) {
        canvas.Brush().SetColor(gui::clBtnFace);
        canvas.FillRect(area);
        return;
    }
    TskSkinData& skin = *engine.SkinData();
    const TskFormInfo& info = skin.FormInfo;
    gui::TBitmap* background = skin.ActivePicture(info.BGPictureIndex);
    if (info.BGPictureIndex != -1 && background && !background->Empty()) {
        TileArea(canvas, area, background->Canvas(), gui::Rect(0, 0, background->Width(), background->Height()));
    } else if (!ClientInPicture(info.ClRect, skin.Picture())) {
        canvas.Brush().SetColor(gui::clBtnFace);
        canvas.FillRect(area);
    } else {
        TileArea(canvas, area, skin.Picture().Canvas(), info.ClRect);
    }
}

void TskFormFrame::PaintWholeForm(HDC dc)
{
    const TskFormSkinEngine& engine = parts_.Engine();
    RECT client;
    ::GetClientRect(parts_.Form().Handle(), &client);
    gui::TCanvas canvas(dc);
    if (!engine.SkinInUse()) {
        canvas.Brush().SetColor(gui::clBtnFace);
        canvas.Pen().SetColor(gui::clBlack);
        canvas.Rectangle(client.left, client.top, client.right, client.bottom);
        return;
    }
    TskSkinData& skin = *engine.SkinData();
    const TskFormInfo& info = skin.FormInfo;
    gui::TBitmap image;
    gui::TBitmap& rollUp = skin.RollUpPicture();
    if (!parts_.RollUp().RolledUp() || rollUp.Empty()) {
        gui::TBitmap& picture = skin.Picture();
        const bool corners = !IsNullPoint(info.LTPoint) || !IsNullPoint(info.RTPoint) ||
                             !IsNullPoint(info.LBPoint) || !IsNullPoint(info.RBPoint);
        if (corners)
            MakeSkinImageEx(SkinCorners(info, info.ClRect), FrameCorners(geometry_, geometry_.ClientRect), image,
                            picture, gui::Rect(0, 0, picture.Width(), picture.Height()), client.right,
                            client.bottom, true);
        else
            image.Assign(picture);
    } else if (info.RollUpLeftPoint.X < info.RollUpRightPoint.X) {
        MakeHSkinImage(info.RollUpLeftPoint.X, rollUp.Width() - info.RollUpRightPoint.X, image, rollUp,
                       gui::Rect(0, 0, rollUp.Width(), rollUp.Height()), client.right);
    } else {
        image.Assign(rollUp);
    }
    if (image.Empty())
        return;
    for (const auto& object : parts_.Objects().All())
        if (parts_.Objects().ShownInRollState(*object))
            object->Draw(image.Canvas(), false);
    canvas.Draw(0, 0, image);
}

}  // namespace sk
