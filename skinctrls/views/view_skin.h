// What the skinned tree and list views share: their look from a skin element
// (font and background colour) or from their defaults, and the external skinned
// scroll bars they show, hide and follow.
#pragma once


#include "gui/controls/control.h"
#include "skin/data/skin_data.h"
#include "skinctrls/controls/skin_scroll_bar.h"

namespace sk {

// The view takes the default font and colour (index -1) or those of the element
// when it is a Record; an element of another kind changes nothing.
template <typename Record>
void ApplyViewLook(gui::TControl& view, TskSkinData* skinData, int index, const gui::TFont& defaultFont,
                   gui::TColor defaultColor)
{
    if (index == -1) {
        view.SetColor(defaultColor);
        view.SetFont(defaultFont);
        return;
    }
    const auto* record = dynamic_cast<const Record*>(skinData->CtrlList[index]);
    if (!record)
        return;
    gui::TFont font;
    font.Assign(view.Font());
    font.SetName(record->FontName);
    font.SetColor(record->FontColor);
    font.SetStyle(record->FontStyle);
    font.SetHeight(record->FontHeight);
    view.SetFont(font);
    view.SetColor(record->BGColor);
}

// Shows or hides an external bar; answers whether that changed anything.
bool SetBarVisible(TskSkinScrollBar* bar, bool visible);

// A horizontal bar beside a shown vertical one leaves the corner free.
void MatchBothBars(TskSkinScrollBar* vertical, TskSkinScrollBar* horizontal);

// Range, page and position of the native scroll bar of a window, which keeps
// them also while the window draws no bar.
struct TNativeScrollRange {
    int Min = 0, Max = 0, Position = 0;
};
TNativeScrollRange NativeScrollRange(HWND window, int bar);

}  // namespace sk
