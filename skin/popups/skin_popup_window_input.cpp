// The popup window's rows under the mouse and the keyboard, and its scrolling.
#include <windows.h>

#include "gui/controls/accel.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_window.h"

namespace sk {

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr int kMarkerHeight = 10;

bool Contains(const gui::TRect& rect, gui::TPoint point)
{
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

}  // namespace

// ---- Selection ----

bool TskSkinPopupWindow::Selectable(int index) const
{
    const TskSkinMenuItem& row = *rows_[size_t(index)];
    return row.MenuItem().Enabled() && !row.IsSeparator();
}

void TskSkinPopupWindow::Select(TskSkinMenuItem& row, bool keyboard)
{
    row.SetActive(true);
    for (const auto& other : rows_) {
        if (other.get() != &row && other->Open()) {
            other->SetOpen(false);
            RedrawRow(*other);
        }
    }
    if (!row.Open()) {
        RedrawRow(row);
        menu_.ActivateRow(row, false, keyboard);
        return;
    }
    // Its submenu shows already: only what was opened from that submenu closes.
    const int level = menu_.LevelIndex(this);
    if (level + 2 < menu_.LevelCount()) {
        menu_.CloseLevels(level + 2);
        TskSkinPopupWindow* submenu = menu_.Levels(level + 1);
        for (const auto& sub : submenu->rows_) {
            if (sub->Open()) {
                sub->SetOpen(false);
                submenu->RedrawRow(*sub);
            }
        }
    }
}

void TskSkinPopupWindow::Deselect(TskSkinMenuItem& row)
{
    row.SetActive(false);
    if (!row.Open())
        RedrawRow(row);
    menu_.CancelPending(row);
}

void TskSkinPopupWindow::ChangeActiveRow(int index, bool keyboard)
{
    if (index == activeRow_)
        return;
    const int old = activeRow_;
    activeRow_ = index;
    Select(*rows_[size_t(index)], keyboard);
    if (old >= 0 && old < RowCount() && activeRow_ == index)
        Deselect(*rows_[size_t(old)]);
}

void TskSkinPopupWindow::ClickRow(int index)
{
    if (index < 0 || index >= RowCount())
        return;
    TskSkinMenuItem& row = *rows_[size_t(index)];
    if (row.MenuItem().Enabled() && !row.IsSeparator() && !row.Open())
        menu_.ActivateRow(row, true, false);
}

// ---- The mouse ----

void TskSkinPopupWindow::MouseTimerTick()
{
    POINT cursor{};
    if (!::GetCursorPos(&cursor))
        return;
    const gui::TPoint p = gui::Point(cursor.x, cursor.y);
    if (p == lastMousePoint_)
        return;
    lastMousePoint_ = p;
    if (::WindowFromPoint(cursor) == Handle())
        MouseMoveAt(ScreenToClient(p));
    else if (scroll_ && scrollCode_ != 0)
        StopScrolling();
}

gui::TRect TskSkinPopupWindow::TopMarker() const
{
    return gui::Rect(itemsRect_.Left, itemsRect_.Top, itemsRect_.Right, itemsRect_.Top + kMarkerHeight);
}

gui::TRect TskSkinPopupWindow::BottomMarker() const
{
    return gui::Rect(itemsRect_.Left, itemsRect_.Bottom - kMarkerHeight, itemsRect_.Right, itemsRect_.Bottom);
}

void TskSkinPopupWindow::MouseMoveAt(gui::TPoint point)
{
    if (scroll_) {
        const bool inTop = Contains(TopMarker(), point), inBottom = Contains(BottomMarker(), point);
        if (inTop && scrollCode_ == 0 && HiddenAbove())
            StartScrolling(1);
        else if (inBottom && scrollCode_ == 0 && HiddenBelow())
            StartScrolling(2);
        else if (scrollCode_ != 0 && !inTop && !inBottom)
            StopScrolling();
    }
    for (int i = 0; i < RowCount(); ++i) {
        const TskSkinMenuItem& row = *rows_[size_t(i)];
        if (!row.Visible() || !Contains(row.ItemRect(), point))
            continue;
        if (i != activeRow_) {
            const int old = activeRow_;
            activeRow_ = i;
            if (old >= 0 && Selectable(old))
                Deselect(*rows_[size_t(old)]);
            if (Selectable(i))
                Select(*rows_[size_t(i)], false);
        }
        return;
    }
}

void TskSkinPopupWindow::MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    gui::TCustomControl::MouseUp(button, shift, x, y);
    const gui::TPoint p = gui::Point(x, y);
    MouseMoveAt(p);
    if (activeRow_ < 0 || button != gui::mbLeft)
        return;
    bool onRow = false;
    for (const auto& row : rows_)
        onRow = onRow || (row->Visible() && Contains(row->ItemRect(), p));
    if (onRow && !rows_[size_t(activeRow_)]->IsSeparator())
        ClickRow(activeRow_);
}

// ---- Scrolling ----

void TskSkinPopupWindow::StartScrolling(int code)
{
    scrollCode_ = code;
    DrawOnWindow([this, code](gui::TCanvas& c) { DrawMarker(c, code == 1); });
    menu_.CloseLevels(menu_.LevelIndex(this) + 1);
    captureTimer_->SetEnabled(false);
    scrollTimerSet_ = ::SetTimer(Handle(), kScrollTimer, 100, nullptr) != 0;
}

void TskSkinPopupWindow::StopScrolling()
{
    if (scrollTimerSet_ && HandleAllocated())
        ::KillTimer(Handle(), kScrollTimer);
    scrollTimerSet_ = false;
    if (scrollCode_ == 0)
        return;
    scrollCode_ = 0;
    DrawOnWindow([this](gui::TCanvas& c) { DrawScrollMarkers(c); });
}

void TskSkinPopupWindow::WMTimer(gui::TMessage& message)
{
    gui::TCustomControl::WndProc(message);
    if (message.WParam == kScrollTimer)
        ScrollTimerTick();
}

void TskSkinPopupWindow::ScrollTimerTick()
{
    if (scrollCode_ == 1 && HiddenAbove())
        ScrollUp(false);
    else if (scrollCode_ == 2 && HiddenBelow())
        ScrollDown(false);
    else
        StopScrolling();
}

int TskSkinPopupWindow::LastPageStart() const
{
    const int space = RectHeight(itemsRect_) - 2 * kMarkerHeight;
    int used = 0, start = RowCount();
    while (start > 0 && used + RowHeight(*rows_[size_t(start - 1)]) <= space)
        used += RowHeight(*rows_[size_t(--start)]);
    return start;
}

void TskSkinPopupWindow::ScrollUp(bool wrap)
{
    if (HiddenAbove())
        --visibleStart_;
    else if (wrap)
        visibleStart_ = LastPageStart();
    else
        return;
    PlaceRows();
    Repaint();
}

void TskSkinPopupWindow::ScrollDown(bool wrap)
{
    if (HiddenBelow())
        ++visibleStart_;
    else if (wrap)
        visibleStart_ = 0;
    else
        return;
    PlaceRows();
    Repaint();
}

// ---- Keys ----

bool TskSkinPopupWindow::ProcessKey(WORD key)
{
    if (!Visible())
        return false;
    if (const char accel = gui::AccelChar(key); Enabled() && accel) {
        for (int i = 0; i < RowCount(); ++i) {
            if (!gui::IsAccel(accel, rows_[size_t(i)]->MenuItem().Caption()))
                continue;
            const int old = activeRow_;
            activeRow_ = i;
            if (old >= 0 && old != i)
                Deselect(*rows_[size_t(old)]);
            Select(*rows_[size_t(i)], false);
            ClickRow(i);
            return true;
        }
    }
    switch (key) {
    case VK_RETURN:
        ClickRow(activeRow_);
        return true;
    case VK_ESCAPE:
        CloseTopLevel();
        return true;
    case VK_LEFT:
        if (menu_.LevelCount() >= 2)
            CloseTopLevel();
        return true;
    case VK_UP:
        PriorRow();
        return true;
    case VK_DOWN:
        NextRow();
        return true;
    case VK_RIGHT:
        if (activeRow_ >= 0 && rows_[size_t(activeRow_)]->MenuItem().Count() > 0)
            ClickRow(activeRow_);
        return true;
    default:
        return false;
    }
}

void TskSkinPopupWindow::CloseTopLevel()
{
    TskSkinMenu& menu = menu_;  // this window may be the level that closes
    menu.CloseLevels(menu.LevelCount() - 1);
    if (TskSkinPopupWindow* top = menu.TopLevel()) {
        if (top->activeRow_ >= 0) {
            TskSkinMenuItem& row = *top->rows_[size_t(top->activeRow_)];
            row.SetOpen(false);
            top->RedrawRow(row);
        }
    }
}

void TskSkinPopupWindow::NextRow()
{
    const int last = RowCount() - 1;
    if (last < 0)
        return;
    const auto lastShown = [this] { return visibleStart_ + visibleCount_ - 1; };
    if (scroll_ && scrollCode_ == 0 && activeRow_ == lastShown())
        ScrollDown(true);
    const int from = activeRow_ < 0 || activeRow_ == last ? 0 : activeRow_ + 1;
    for (int i = from; i <= last; ++i) {
        if (scroll_ && i == lastShown())
            ScrollDown(false);
        if (Selectable(i)) {
            ChangeActiveRow(i, true);
            return;
        }
    }
}

void TskSkinPopupWindow::PriorRow()
{
    const int last = RowCount() - 1;
    if (last < 0)
        return;
    if (scroll_ && scrollCode_ == 0 && activeRow_ == visibleStart_)
        ScrollUp(true);
    const int from = activeRow_ <= 0 ? last : activeRow_ - 1;
    for (int i = from; i >= 0; --i) {
        if (scroll_ && i == visibleStart_)
            ScrollUp(false);
        if (Selectable(i)) {
            ChangeActiveRow(i, true);
            return;
        }
    }
}

}  // namespace sk
