// The system menu of a skinned form: the window commands that apply to the form's
// state (minimize, maximize, restore, roll-up, minimize to tray) and close. A
// system menu of the program's own gets the same commands around its items
// unless UseDefaultSysMenu is off.
#include <functional>

#include "gui/menu.h"
#include "gui/shortcut.h"
#include "skin/form_skin_engine.h"

namespace sk {

namespace {

bool IsWindowCommand(const std::string& name)
{
    return name == "DSF_MINITEM" || name == "DSF_MAXITEM" || name == "DSF_CLOSE" || name == "DSF_MINTOTRAY" ||
           name == "DSF_ROLLUP" || name == "DSF_RESTORE";
}

}  // namespace

gui::TMenuItem* TskFormSkinEngine::GetSystemMenuItems()
{
    auto make = [this](const char* name, const char* caption, std::function<void()> action) {
        auto* item = new gui::TMenuItem(this);
        item->SetName(name);
        item->SetCaption(caption);
        if (action)
            item->OnClick = [action](gui::TComponent*) { action(); };
        return item;
    };
    // A form minimized by the system (the main form minimizes the program)
    // comes back first, in the state it had.
    auto minimize = [&] { return make("DSF_MINITEM", "Mi&nimize", [this] { SetFormState(wsMinimized); }); };
    auto maximize = [&] {
        return make("DSF_MAXITEM", "Ma&ximize", [this] {
            if (Iconic())
                RestoreIconic();
            SetFormState(wsMaximized);
        });
    };
    auto restore = [&] {
        return make("DSF_RESTORE", "&Restore", [this] {
            if (Iconic())
                RestoreIconic();
            else if (rolledUp_ && (rolledUpMaximized_ || windowState_ == wsNormal))
                RollUpForm(false);
            else
                SetFormState(wsNormal);
        });
    };
    auto rollUp = [&] { return make("DSF_ROLLUP", "Ro&llUp", [this] { RollUpForm(true); }); };
    auto toTray = [&] { return make("DSF_MINTOTRAY", "Minimize to &Tray", [this] { MinimizeToTray(); }); };
    auto close = [&] {
        gui::TMenuItem* item = make("DSF_CLOSE", "&Close", [this] { CloseForm(); });
        item->SetShortCut(gui::ShortCut(VK_F4, {IsMDIChild() ? gui::ssCtrl : gui::ssAlt}));
        return item;
    };
    const bool iconic = Iconic();
    const bool showMinimize = windowState_ != wsMinimized && !iconic && borderIcons_.Contains(biMinimize);
    const bool showMaximize = (windowState_ != wsMaximized || iconic) && borderIcons_.Contains(biMaximize);
    const bool showRestore = windowState_ != wsNormal || rolledUp_ || iconic;
    const bool showRollUp = !IsMaximizedMDIChild() && !rolledUp_ && windowState_ != wsMinimized && !iconic &&
                            borderIcons_.Contains(biRollUp);
    const bool showToTray = borderIcons_.Contains(biMinimizeToTray);

    if (systemMenu_) {
        gui::TMenuItem& items = systemMenu_->Items();
        if (!useDefaultSysMenu_)
            return &items;
        for (int i = items.Count() - 1; i >= 0; --i) {
            gui::TMenuItem* item = items.Items(i);
            if (!IsWindowCommand(item->Name()))
                continue;
            items.Remove(item);
            if (item->Owner() == this)
                delete item;
        }
        // Each goes to the top: they read minimize, restore, maximize, roll-up,
        // minimize to tray above the program's own items.
        if (showToTray)
            items.Insert(0, toTray());
        if (showRollUp)
            items.Insert(0, rollUp());
        if (showMaximize)
            items.Insert(0, maximize());
        if (showRestore)
            items.Insert(0, restore());
        if (showMinimize)
            items.Insert(0, minimize());
        items.Add(close());
        return &items;
    }

    gui::TMenuItem& items = defaultSysMenu_->Items();
    items.Clear();
    if (showMinimize)
        items.Add(minimize());
    if (showMaximize)
        items.Add(maximize());
    if (showRestore)
        items.Add(restore());
    if (showRollUp)
        items.Add(rollUp());
    if (showToTray)
        items.Add(toTray());
    if (items.Count() > 0)
        items.Add(make("", "-", nullptr));
    items.Add(close());
    return &items;
}

}  // namespace sk
