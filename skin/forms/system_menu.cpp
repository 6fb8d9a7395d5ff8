#include "skin/forms/system_menu.h"

#include <functional>
#include <string>

#include "gui/controls/menu.h"
#include "gui/controls/shortcut.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/popups/skin_menu.h"

namespace sk {

namespace {

bool IsWindowCommand(const std::string& name)
{
    return name == "DSF_MINITEM" || name == "DSF_MAXITEM" || name == "DSF_CLOSE" || name == "DSF_MINTOTRAY" ||
           name == "DSF_ROLLUP" || name == "DSF_RESTORE";
}

}  // namespace

TskSystemMenuCommands SystemMenuCommands(const TskSystemMenuState& state)
{
    TskSystemMenuCommands commands;
    commands.Minimize = state.WindowState != wsMinimized && !state.Iconic && state.Minimize;
    commands.Maximize = (state.WindowState != wsMaximized || state.Iconic) && state.Maximize;
    commands.Restore = state.WindowState != wsNormal || state.RolledUp || state.Iconic;
    commands.RollUp = !state.MaximizedMDIChild && !state.RolledUp && state.WindowState != wsMinimized &&
                      !state.Iconic && state.RollUp;
    commands.ToTray = state.ToTray;
    return commands;
}

TskSystemMenu::TskSystemMenu(TskEngineParts& parts) : parts_(parts), defaultMenu_(new gui::TPopupMenu(&parts.Engine()))
{
}

void TskSystemMenu::SetProgramMenu(gui::TPopupMenu* menu)
{
    TskFormSkinEngine* engine = &parts_.Engine();
    if (programMenu_ && programMenu_ != menu)
        programMenu_->RemoveFreeNotification(engine);
    programMenu_ = menu;
    if (programMenu_)
        programMenu_->FreeNotification(engine);
}

void TskSystemMenu::ComponentRemoved(gui::TComponent* component)
{
    if (component == programMenu_)
        programMenu_ = nullptr;
}

gui::TMenuItem* TskSystemMenu::Items()
{
    TskFormSkinEngine* engine = &parts_.Engine();
    auto make = [engine](const char* name, const char* caption, std::function<void()> action) {
        auto* item = new gui::TMenuItem(engine);
        item->SetName(name);
        item->SetCaption(caption);
        if (action)
            item->OnClick = [action](gui::TComponent*) { action(); };
        return item;
    };
    TskEngineParts& parts = parts_;
    // A form minimized by the system (the main form minimizes the program)
    // comes back first, in the state it had.
    auto minimize = [&] { return make("DSF_MINITEM", "Mi&nimize", [&parts] { parts.States().Set(wsMinimized); }); };
    auto maximize = [&] {
        return make("DSF_MAXITEM", "Ma&ximize", [&parts] {
            if (parts.Iconic().Iconic())
                parts.Iconic().Restore();
            parts.States().Set(wsMaximized);
        });
    };
    auto restore = [&] {
        return make("DSF_RESTORE", "&Restore", [&parts] {
            TskRollUp& rollUp = parts.RollUp();
            if (parts.Iconic().Iconic())
                parts.Iconic().Restore();
            else if (rollUp.RolledUp() && (rollUp.RolledUpMaximized() || parts.States().State() == wsNormal))
                rollUp.Roll(false);
            else
                parts.States().Set(wsNormal);
        });
    };
    auto rollUp = [&] { return make("DSF_ROLLUP", "Ro&llUp", [&parts] { parts.RollUp().Roll(true); }); };
    auto toTray = [&] {
        return make("DSF_MINTOTRAY", "Minimize to &Tray", [&parts] { parts.Tray().MinimizeToTray(); });
    };
    const bool child = parts.MDI().IsChild();
    auto close = [&] {
        gui::TMenuItem* item = make("DSF_CLOSE", "&Close", [engine] { engine->CloseForm(); });
        item->SetShortCut(gui::ShortCut(VK_F4, {child ? gui::ssCtrl : gui::ssAlt}));
        return item;
    };
    const TskBorderIcons icons = engine->BorderIcons();
    TskSystemMenuState state;
    state.WindowState = parts.States().State();
    state.Iconic = parts.Iconic().Iconic();
    state.RolledUp = parts.RollUp().RolledUp();
    state.MaximizedMDIChild = parts.MDI().IsMaximizedChild();
    state.Minimize = icons.Contains(biMinimize);
    state.Maximize = icons.Contains(biMaximize);
    state.RollUp = icons.Contains(biRollUp);
    state.ToTray = icons.Contains(biMinimizeToTray);
    const TskSystemMenuCommands shown = SystemMenuCommands(state);

    if (programMenu_) {
        gui::TMenuItem& items = programMenu_->Items();
        if (!useDefault_)
            return &items;
        for (int i = items.Count() - 1; i >= 0; --i) {
            gui::TMenuItem* item = items.Items(i);
            if (!IsWindowCommand(item->Name()))
                continue;
            items.Remove(item);
            if (item->Owner() == engine)
                delete item;
        }
        // Each goes to the top: they read minimize, restore, maximize, roll-up,
        // minimize to tray above the program's own items.
        if (shown.ToTray)
            items.Insert(0, toTray());
        if (shown.RollUp)
            items.Insert(0, rollUp());
        if (shown.Maximize)
            items.Insert(0, maximize());
        if (shown.Restore)
            items.Insert(0, restore());
        if (shown.Minimize)
            items.Insert(0, minimize());
        items.Add(close());
        return &items;
    }

    gui::TMenuItem& items = defaultMenu_->Items();
    items.Clear();
    if (shown.Minimize)
        items.Add(minimize());
    if (shown.Maximize)
        items.Add(maximize());
    if (shown.Restore)
        items.Add(restore());
    if (shown.RollUp)
        items.Add(rollUp());
    if (shown.ToTray)
        items.Add(toTray());
    if (items.Count() > 0)
        items.Add(make("", "-", nullptr));
    items.Add(close());
    return &items;
}

void TskSystemMenu::Open(gui::TPoint screen)
{
    gui::TMenuItem* items = Items();
    TskFormSkinEngine& engine = parts_.Engine();
    parts_.Menus().SkinMenuOpen();
    parts_.Menus().SkinMenu().Popup(nullptr, engine.MenusSkinData() ? engine.MenusSkinData() : engine.SkinData(), 0,
                                     gui::Rect(screen.X, screen.Y, screen.X, screen.Y), items, false);
}

}  // namespace sk
