// The frame's layout for the form's size, the non-client size, and the window
// region from the skin's mask.
#include "skin/forms/form_frame.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "gui/controls/form.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/imaging/frame_strips.h"
#include "skin/imaging/layered.h"
#include "skin/imaging/mask_region.h"
#include "win/window_region.h"

namespace sk {

namespace {

// Default frame: border, caption and caption buttons.
constexpr int kBorder = 3;
constexpr int kCaptionHeight = 19;
constexpr int kButtonSize = 17;
// The smaller caption of a tool window.
constexpr int kToolCaptionHeight = 15;
constexpr int kToolButtonSize = 13;

// A region from the black pixels of a strip lying at (dx, dy); none when it has
// none.
win::UniqueRegion StripRegion(gui::TBitmap& strip, int dx, int dy)
{
    if (strip.Width() < 1 || strip.Height() < 1)
        return win::UniqueRegion();
    std::vector<uint8_t> data;
    const uint32_t size = CreateMaskRegionData(strip, dx, dy, data);
    if (size == 0)
        return win::UniqueRegion();
    return win::UniqueRegion(::ExtCreateRegion(nullptr, size, reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace

TskFormFrame::TskFormFrame(TskEngineParts& parts) : parts_(parts)
{
    captionFont_.SetName("Arial");
    captionFont_.SetHeight(14);
    captionFont_.SetStyle({gui::fsBold});
    captionFont_.SetColor(gui::clBtnText);
    inactiveCaptionFont_.Assign(captionFont_);
    inactiveCaptionFont_.SetColor(gui::clBtnShadow);
}

bool TskFormFrame::BorderNone() const { return parts_.Form().BorderStyle() == gui::bsNone; }

bool TskFormFrame::ToolWindowBorder() const
{
    const gui::TFormBorderStyle style = parts_.Form().BorderStyle();
    return style == gui::bsToolWindow || style == gui::bsSizeToolWin;
}

int TskFormFrame::DefCaptionHeight() const { return ToolWindowBorder() ? kToolCaptionHeight : kCaptionHeight; }

int TskFormFrame::DefButtonSize() const { return ToolWindowBorder() ? kToolButtonSize : kButtonSize; }

// A client rectangle that leaves the frame picture describes no frame that can be
// composed from it (a picture smaller than its description, or numbers past any
// picture): such a skin gets the default frame, as one without a client rectangle.
bool TskFormFrame::SkinUsable() const
{
    const TskFormSkinEngine& engine = parts_.Engine();
    return engine.SkinInUse() && engine.SupportNCArea() &&
           ClientInPicture(engine.SkinData()->FormInfo.ClRect, engine.SkinData()->Picture());
}

// ---- Layout ----

void TskFormFrame::SetSize(int width, int height)
{
    width_ = width;
    height_ = height;
}

void TskFormFrame::RecomputeGeometry()
{
    const TskFormSkinEngine& engine = parts_.Engine();
    if (!engine.SkinInUse())
        return;
    TskSkinData& skin = *engine.SkinData();
    geometry_ = ComputeFrameGeometry(skin.FormInfo, skin.Picture().Width(), skin.Picture().Height(), width_, height_);
}

void TskFormFrame::Update(bool recompute)
{
    TskFormSkinEngine& engine = parts_.Engine();
    if (engine.ComponentState().Contains(gui::csDesigning) || !engine.SkinInUse())
        return;
    RecomputeGeometry();
    if (recompute)
        parts_.Objects().Place();
    SetRegion(recompute);
    if (engine.OnChangeClientRect)
        engine.OnChangeClientRect(&engine, geometry_.ClientRect);
    if (!engine.SupportNCArea()) {
        parts_.Form().Invalidate();
        parts_.Objects().PlaceAreaControls();
    } else if (!regionSet_) {
        Repaint();
    }
}

void TskFormFrame::FitToSize()
{
    TskFormSkinEngine& engine = parts_.Engine();
    gui::TForm& form = parts_.Form();
    SetSize(form.Width(), form.Height());
    if (engine.SkinInUse()) {
        if (engine.SupportNCArea()) {
            if (width_ >= engine.GetMinWidth() && height_ >= engine.GetMinHeight())
                Update(true);
        } else if (!parts_.RollUp().RolledUp()) {
            TskSkinData& skin = *engine.SkinData();
            const bool stretchable = IsStretchableSkin(skin.FormInfo);
            if (stretchable || (form.Width() == skin.Picture().Width() && form.Height() == skin.Picture().Height()))
                Update(stretchable);
        }
    } else if (engine.SupportNCArea()) {
        Repaint();
    }
    if (engine.AlphaBlend() && engine.AlphaBlendValue() != 255 && IsLayeredWindowSupported() &&
        engine.SupportNCArea()) {
        Repaint();
        form.Invalidate();
    }
}

void TskFormFrame::Sized(gui::TMessage& message)
{
    parts_.CallFormProc(message);
    gui::TForm& form = parts_.Form();
    // Sized by the user: a new size comes with each movement of the pointer.
    const bool liveSizing = parts_.Mover().InSizeMove();
    // The system's own loop may have had the frame laid out for this size at
    // WM_SIZING already; a window manager's sizing brings no WM_SIZING.
    const bool fitted = liveSizing && sizingFitted_ == gui::Point(form.Width(), form.Height());
    sizingFitted_ = gui::Point(-1, -1);
    if (!fitted)
        FitToSize();
    // The loop keeps the queue full of pointer movements, which would keep
    // the paints waiting until the pointer rests: the form and everything on
    // it paint at each new size.
    if (liveSizing && form.HandleAllocated())
        ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TskFormFrame::Sizing(gui::TMessage& message)
{
    parts_.CallFormProc(message);
    if (!(parts_.Mover().InSizeMove() && parts_.Mover().FullDrag()))
        return;
    TskFormSkinEngine& engine = parts_.Engine();
    const auto* bounds = reinterpret_cast<const RECT*>(message.LParam);
    SetSize(bounds->right - bounds->left, bounds->bottom - bounds->top);
    if (engine.SupportNCArea() && engine.SkinInUse() && width_ >= engine.GetMinWidth() &&
        height_ >= engine.GetMinHeight()) {
        Update(true);
        sizingFitted_ = gui::Point(width_, height_);
    }
}

void TskFormFrame::NudgeWidth()
{
    gui::TForm& form = parts_.Form();
    const int width = form.Width();
    form.SetWidth(width > parts_.Engine().GetMinWidth() ? width - 1 : width + 1);
    form.SetWidth(width);
}

void TskFormFrame::Repaint()
{
    gui::TForm& form = parts_.Form();
    if (!form.HandleAllocated())
        return;
    if (parts_.Engine().SupportNCArea())
        ::SendMessageA(form.Handle(), WM_NCPAINT, 1, 0);
    else
        form.Invalidate();
}

void TskFormFrame::NCCalcSize(gui::TMessage& message)
{
    message.Result = 0;
    // A maximized MDI child has no frame: its parent's stands for it.
    if (!parts_.Engine().SupportNCArea() || BorderNone() || parts_.MDI().IsMaximizedChild())
        return;
    RECT* rect = message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0]
                                : reinterpret_cast<RECT*>(message.LParam);
    const RECT window = *rect;
    if (SkinUsable()) {
        TskSkinData& skin = *parts_.Engine().SkinData();
        const gui::TRect& client = skin.FormInfo.ClRect;
        rect->left += client.Left;
        rect->top += client.Top;
        rect->right += client.Right - skin.Picture().Width();
        rect->bottom += client.Bottom - skin.Picture().Height();
    } else {
        rect->left += kBorder;
        rect->top += DefCaptionHeight() + kBorder;
        rect->right -= kBorder;
        rect->bottom -= kBorder;
    }
    // The client area stays inside the window, and a window smaller than its
    // frame gets an empty one, not an inside-out one.
    rect->left = std::min(std::max(rect->left, window.left), window.right);
    rect->top = std::min(std::max(rect->top, window.top), window.bottom);
    rect->right = std::min(std::max(rect->right, rect->left), window.right);
    rect->bottom = std::min(std::max(rect->bottom, rect->top), window.bottom);
}

// ---- Region ----

void TskFormFrame::RemoveRegion()
{
    gui::TForm& form = parts_.Form();
    if (regionSet_ && form.HandleAllocated())
        win::SetWindowRegion(form.Handle(), win::UniqueRegion());
    // The system deleted the region it held.
    regionSet_ = false;
}

void TskFormFrame::ClearMaskStrips()
{
    topMask_.SetSize(0, 0);
    bottomMask_.SetSize(0, 0);
    leftMask_.SetSize(0, 0);
    rightMask_.SetSize(0, 0);
}

void TskFormFrame::SetRegion(bool recompute)
{
    TskFormSkinEngine& engine = parts_.Engine();
    if (!parts_.Form().HandleAllocated())
        return;
    if ((engine.SupportNCArea() && BorderNone()) || parts_.MDI().IsMaximizedChild()) {
        RemoveRegion();
        return;
    }
    if (!engine.SkinInUse() || engine.SkinData()->Mask().Empty()) {
        if (regionSet_) {
            RemoveRegion();
            ClearMaskStrips();
        }
        return;
    }
    TskSkinData& skin = *engine.SkinData();
    const TskFormInfo& info = skin.FormInfo;
    win::UniqueRegion region;
    if (recompute) {
        const gui::TRect& area = geometry_.MaskRectArea;
        ClearMaskStrips();
        MakeSkinFrameStrips(SkinCorners(info, info.MaskRectArea), FrameCorners(geometry_, area), skin.Mask(),
                            topMask_, leftMask_, rightMask_, bottomMask_, width_);
        region.Reset(
            ::CreateRectRgn(area.Left, area.Top, std::max(area.Left, area.Right), std::max(area.Top, area.Bottom)));
        const struct {
            gui::TBitmap& strip;
            int dx, dy;
        } strips[] = {{topMask_, 0, 0},
                      {bottomMask_, 0, area.Bottom},
                      {leftMask_, 0, area.Top},
                      {rightMask_, area.Right, area.Top}};
        for (const auto& strip : strips)
            if (win::UniqueRegion part = StripRegion(strip.strip, strip.dx, strip.dy))
                ::CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
    } else {
        region = MaskToRegion(skin.Mask());
    }
    ApplyRegion(std::move(region));
}

void TskFormFrame::ApplyRegion(win::UniqueRegion region)
{
    gui::TForm& form = parts_.Form();
    RECT box;
    if (!form.HandleAllocated() || !region || ::GetRgnBox(region.Get(), &box) == NULLREGION)
        return;  // a mask without black pixels would hide the whole window
    if (win::SetWindowRegion(form.Handle(), std::move(region)))
        regionSet_ = true;
}

}  // namespace sk
