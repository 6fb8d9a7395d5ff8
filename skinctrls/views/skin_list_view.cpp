#include "skinctrls/views/skin_list_view.h"

#include <cstring>

#include "gui/native/header_sections.h"
#include "skinctrls/views/view_skin.h"

namespace sk {

TskSkinCustomListView::TskSkinCustomListView(gui::TComponent* owner) : TskSkinView(owner, "listview")
{
    SetFont(defaultFont_);
}

TskSkinCustomListView::~TskSkinCustomListView()
{
    // The bars outlive the view: they must not call it any more.
    SetVScrollBar(nullptr);
    SetHScrollBar(nullptr);
    Destroying();
    header_.reset();
    DestroyHandle();
}

// ---- Properties ----

void TskSkinCustomListView::SetHeaderSkinDataName(const std::string& value)
{
    headerSkinDataName_ = value;
    if (HWND header = HeaderWindow())
        ::InvalidateRect(header, nullptr, FALSE);
}

void TskSkinCustomListView::SetDefaultColor(gui::TColor value)
{
    defaultColor_ = value;
    if (skinIndex_ == -1)
        SetColor(value);
}

// ---- The skin ----

void TskSkinCustomListView::ApplySkin()
{
    skinIndex_ = SkinControlIndex(skinData_, skinDataName_);
    ApplyViewLook<TskDataSkinListView>(*this, skinData_, skinIndex_, defaultFont_, defaultColor_);
    if (HWND header = HeaderWindow())
        ::InvalidateRect(header, nullptr, FALSE);
    UpdateScrollBars();
    // The parents place the bars anew.
    for (TskSkinScrollBar* bar : {vScrollBar_, hScrollBar_})
        if (bar && bar->Parent())
            bar->Parent()->Realign();
}

// ---- The external bars ----

int TskSkinCustomListView::FirstItemHeight()
{
    return Items().Count() > 0 ? RectHeight(Items()[0]->DisplayRect(gui::drBounds)) : 0;
}

void TskSkinCustomListView::UpdateScrollBars()
{
    if (!HandleAllocated() || scrolling_ || updating_ || Width() < 6 || Height() < 6 ||
        ComponentState().Contains(gui::csDestroying))
        return;
    bool changed = false;
    updating_ = true;
    switch (ViewStyle()) {
    case gui::vsIcon:
    case gui::vsSmallIcon:
        UpdateIconBars(changed);
        break;
    case gui::vsList:
        UpdateListBars(changed);
        break;
    case gui::vsReport:
        UpdateReportBars(changed);
        break;
    }
    MatchBothBars(vScrollBar_, hScrollBar_);
    if (changed && Align() != gui::alNone && Parent())
        Parent()->Realign();
    updating_ = false;
}

void TskSkinCustomListView::UpdateIconBars(bool& changed)
{
    HWND window = Handle();
    const int step = std::max(1, FirstItemHeight() / 2);
    if (vScrollBar_) {
        const TNativeScrollRange range = NativeScrollRange(window, SB_VERT);
        changed |= SetBarVisible(vScrollBar_, Height() < range.Max && Visible());
        if (vScrollBar_->Visible()) {
            vScrollBar_->SetSmallChange(step);
            vScrollBar_->SetLargeChange(step);
            vScrollBar_->SetRange(range.Min, range.Max, Height(), range.Position);
            lastVPosition_ = range.Position;
        }
    }
    if (hScrollBar_) {
        const TNativeScrollRange range = NativeScrollRange(window, SB_HORZ);
        changed |= SetBarVisible(hScrollBar_, Width() < range.Max && Visible());
        if (hScrollBar_->Visible()) {
            hScrollBar_->SetSmallChange(step);
            hScrollBar_->SetLargeChange(step);
            hScrollBar_->SetRange(range.Min, range.Max, Width(), range.Position);
            lastHPosition_ = range.Position;
        }
    }
}

void TskSkinCustomListView::UpdateListBars(bool& changed)
{
    changed |= SetBarVisible(vScrollBar_, false);
    if (!hScrollBar_)
        return;
    int columnWidth = Items().Count() > 0 ? RectWidth(Items()[0]->DisplayRect(gui::drBounds)) : 1;
    if (columnWidth <= 0)
        columnWidth = 1;
    const TNativeScrollRange range = NativeScrollRange(Handle(), SB_HORZ);
    changed |= SetBarVisible(hScrollBar_, VisibleRowCount() < Items().Count() && Visible());
    if (hScrollBar_->Visible()) {
        hScrollBar_->SetRange(range.Min, range.Max, Width() / columnWidth, range.Position);
        hScrollBar_->SetSmallChange(1);
        hScrollBar_->SetLargeChange(1);
        lastHPosition_ = range.Position;
    }
}

void TskSkinCustomListView::UpdateReportBars(bool& changed)
{
    HWND window = Handle();
    if (vScrollBar_) {
        const int perPage = VisibleRowCount();
        const TNativeScrollRange range = NativeScrollRange(window, SB_VERT);
        changed |= SetBarVisible(vScrollBar_, perPage < range.Max + 1 && Visible());
        if (vScrollBar_->Visible()) {
            vScrollBar_->SetRange(range.Min, range.Max, perPage, range.Position);
            lastVPosition_ = range.Position;
            vScrollBar_->SetSmallChange(1);
            vScrollBar_->SetLargeChange(1);
        }
    }
    if (hScrollBar_) {
        const TNativeScrollRange range = NativeScrollRange(window, SB_HORZ);
        changed |= SetBarVisible(hScrollBar_, Width() < range.Max && Visible());
        if (hScrollBar_->Visible()) {
            hScrollBar_->SetRange(range.Min, range.Max, Width(), range.Position);
            lastHPosition_ = range.Position;
        }
    }
}

void TskSkinCustomListView::FollowScrollBar(bool vertical)
{
    if (vertical)
        FollowVScrollBar();
    else
        FollowHScrollBar();
}

void TskSkinCustomListView::FollowVScrollBar()
{
    if (!vScrollBar_ || !HandleAllocated())
        return;
    scrolling_ = true;
    const int steps = vScrollBar_->Position() - lastVPosition_;
    if (ViewStyle() == gui::vsReport || ViewStyle() == gui::vsList)
        Scroll(0, steps * FirstItemHeight());
    else
        Scroll(0, steps);
    lastVPosition_ = vScrollBar_->Position();
    scrolling_ = false;
}

void TskSkinCustomListView::FollowHScrollBar()
{
    if (!hScrollBar_ || !HandleAllocated())
        return;
    scrolling_ = true;
    const int steps = hScrollBar_->Position() - lastHPosition_;
    if (ViewStyle() == gui::vsList) {
        // The list view style scrolls by whole columns.
        for (int i = 0; i < std::abs(steps); ++i)
            ::SendMessageA(Handle(), WM_HSCROLL, steps < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);
    } else {
        Scroll(steps, 0);
    }
    lastHPosition_ = hScrollBar_->Position();
    scrolling_ = false;
}

// ---- The header ----

void TskSkinCustomListView::HoldHeader(HWND window)
{
    header_.reset();
    header_ = std::make_unique<gui::TWindowSubclass>(window, [this](gui::TMessage& m) { HeaderProc(m); });
    pressedIndex_ = -1;
    pressedFlag_ = false;
}

void TskSkinCustomListView::HeaderProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
        if (auto dc = reinterpret_cast<HDC>(message.WParam)) {
            PaintHeader(dc);
        } else {
            // Validated also when painting fails, or the header would paint
            // again at once.
            struct PaintScope {
                explicit PaintScope(HWND painted) : window(painted), dc(::BeginPaint(painted, &ps)) {}
                ~PaintScope() { ::EndPaint(window, &ps); }
                HWND window;
                PAINTSTRUCT ps{};
                HDC dc;
            } paint(header_->Window());
            PaintHeader(paint.dc);
        }
        message.Result = 0;
        return;
    case WM_ERASEBKGND:
        // Every pixel is painted off-screen: nothing to erase, no flicker.
        message.Result = 1;
        return;
    default:
        break;
    }
    const HWND header = header_->Window();
    header_->CallNext(message);
    if (message.Msg == WM_LBUTTONDOWN) {
        const gui::TPoint p = gui::MousePos(message);
        pressedIndex_ = -1;
        const int count = gui::HeaderSectionCount(header);
        for (int position = 0; position < count; ++position) {
            const int section = FullDrag() ? gui::HeaderSectionAt(header, position) : position;
            const TRect r = gui::HeaderSectionRect(header, section);
            if (p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) {
                pressedIndex_ = position;
                break;
            }
        }
        pressedFlag_ = !gui::HeaderOnDivider(header, p);
    } else if (message.Msg == WM_LBUTTONUP || message.Msg == WM_CAPTURECHANGED) {
        // Also when the mouse was taken away before the release.
        pressedFlag_ = false;
        pressedIndex_ = -1;
    } else {
        return;
    }
    if (::IsWindow(header))
        ::InvalidateRect(header, nullptr, FALSE);
}

void TskSkinCustomListView::PaintHeader(HDC dc)
{
    headerSkin_.Read(skinData_, headerSkinDataName_);
    headerSkin_.Paint(dc, header_->Window(), *this, PressedSection());
}

// ---- Messages ----

void TskSkinCustomListView::CreateWnd()
{
    TCustomListView::CreateWnd();
    // A header made before the window procedure could see it is taken here.
    if (!HeaderWindow() && ShowColumnHeaders())
        if (auto header = reinterpret_cast<HWND>(::SendMessageA(Handle(), LVM_GETHEADER, 0, 0)))
            HoldHeader(header);
}

void TskSkinCustomListView::WndProc(gui::TMessage& message)
{
    if (message.Msg == WM_PARENTNOTIFY && LOWORD(message.WParam) == WM_CREATE && ShowColumnHeaders()) {
        const auto child = reinterpret_cast<HWND>(message.LParam);
        char name[80] = {};
        ::GetClassNameA(child, name, int(sizeof(name)));
        if (std::strcmp(name, "SysHeader32") == 0)
            HoldHeader(child);
    }
    TskSkinView::WndProc(message);
}

}  // namespace sk
