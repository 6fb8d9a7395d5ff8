#include "skin/popups/skin_popup_window.h"

#include <algorithm>
#include <utility>

#include "gui/controls/application.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/menu.h"
#include "gui/controls/shortcut.h"
#include "skin/imaging/layered.h"
#include "skin/imaging/mask_region.h"
#include "skin/model/geometry.h"
#include "skin/popups/menu_placement.h"
#include "skin/popups/skin_menu.h"
#include "win/window_region.h"

namespace sk {

using gui::TRect;

namespace {

gui::TTimer* MakeTimer(gui::TComponent* owner, UINT interval, std::function<void()> tick)
{
    auto* timer = new gui::TTimer(owner);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->OnTimer = [tick = std::move(tick)](gui::TComponent*) { tick(); };
    return timer;
}

const TskDataSkinMenuItem* FindRowRecord(TskSkinData& skin)
{
    int index = skin.GetObjectIndex("MENUITEM");
    if (index < 0)
        index = skin.GetObjectIndex("menuitem");
    if (index < 0)
        return nullptr;
    return dynamic_cast<const TskDataSkinMenuItem*>(skin.ObjectList.Items(index));
}

}  // namespace

TskSkinPopupWindow::TskSkinPopupWindow(TskSkinMenu& menu, const TskDataSkinPopupWindow* popupRecord,
                                       TskSkinData* skinData)
    : gui::TCustomControl(nullptr),
      menu_(menu),
      alphaBlend_(menu.AlphaBlend()),
      alphaValue_(menu.AlphaBlendValue()),
      alphaAnimation_(menu.AlphaBlendAnimation()),
      popupRecord_(popupRecord),
      skinData_(skinData)
{
    SetVisible(false);
    mouseTimer_ = MakeTimer(this, 50, [this] { MouseTimerTick(); });
    morphTimer_ = MakeTimer(this, 20, [this] { MorphTimerTick(); });
    captureTimer_ = MakeTimer(this, 100, [this] { CaptureTimerTick(); });
    if (popupRecord_ && skinData_)
        windowPicture_ = skinData_->ActivePicture(popupRecord_->WindowPictureIndex);
    if (!windowPicture_) {
        popupRecord_ = nullptr;  // the default look
    } else {
        maskPicture_ = skinData_->ActivePicture(popupRecord_->MaskPictureIndex);
        skinGeometry_ = *popupRecord_;
        skinGeometry_.ClRect = popupRecord_->ItemsRect;
        newGeometry_ = skinGeometry_;
    }
}

TskSkinPopupWindow::~TskSkinPopupWindow()
{
    Close();
    rows_.clear();
}

void TskSkinPopupWindow::CreateParams(gui::TCreateParams& params)
{
    gui::TCustomControl::CreateParams(params);
    params.WinClassName = "TskSkinPopupWindow";
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.WndParent = nullptr;
    params.WindowClass.style |= CS_SAVEBITS;
}

gui::TFont& TskSkinPopupWindow::MenuFont() { return menu_.Font(); }

bool TskSkinPopupWindow::FakeTransparency() const { return alphaBlend_ && !menu_.LayeredWindows(); }

double TskSkinPopupWindow::BlendFactor() const { return 1.0 - alphaValue_ / 255.0; }

// ---- Layout ----

int TskSkinPopupWindow::RowHeight(const TskSkinMenuItem& row) const
{
    if (rowRecord_)
        return row.IsSeparator() ? RectHeight(rowRecord_->DividerRect) : RectHeight(rowRecord_->SkinRect);
    return row.IsSeparator() ? 4 : menu_.ItemHeight();
}

int TskSkinPopupWindow::MeasureRowsWidth()
{
    gui::TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas().Font().Assign(rowFont_);
    int widest = 0;
    for (const auto& row : rows_) {
        const std::string text = row->MenuItem().Caption() + "  " + gui::ShortCutToText(row->MenuItem().ShortCut());
        widest = std::max(widest, measure.Canvas().TextWidth(text) + 2);
    }
    return widest;
}

void TskSkinPopupWindow::Layout(gui::TMenuItem& item, int startIndex)
{
    // Rows take the skin's menu item element only inside a skinned window, and
    // only one that has its picture and a row rectangle (an empty or inside-out
    // one would give rows no height); otherwise they have the default look.
    rowRecord_ = nullptr;
    rowPicture_ = nullptr;
    if (popupRecord_) {
        const TskDataSkinMenuItem* record = FindRowRecord(*skinData_);
        if (record && !IsNullRect(record->SkinRect)) {
            rowPicture_ = skinData_->ActivePicture(record->ActivePictureIndex);
            if (rowPicture_)
                rowRecord_ = record;
        }
    }
    if (rowRecord_) {
        rowFont_.SetName(rowRecord_->FontName);
        rowFont_.SetHeight(rowRecord_->FontHeight);
        rowFont_.SetStyle(rowRecord_->FontStyle);
        rowFont_.SetCharset(menu_.Font().Charset());
    } else {
        rowFont_.Assign(menu_.Font());
    }
    gui::TMenu* menu = item.GetParentMenu();
    images_ = menu ? menu->Images() : nullptr;
    glyphWidth_ = images_ ? images_->Width() + 5 : 16;

    rows_.clear();
    for (int i = std::max(startIndex, 0); i < item.Count(); ++i)
        if (item.Items(i)->Visible())
            rows_.push_back(std::make_unique<TskSkinMenuItem>(*this, rowRecord_, rowPicture_, *item.Items(i)));

    int width = MeasureRowsWidth() + glyphWidth_ + 16;
    int height = 0;
    for (const auto& row : rows_)
        height += RowHeight(*row);
    if (!popupRecord_) {
        width += 10;
        height += 6;
    } else {
        const int frameWidth = windowPicture_->Width() - RectWidth(popupRecord_->ItemsRect);
        // Without a row element the rows get the margins they have in a plain window.
        width += frameWidth + (rowRecord_ ? RectWidth(rowRecord_->SkinRect) - RectWidth(rowRecord_->TextRect) : 4);
        height += windowPicture_->Height() - RectHeight(popupRecord_->ItemsRect);
    }
    scroll_ = false;
    const int workHeight = RectHeight(menu_.WorkArea());
    if (workHeight < height) {
        height = workHeight;
        scroll_ = true;
    }
    SetBounds(Left(), Top(), width, height);

    if (!popupRecord_) {
        itemsRect_ = gui::Rect(3, 3, width - 3, height - 3);
    } else {
        const int dw = width - windowPicture_->Width(), dh = height - windowPicture_->Height();
        const SkinGeometry& g = *popupRecord_;
        itemsRect_ = popupRecord_->ItemsRect;
        itemsRect_.Right += dw;
        itemsRect_.Bottom += dh;
        newGeometry_.LTPoint = g.LTPoint;
        newGeometry_.RTPoint = gui::Point(g.RTPoint.X + dw, g.RTPoint.Y);
        newGeometry_.LBPoint = gui::Point(g.LBPoint.X, g.LBPoint.Y + dh);
        newGeometry_.RBPoint = gui::Point(g.RBPoint.X + dw, g.RBPoint.Y + dh);
        newGeometry_.ClRect = itemsRect_;
    }
    visibleStart_ = 0;
    PlaceRows();
    UpdateRegion();
}

void TskSkinPopupWindow::PlaceRows()
{
    const int margin = scroll_ ? 10 : 0;
    int top = itemsRect_.Top + margin;
    const int bottom = itemsRect_.Bottom - margin;
    visibleCount_ = 0;
    bool full = false;
    for (int i = 0; i < RowCount(); ++i) {
        TskSkinMenuItem& row = *rows_[size_t(i)];
        const int height = RowHeight(row);
        if (i < visibleStart_ || full || top + height > bottom) {
            full = full || i >= visibleStart_;
            if (scroll_)
                row.SetVisible(false);
            continue;
        }
        row.SetItemRect(gui::Rect(itemsRect_.Left, top, itemsRect_.Right, top + height));
        row.SetVisible(true);
        ++visibleCount_;
        top += height;
    }
}

void TskSkinPopupWindow::UpdateRegion()
{
    if (!maskPicture_)
        return;
    if (win::UniqueRegion region = MakeSkinRegion(skinGeometry_, newGeometry_, *maskPicture_, Width()))
        win::SetWindowRegion(Handle(), std::move(region));
}

// ---- Showing ----

void TskSkinPopupWindow::Popup(const TRect& anchor, gui::TMenuItem& item, int startIndex, bool submenu,
                               bool popupUp)
{
    const bool fadeIn = menu_.LayeredWindows() && menu_.AlphaBlend() && menu_.AlphaBlendAnimation() &&
                        menu_.FirstLevel();
    if (fadeIn) {
        // What is about to lie under the menu is painted before it fades in.
        gui::Application().ProcessMessages();
        if (closed_)
            return;
    }
    Layout(item, startIndex);
    TskMenuPlacement placement;
    placement.WorkArea = menu_.WorkArea();
    placement.Anchor = anchor;
    placement.Width = Width();
    placement.Height = Height();
    placement.ItemsTop = itemsRect_.Top;
    placement.Submenu = submenu;
    placement.Scrolling = scroll_;
    placement.PopupUp = popupUp;
    showPosition_ = PlacePopupWindow(placement);

    if (FakeTransparency()) {
        // The screen is copied once the window's anchor has been painted.
        captureTimer_->SetEnabled(true);
        return;
    }
    ApplySkinCursor();
    if (menu_.LayeredWindows() && menu_.AlphaBlend()) {
        const LONG_PTR exStyle = ::GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
        ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        SetWindowAlpha(Handle(), fadeIn ? 0 : alphaValue_);
    }
    ShowWindowAt();
    if (fadeIn) {
        for (int alpha = 2;; alpha += 2) {
            SetWindowAlpha(Handle(), BYTE(std::min(alpha, int(alphaValue_))));
            if (alpha >= alphaValue_)
                break;
        }
    }
    mouseTimer_->SetEnabled(true);
    SelectFirstEnabled(false);
}

void TskSkinPopupWindow::ApplySkinCursor()
{
    if (popupRecord_ && popupRecord_->CursorIndex != -1)
        SetCursor(gui::TCursor(skinData_->StartCursorIndex + popupRecord_->CursorIndex));
}

void TskSkinPopupWindow::ShowWindowAt()
{
    SetBounds(showPosition_.X, showPosition_.Y, Width(), Height());
    ::SetWindowPos(Handle(), HWND_TOPMOST, showPosition_.X, showPosition_.Y, 0, 0,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    SetVisible(true);
}

void TskSkinPopupWindow::SelectFirstEnabled(bool anyRow)
{
    activeRow_ = -1;
    for (int i = 0; i < RowCount(); ++i) {
        if (anyRow || Selectable(i)) {
            activeRow_ = i;
            Select(*rows_[size_t(i)], true);
            return;
        }
    }
}

void TskSkinPopupWindow::CaptureTimerTick()
{
    captureTimer_->SetEnabled(false);
    screenCopy_.SetSize(Width() + 1, Height() + 1);
    GrabScreenArea(showPosition_.X, showPosition_.Y, screenCopy_);
    screenEffect_ = std::make_unique<TskEffectBmp>(screenCopy_.Handle());
    ApplySkinCursor();
    ShowWindowAt();
    mouseTimer_->SetEnabled(true);
    SelectFirstEnabled(true);
}

void TskSkinPopupWindow::Close()
{
    closed_ = true;
    mouseTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
    captureTimer_->SetEnabled(false);
    StopScrolling();
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    SetVisible(false);
}

// ---- Messages ----

void TskSkinPopupWindow::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        break;
    case WM_MOUSEACTIVATE:
        WMMouseActivate(message);
        break;
    case WM_TIMER:
        WMTimer(message);
        break;
    case gui::CM_VISIBLECHANGED:
        CMVisibleChanged(message);
        break;
    default:
        gui::TCustomControl::WndProc(message);
    }
}

void TskSkinPopupWindow::WMMouseActivate(gui::TMessage& message)
{
    // The form keeps the activation while its menus are open.
    message.Result = MA_NOACTIVATE;
}

void TskSkinPopupWindow::CMVisibleChanged(gui::TMessage&)
{
    if (HandleAllocated())
        ::ShowWindow(Handle(), Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

}  // namespace sk
