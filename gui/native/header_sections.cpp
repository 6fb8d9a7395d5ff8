#include "gui/native/header_sections.h"

#include <commctrl.h>

#include <vector>

namespace gui {

int HeaderSectionCount(HWND header)
{
    const int count = int(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    return count > 0 ? count : 0;
}

int HeaderSectionAt(HWND header, int position)
{
    const int count = HeaderSectionCount(header);
    if (position < 0 || position >= count)
        return -1;
    std::vector<int> order(size_t(count), 0);
    if (!::SendMessageA(header, HDM_GETORDERARRAY, WPARAM(count), reinterpret_cast<LPARAM>(order.data())))
        return position;
    return order[size_t(position)];
}

TRect HeaderSectionRect(HWND header, int section)
{
    RECT r{};
    if (section < 0 || !::SendMessageA(header, HDM_GETITEMRECT, WPARAM(section), reinterpret_cast<LPARAM>(&r)))
        return TRect();
    return Rect(r.left, r.top, r.right, r.bottom);
}

bool HeaderOnDivider(HWND header, TPoint point)
{
    HDHITTESTINFO info{};
    info.pt = POINT{point.X, point.Y};
    ::SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    return (info.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) != 0;
}

}  // namespace gui
