// The window list of a multiple-document program: under the main form's
// WindowMenu, below a line, an item per shown child, named after the child and
// captioned with its caption; the active child's item is checked, and choosing
// an item brings its child to the front.
#include <string>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu_item.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/form_skin_engine_finders.h"
#include "skin/forms/mdi_support.h"

namespace sk {

namespace {

constexpr char kChildItemSuffix[] = "_DSFCHILDITEM";
constexpr char kDividerName[] = "DIVIDER_DSFCHILDITEM";

bool IsChildItem(const gui::TMenuItem& item)
{
    const std::string& name = item.Name();
    return name.find(kChildItemSuffix) != std::string::npos && name.find("DIVIDER") == std::string::npos;
}

gui::TMenuItem* FindDivider(gui::TMenuItem& menu)
{
    for (int i = 0; i < menu.Count(); ++i)
        if (menu.Items(i)->Name() == kDividerName)
            return menu.Items(i);
    return nullptr;
}

// Every child whose name the item carries comes to the front, restored when it
// was minimized.
void ShowChildOfItem(gui::TComponent* sender)
{
    auto* item = dynamic_cast<gui::TMenuItem*>(sender);
    gui::TForm* main = gui::Application().MainForm();
    if (!item || !main)
        return;
    const std::string name = item->Name().substr(0, item->Name().rfind(kChildItemSuffix));
    for (int i = 0; i < main->MDIChildCount(); ++i) {
        gui::TForm* child = main->MDIChildren(i);
        if (child->Name() != name)
            continue;
        if (TskFormSkinEngine* engine = GetFormSkinEngine(child); engine && engine->WindowState() == wsMinimized)
            engine->SetFormState(wsNormal);
        child->Show();
    }
}

}  // namespace

void TskMDISupport::AddWindowListItem()
{
    TskFormSkinEngine* main = MainFormEngine();
    gui::TMenuItem* menu = main ? main->Form()->WindowMenu() : nullptr;
    if (!IsChild() || !menu || windowListItem_)
        return;
    if (!FindDivider(*menu)) {
        auto* divider = new gui::TMenuItem(main);
        divider->SetName(kDividerName);
        divider->SetCaption("-");
        menu->Add(divider);
    }
    gui::TForm& form = parts_.Form();
    auto* item = new gui::TMenuItem(main);
    item->SetName(form.Name() + kChildItemSuffix);
    item->SetCaption(form.Caption());
    item->OnClick = ShowChildOfItem;
    menu->Add(item);
    windowListItem_ = item;
    item->FreeNotification(&parts_.Engine());
}

void TskMDISupport::RemoveWindowListItem()
{
    gui::TMenuItem* item = windowListItem_;
    if (!item)
        return;
    windowListItem_ = nullptr;
    item->RemoveFreeNotification(&parts_.Engine());
    gui::TMenuItem* menu = item->Parent();
    delete item;
    if (!menu)
        return;
    for (int i = 0; i < menu->Count(); ++i)
        if (IsChildItem(*menu->Items(i)))
            return;
    // The last child went: so does the line above the list.
    delete FindDivider(*menu);
}

void TskMDISupport::RenameWindowListItem()
{
    if (windowListItem_)
        windowListItem_->SetCaption(parts_.Form().Caption());
}

void TskMDISupport::CheckWindowListItems(bool active)
{
    gui::TForm* main = gui::Application().MainForm();
    gui::TMenuItem* menu = main && MainFormEngine() ? main->WindowMenu() : nullptr;
    if (!menu)
        return;
    // While this child loses the activation, the one taking it over may not be
    // known yet: it sets its own mark when its turn comes.
    gui::TForm* activeChild = active ? &parts_.Form() : main->ActiveMDIChild();
    if (!active && activeChild == &parts_.Form())
        activeChild = nullptr;
    TskFormSkinEngine* activeEngine = GetFormSkinEngine(activeChild);
    const gui::TMenuItem* activeItem = activeEngine ? TskEngineParts::Of(*activeEngine).MDI().windowListItem_ : nullptr;
    for (int i = 0; i < menu->Count(); ++i) {
        gui::TMenuItem* item = menu->Items(i);
        if (IsChildItem(*item))
            item->SetChecked(item == activeItem);
    }
}

void TskMDISupport::ComponentRemoved(gui::TComponent* component)
{
    if (component == windowListItem_)
        windowListItem_ = nullptr;
}

}  // namespace sk
