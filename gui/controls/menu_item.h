// One entry of a menu: a caption ("-" makes it a separator line, "&" marks the
// accelerator character), its state, its shortcut and image, and the entries of
// its submenu. A menu item frees its sub-items when it goes, and leaves its
// parent item when it is destroyed first. Every item carries a command number of
// its own, by which its menu finds it when the command comes back (DispatchCommand).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gui/controls/action.h"
#include "gui/controls/events.h"
#include "gui/controls/shortcut.h"
#include "gui/core/component.h"

namespace gui {

class TMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    // A separator: the caption is "-".
    bool IsLine() const { return caption_ == "-"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    bool Checked() const { return checked_; }
    void SetChecked(bool value) { checked_ = value; }
    // A checked radio item shows a dot instead of a check mark.
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool value) { radioItem_ = value; }
    // The item a double click would choose; drawn bold by the system's menus.
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value) { shortCut_ = value; }
    // Index into the menu's Images; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { imageIndex_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }

    WORD Command() const { return command_; }

    // Sub-items.
    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const;  // raises EListError outside the list
    TMenuItem* operator[](int index) const { return Items(index); }
    int IndexOf(const TMenuItem* item) const;
    // Adding an item that has a parent moves it here; raises EInvalidOperation for
    // the item itself or one of its own parents.
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    // Takes the item out of the submenu without freeing it.
    void Remove(TMenuItem* item);
    void Delete(int index) { Remove(Items(index)); }
    // Frees every sub-item.
    void Clear();

    TMenuItem* Parent() const { return parent_; }
    // The item's place among its parent's sub-items, or -1.
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    // The menu whose tree holds the item, or none.
    TMenu* GetParentMenu() const;

    // The action the item follows (caption, enabled, visible, checked, hint and
    // picture) and executes when it is clicked and has no OnClick of its own.
    TCustomAction* Action() const { return actionLink_.Action(); }
    void SetAction(TCustomAction* value) { actionLink_.SetAction(value); }

    // Runs OnClick, or else the action.
    virtual void Click();
    TNotifyEvent OnClick;

private:
    friend class TMenu;
    void ActionChanged(TCustomAction& action);

    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    bool radioItem_ = false;
    bool default_ = false;
    TShortCut shortCut_ = scNone;
    int imageIndex_ = -1;
    std::string hint_;
    WORD command_ = 0;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item of a menu only
    TActionLink actionLink_;
};

}  // namespace gui
