// Actions: their clients follow them and run them, lists keep them, and an
// action that goes lets go of its clients.
#include <gtest/gtest.h>

#include "gui/controls/action.h"
#include "gui/controls/form.h"
#include "gui/controls/menu_item.h"
#include "gui/core/exceptions.h"

using namespace gui;

TEST(ActionTest, AMenuItemFollowsItsActionAndRunsIt)
{
    TForm owner(nullptr);
    auto* action = new TAction(&owner);
    action->SetCaption("&Rip");
    action->SetHint("Rip the CD");
    int executed = 0;
    action->OnExecute = [&](TComponent* sender) { executed += sender == action; };

    auto* item = new TMenuItem(&owner);
    item->SetAction(action);
    EXPECT_EQ(item->Caption(), "&Rip");
    EXPECT_EQ(item->Hint(), "Rip the CD");
    action->SetEnabled(false);
    action->SetChecked(true);
    EXPECT_FALSE(item->Enabled());
    EXPECT_TRUE(item->Checked());
    item->Click();
    EXPECT_EQ(executed, 1);

    // An item's own handler runs in place of the action.
    int own = 0;
    item->OnClick = [&](TComponent*) { ++own; };
    item->Click();
    EXPECT_EQ(own, 1);
    EXPECT_EQ(executed, 1);

    delete action;
    EXPECT_EQ(item->Action(), nullptr);
    item->OnClick = nullptr;
    item->Click();  // nothing left to run
}

TEST(ActionTest, ListsKeepTheirActionsAndOutliveThem)
{
    TForm owner(nullptr);
    auto* list = new TActionList(&owner);
    auto* first = new TAction(&owner);
    auto* second = new TAction(&owner);
    first->SetActionList(list);
    second->SetActionList(list);
    ASSERT_EQ(list->ActionCount(), 2);
    EXPECT_EQ(list->Actions(1), second);
    EXPECT_THROW(list->Actions(2), EListError);
    delete first;
    ASSERT_EQ(list->ActionCount(), 1);
    EXPECT_EQ(list->Actions(0), second);
    delete list;
    EXPECT_EQ(second->ActionList(), nullptr);
    EXPECT_FALSE(second->Execute());  // no handler
}

TEST(ActionTest, AClientDestroyedWhileTheClientsAreNotifiedIsSkipped)
{
    TForm owner(nullptr);
    auto* action = new TAction(&owner);
    auto* second = new TMenuItem(&owner);
    TActionLink dropper([&](TCustomAction& a) {
        if (a.Caption() == "go")
            delete second;
    });
    dropper.SetAction(action);
    auto* first = new TMenuItem(&owner);
    first->SetAction(action);
    second->SetAction(action);
    action->SetCaption("go");
    EXPECT_EQ(first->Caption(), "go");
}
