// The menu classes: item trees and who frees what, the way back from a command
// number or a shortcut key to its item, and shortcut texts.
#include <gtest/gtest.h>

#include <string>

#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/core/exceptions.h"

using namespace gui;

namespace {

TMenuItem* AddItem(TMenuItem& parent, const std::string& caption, std::string* clicks = nullptr)
{
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    if (clicks)
        item->OnClick = [clicks, caption](TComponent*) { *clicks += caption + ";"; };
    parent.Add(item);
    return item;
}

TMessage KeyDown(WORD key) { return TMessage{WM_KEYDOWN, key, 0}; }

}  // namespace

TEST(MenuItemTree, ItemsMoveBetweenParentsAndGoWithTheirParent)
{
    TPopupMenu menu(nullptr);
    TMenuItem* file = AddItem(menu.Items(), "&File");
    TMenuItem* edit = AddItem(menu.Items(), "&Edit");
    TMenuItem* open = AddItem(*file, "Open");
    AddItem(*file, "-");
    EXPECT_TRUE(file->Items(1)->IsLine());
    EXPECT_EQ(&menu, open->GetParentMenu());

    edit->Add(open);  // moves it
    EXPECT_EQ(1, file->Count());
    EXPECT_EQ(edit, open->Parent());
    EXPECT_THROW(open->Add(edit), EInvalidOperation);

    // An item owned by a form leaves its parent when the form frees it first.
    {
        TForm form(nullptr);
        auto* owned = new TMenuItem(&form);
        file->Add(owned);
        EXPECT_EQ(2, file->Count());
    }
    EXPECT_EQ(1, file->Count());

    // A freed item frees its sub-items, which leave their owner's list.
    TForm owner(nullptr);
    auto* sub = new TMenuItem(&owner);
    edit->Add(sub);
    const int components = owner.ComponentCount();
    delete edit;
    EXPECT_EQ(components - 1, owner.ComponentCount());
    EXPECT_EQ(1, menu.Items().Count());
}

TEST(MenuCommands, FindTheirItemAnywhereInTheTreeAndAreReused)
{
    std::string clicks;
    TMainMenu menu(nullptr);
    TMenuItem* file = AddItem(menu.Items(), "File", &clicks);
    TMenuItem* recent = AddItem(*file, "Recent", &clicks);
    TMenuItem* first = AddItem(*recent, "First", &clicks);
    EXPECT_NE(first->Command(), recent->Command());
    EXPECT_NE(0, first->Command());

    EXPECT_TRUE(menu.DispatchCommand(first->Command()));
    EXPECT_EQ("First;", clicks);
    EXPECT_EQ(first, menu.FindItem(first->Command()));

    // A command of another menu is not this menu's.
    TPopupMenu other(nullptr);
    TMenuItem* stranger = AddItem(other.Items(), "Stranger", &clicks);
    EXPECT_FALSE(menu.DispatchCommand(stranger->Command()));

    // A freed item's number goes to the next new item.
    const WORD number = first->Command();
    delete first;
    EXPECT_EQ(nullptr, menu.FindItem(number));
    auto* next = new TMenuItem(nullptr);
    EXPECT_EQ(number, next->Command());
    delete next;
}

TEST(MenuShortCuts, ClickTheFirstEnabledItemWithTheKey)
{
    std::string clicks;
    TMainMenu menu(nullptr);
    TMenuItem* file = AddItem(menu.Items(), "File", &clicks);
    TMenuItem* save = AddItem(*file, "Save", &clicks);
    save->SetShortCut(ShortCut(VK_F2, {}));
    TMenuItem* tools = AddItem(menu.Items(), "Tools", &clicks);
    TMenuItem* rename = AddItem(*tools, "Rename", &clicks);
    rename->SetShortCut(ShortCut(VK_F3, {}));

    EXPECT_TRUE(menu.IsShortCut(KeyDown(VK_F2)));
    EXPECT_EQ("Save;", clicks);
    // An item under a disabled parent does not take its key.
    tools->SetEnabled(false);
    EXPECT_FALSE(menu.IsShortCut(KeyDown(VK_F3)));
    // A key with Alt held (as WM_SYSKEYDOWN reports it) is another shortcut.
    EXPECT_FALSE(menu.IsShortCut(TMessage{WM_SYSKEYDOWN, VK_F2, LPARAM(KF_ALTDOWN) << 16}));
    EXPECT_EQ("Save;", clicks);
}

TEST(ShortCutText, NamesModifiersThenTheKey)
{
    EXPECT_EQ("Ctrl+S", ShortCutToText(ShortCut('S', {ssCtrl})));
    EXPECT_EQ("Shift+Ctrl+Alt+F12", ShortCutToText(ShortCut(VK_F12, {ssAlt, ssCtrl, ssShift})));
    EXPECT_EQ("Del", ShortCutToText(ShortCut(VK_DELETE, {})));
    EXPECT_EQ("Alt+Enter", ShortCutToText(ShortCut(VK_RETURN, {ssAlt})));
    EXPECT_EQ("", ShortCutToText(scNone));
}
