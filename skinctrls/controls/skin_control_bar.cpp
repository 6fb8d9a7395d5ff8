#include "skinctrls/controls/skin_control_bar.h"

#include <algorithm>

#include "gui/graphics/win_types.h"
#include "skin/data/skin_data_link.h"
#include "skin/imaging/frame_strips.h"
#include "skin/imaging/tiling.h"
#include "skin/model/control_records.h"
#include "win/gdi_handles.h"

namespace sk {

namespace {

// The band frame's corners keep their size: the grabber on the left is 11
// pixels wide, the frame elsewhere 2.
SkinGeometry BandGeometry(int width, int height)
{
    SkinGeometry g;
    g.LTPoint = TPoint{12, 3};
    g.RTPoint = TPoint{width - 3, 3};
    g.LBPoint = TPoint{12, height - 3};
    g.RBPoint = TPoint{width - 3, height - 3};
    g.ClRect = TRect{11, 2, width - 2, height - 2};
    return g;
}

// Draws the four strips around a rectangle of the given size at (x, y): top
// and bottom as wide as it, the sides between them.
void DrawStrips(gui::TCanvas& canvas, int x, int y, int width, int height, gui::TBitmap& left, gui::TBitmap& top,
                gui::TBitmap& right, gui::TBitmap& bottom)
{
    if (!top.Empty())
        canvas.Draw(x, y, top);
    if (!left.Empty())
        canvas.Draw(x, y + top.Height(), left);
    if (!right.Empty())
        canvas.Draw(x + width - right.Width(), y + top.Height(), right);
    if (!bottom.Empty())
        canvas.Draw(x, y + height - bottom.Height(), bottom);
}

}  // namespace

TskSkinControlBar::TskSkinControlBar(gui::TComponent* owner) : gui::TCustomControlBar(owner)
{
    // A bar placed on a form being built starts as its designer leaves it: as
    // high as its rows, which neither snap to a row size nor let bands go.
    const gui::TComponentState state = ComponentState();
    if (state.Contains(gui::csDesigning) || state.Contains(gui::csLoading)) {
        SetAutoSize(true);
        SetAutoDrag(false);
        SetRowSnap(false);
    }
}

void TskSkinControlBar::SetSkinData(TskSkinData* value)
{
    LinkSkinData(*this, skinData_, value);
    ApplySkin();
}

void TskSkinControlBar::SetSkinBevel(bool value)
{
    skinBevel_ = value;
    ReadSkin();
    if (Skinned())
        RecreateWnd();
}

void TskSkinControlBar::ApplySkin()
{
    ReadSkin();
    if (!skinBevel_) {
        Repaint();
        return;
    }
    // The border comes or goes with the element: a new window measures it anew.
    RecreateWnd();
    Realign();
}

void TskSkinControlBar::ReadSkin()
{
    skinIndex_ = SkinControlIndex(skinData_, skinDataName_);
    bgPictureIndex_ = -1;
    picture_ = nullptr;
    const auto* record =
        skinIndex_ == -1 ? nullptr : dynamic_cast<const TskDataSkinControlBar*>(skinData_->CtrlList[skinIndex_]);
    if (!record)
        return;
    geometry_ = static_cast<const SkinGeometry&>(*record);
    skinRect_ = record->SkinRect;
    picture_ = skinData_->ActivePicture(record->PictureIndex);
    itemRect_ = record->ItemRect;
    bgPictureIndex_ = record->BGPictureIndex;
}

void TskSkinControlBar::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TCustomControlBar::Notification(component, operation);
    if (operation == gui::opRemove && component == skinData_) {
        skinData_ = nullptr;
        skinIndex_ = -1;
        picture_ = nullptr;
    }
}

void TskSkinControlBar::CreateParams(gui::TCreateParams& params)
{
    gui::TCustomControlBar::CreateParams(params);
    params.Style &= ~DWORD(WS_BORDER);
    params.ExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
}

// ---- The client area ----

void TskSkinControlBar::Paint()
{
    ReadSkin();
    if (!Skinned()) {
        gui::TCustomControlBar::Paint();
        return;
    }
    const TRect client = ClientRect();
    if (client.Right < 1 || client.Bottom < 1)
        return;
    gui::TBitmap image;
    image.SetSize(client.Right, client.Bottom);
    PaintBackground(image.Canvas(), client.Right, client.Bottom);
    for (int i = 0; i < ControlCount(); ++i) {
        gui::TControl* c = Controls(i);
        if (!c->Visible())
            continue;
        TRect band = BandRect(*c);
        PaintControlFrame(image.Canvas(), c, band);
    }
    Canvas().Draw(0, 0, image);
}

void TskSkinControlBar::PaintBackground(gui::TCanvas& canvas, int width, int height)
{
    if (gui::TBitmap* background = skinData_->ActivePicture(bgPictureIndex_); background && !background->Empty()) {
        for (int y = 0; y < Height(); y += background->Height())
            for (int x = 0; x < Width(); x += background->Width())
                canvas.Draw(x, y, *background);
        return;
    }
    const TRect tile = Offset(geometry_.ClRect, skinRect_.Left, skinRect_.Top);
    if (IsNullRect(tile)) {
        // An element without a client part has nothing to tile.
        canvas.Brush().SetStyle(gui::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(gui::Rect(0, 0, width, height));
        return;
    }
    TileArea(canvas, gui::Rect(0, 0, width, height), picture_->Canvas(), tile);
}

void TskSkinControlBar::PaintControlFrame(gui::TCanvas& canvas, gui::TControl* control, gui::TRect& bounds)
{
    ReadSkin();
    if (!Skinned()) {
        gui::TCustomControlBar::PaintControlFrame(canvas, control, bounds);
        return;
    }
    const int width = RectWidth(bounds), height = RectHeight(bounds);
    gui::TBitmap left, top, right, bottom;
    MakeSkinFrameStripsEx(BandGeometry(RectWidth(itemRect_), RectHeight(itemRect_)), BandGeometry(width, height),
                          left, top, right, bottom, *picture_, itemRect_, width, height, false, false, false, false);
    DrawStrips(canvas, bounds.Left, bounds.Top, width, height, left, top, right, bottom);
}

// ---- The frame ----

void TskSkinControlBar::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_SIZE:
        WMSize(message);
        break;
    case WM_NCCALCSIZE:
        WMNCCalcSize(message);
        break;
    case WM_NCPAINT:
        WMNCPaint(message);
        break;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        break;
    default:
        gui::TCustomControlBar::WndProc(message);
    }
}

void TskSkinControlBar::WMSize(gui::TMessage& message)
{
    gui::TCustomControlBar::WndProc(message);
    ReadSkin();
    if (Skinned() && skinBevel_)
        PaintBevel();
}

void TskSkinControlBar::WMNCCalcSize(gui::TMessage& message)
{
    ReadSkin();
    if (!Skinned()) {
        gui::TCustomControlBar::WndProc(message);
        return;
    }
    message.Result = 0;
    if (!skinBevel_)
        return;  // the whole window is client area
    // The first rectangle of either form of the message is the proposed client area.
    auto& r = *reinterpret_cast<RECT*>(message.LParam);
    r.left += geometry_.ClRect.Left;
    r.top += geometry_.ClRect.Top;
    r.right -= RectWidth(skinRect_) - geometry_.ClRect.Right;
    r.bottom -= RectHeight(skinRect_) - geometry_.ClRect.Bottom;
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
}

void TskSkinControlBar::WMNCPaint(gui::TMessage& message)
{
    ReadSkin();
    if (!Skinned()) {
        gui::TCustomControlBar::WndProc(message);
        return;
    }
    message.Result = 0;
    if (skinBevel_)
        PaintBevel();
}

void TskSkinControlBar::PaintBevel()
{
    if (!HandleAllocated())
        return;
    RECT window{}, client{};
    ::GetWindowRect(Handle(), &window);
    ::GetClientRect(Handle(), &client);
    const int width = window.right - window.left, height = window.bottom - window.top;
    if (width < 1 || height < 1)
        return;
    // The element's frame with its far corners moved by the size difference.
    const int dw = width - RectWidth(skinRect_), dh = height - RectHeight(skinRect_);
    newGeometry_ = geometry_;
    newGeometry_.RTPoint.X += dw;
    newGeometry_.LBPoint.Y += dh;
    newGeometry_.RBPoint = TPoint{geometry_.RBPoint.X + dw, geometry_.RBPoint.Y + dh};
    newGeometry_.ClRect.Right += dw;
    newGeometry_.ClRect.Bottom += dh;
    gui::TBitmap left, top, right, bottom;
    MakeSkinFrameStripsEx(geometry_, newGeometry_, left, top, right, bottom, *picture_, skinRect_, width, height,
                          false, false, false, false);

    win::WindowFrameDC dc(Handle());
    if (!dc)
        return;
    // Only the frame: the client area is the children's and the paint's.
    POINT origin{0, 0};
    ::ClientToScreen(Handle(), &origin);
    const int cx = origin.x - window.left, cy = origin.y - window.top;
    ::ExcludeClipRect(dc.Get(), cx, cy, cx + client.right, cy + client.bottom);
    gui::TCanvas canvas(dc.Get());
    DrawStrips(canvas, 0, 0, width, height, left, top, right, bottom);
}

void TskSkinControlBar::WMEraseBkgnd(gui::TMessage& message)
{
    ReadSkin();
    if (Skinned())
        message.Result = 1;  // the paint covers everything
    else
        gui::TCustomControlBar::WndProc(message);
}

}  // namespace sk
