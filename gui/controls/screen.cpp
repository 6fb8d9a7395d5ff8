#include "gui/controls/screen.h"

#include <algorithm>

#include "gui/controls/find_control.h"
#include "gui/controls/form.h"
#include "gui/controls/win_control.h"
#include "gui/core/exceptions.h"
#include "gui/core/string_utils.h"

namespace gui {

namespace {

// The system cursor of a negative cursor number, or none.
LPCSTR SystemCursorName(TCursor index)
{
    switch (index) {
    case crArrow:
        return IDC_ARROW;
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeNESW:
        return IDC_SIZENESW;
    case crSizeNS:
        return IDC_SIZENS;
    case crSizeNWSE:
        return IDC_SIZENWSE;
    case crSizeWE:
        return IDC_SIZEWE;
    case crUpArrow:
        return IDC_UPARROW;
    case crHourGlass:
        return IDC_WAIT;
    case crNo:
        return IDC_NO;
    case crAppStart:
        return IDC_APPSTARTING;
    case crHelp:
        return IDC_HELP;
    case crHandPoint:
        return IDC_HAND;
    case crSizeAll:
        return IDC_SIZEALL;
    default:
        return nullptr;
    }
}

}  // namespace

TForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return forms_[size_t(index)];
}

int TScreen::IndexOfForm(const TForm* form) const
{
    const auto it = std::find(forms_.begin(), forms_.end(), form);
    return it == forms_.end() ? -1 : int(it - forms_.begin());
}

TForm* TScreen::ActiveForm() const
{
    auto* form = dynamic_cast<TForm*>(FindControl(::GetActiveWindow()));
    if (form && form->FormStyle() == fsMDIForm)
        if (TForm* child = form->ActiveMDIChild())
            return child;
    return form;
}

void TScreen::AddForm(TForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TForm* form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end()); }

HCURSOR TScreen::Cursors(TCursor index) const
{
    if (index == crNone)
        return nullptr;
    if (LPCSTR name = SystemCursorName(index))
        return ::LoadCursorA(nullptr, name);
    const auto it = cursors_.find(index);
    if (it != cursors_.end())
        return it->second.Get();
    return ::LoadCursorA(nullptr, IDC_ARROW);
}

void TScreen::SetCursors(TCursor index, HCURSOR cursor)
{
    if (cursor)
        cursors_[index].Reset(cursor);
    else
        cursors_.erase(index);
}

void TScreen::SetCursor(TCursor value)
{
    if (value == cursor_)
        return;
    cursor_ = value;
    if (value != crDefault) {
        ::SetCursor(Cursors(value));
        return;
    }
    // Back to the controls' own cursors: the window under the mouse chooses again.
    POINT p{};
    if (!::GetCursorPos(&p))
        return;
    const HWND window = ::WindowFromPoint(p);
    if (TWinControl* control = FindControl(window))
        control->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

TRect BoundsOnWorkArea(const TRect& bounds)
{
    // The top band of a window is where its caption lies: a part of it wide
    // and high enough to take with the mouse must be on a work area.
    constexpr int kBand = 24, kGrip = 32;
    const int width = bounds.Right - bounds.Left, height = bounds.Bottom - bounds.Top;
    const RECT band{bounds.Left, bounds.Top, bounds.Right, bounds.Top + std::min(height, kBand)};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!::GetMonitorInfoA(::MonitorFromRect(&band, MONITOR_DEFAULTTONEAREST), &monitor))
        return bounds;
    const RECT& work = monitor.rcWork;
    // A window larger than the work area (saved on a larger monitor) can never be
    // seen whole: its caption buttons and its far edges may lie off the screen.
    const bool fits = width <= work.right - work.left && height <= work.bottom - work.top;
    RECT seen;
    if (fits && ::IntersectRect(&seen, &band, &work) && seen.right - seen.left >= std::min(width, kGrip) &&
        seen.bottom - seen.top >= std::min(int(band.bottom - band.top), kBand / 2))
        return bounds;
    const int w = std::min<int>(width, work.right - work.left), h = std::min<int>(height, work.bottom - work.top);
    const int left = std::clamp<int>(bounds.Left, work.left, work.right - w);
    const int top = std::clamp<int>(bounds.Top, work.top, work.bottom - h);
    return Rect(left, top, left + w, top + h);
}

}  // namespace gui
