#include "skinctrls/views/view_skin.h"

namespace sk {

bool SetBarVisible(TskSkinScrollBar* bar, bool visible)
{
    if (!bar || bar->Visible() == visible)
        return false;
    bar->SetVisible(visible);
    return true;
}

void MatchBothBars(TskSkinScrollBar* vertical, TskSkinScrollBar* horizontal)
{
    if (vertical && horizontal && horizontal->Both() != vertical->Visible())
        horizontal->SetBoth(vertical->Visible());
}

TNativeScrollRange NativeScrollRange(HWND window, int bar)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    TNativeScrollRange range;
    if (window && ::GetScrollInfo(window, bar, &info)) {
        range.Min = info.nMin;
        range.Max = info.nMax;
        range.Position = info.nPos;
    }
    return range;
}

}  // namespace sk
