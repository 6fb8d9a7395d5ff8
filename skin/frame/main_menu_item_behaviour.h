// How a top-level item of a main menu answers the mouse and which look it shows,
// the same for the items drawn inside a skinned frame and those of the skinned
// menu bar. While one item's menu is open, the menu follows the mouse from item
// to item; otherwise the item under the mouse is highlighted and the one
// highlighted before goes back. An item whose menu closes fades back from its
// highlighted look. The highlight changes at once, or by a morph where the item
// morphs.
//
// Item is the item's class: it answers Down(), SetDown(), Active(), SetActive(),
// SetMouseIn(), Morphing(), SetMorphFactor() and MouseLeave(); ShowLook starts
// the change of its look (the morph timer, or a repaint at once).
#pragma once

#include <functional>
#include <vector>

#include "gui/core/types.h"

namespace gui {
class TMenuItem;
}

namespace sk {

// An item with sub-items opens them; one without runs its command.
bool HasSubItems(const gui::TMenuItem* item);
// The command of an item without sub-items: through its menu's command
// dispatch when the menu knows the command, else by the item's click.
void RunMenuItemCommand(gui::TMenuItem* item);

// The look an item shows: from Source of the item picture, with the caption
// in the highlighted colour or not; while the look changes (Morph) the normal
// look from SkinRect blended toward the highlighted one from ActiveSkinRect.
struct TskMainMenuItemLookChoice {
    gui::TRect Source;
    bool Highlighted = false;
    bool Morph = false;
};
TskMainMenuItemLookChoice ChooseMainMenuItemLook(bool down, bool active, bool lookChanging,
                                                 const gui::TRect& skinRect, const gui::TRect& activeSkinRect,
                                                 const gui::TRect& downRect);

// The mouse enters an item of the row (the row may hold the item itself).
template <class Item>
void EnterMainMenuItem(Item& item, const std::vector<Item*>& row, const std::function<void()>& showLook)
{
    Item* down = nullptr;
    for (Item* other : row)
        if (other != &item && other->Down()) {
            down = other;
            break;
        }
    if (down) {
        // An open menu follows the mouse.
        down->SetDown(false);
        item.SetActive(true);
        item.SetMouseIn(true);
        if (item.Morphing())
            item.SetMorphFactor(1);
        item.SetDown(true);
        return;
    }
    for (Item* other : row)
        if (other != &item && other->Active())
            other->MouseLeave();
    item.SetMouseIn(true);
    item.SetActive(true);
    showLook();
}

// The mouse leaves an item.
template <class Item>
void LeaveMainMenuItem(Item& item, const std::function<void()>& showLook)
{
    item.SetActive(false);
    item.SetMouseIn(false);
    if (item.Morphing() && item.Down())
        item.SetMorphFactor(0);
    showLook();
}

// The item's menu closed (the item is up already): it fades back from its
// highlighted look.
template <class Item>
void FadeBackMainMenuItem(Item& item, const std::function<void()>& showLook)
{
    item.SetActive(false);
    if (item.Morphing())
        item.SetMorphFactor(1);
    showLook();
}

}  // namespace sk
