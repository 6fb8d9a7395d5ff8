#include "skin/forms/menu_mode.h"

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_menu_bar.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/form_skin_engine_finders.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/popups/skin_hint.h"
#include "skin/popups/skin_menu.h"

namespace sk {

// The engine's place among the application's message handlers: what it
// replaced, and whether it still takes the messages.
struct TskMenuMode::AppMessageLink {
    TskMenuMode* menus;
    std::function<void(MSG&, bool&)> replaced;
};

// The handler a menu mode installs. Engines in menu mode at the same time (two
// forms, a form and its dialog) stack their handlers, each holding the one it
// replaced; an engine that lets go while another is above it is taken out of the
// stack, so that each gets back exactly what it replaced, in whatever order the
// modes end. A link that cannot be taken out (the program put a handler of its
// own above it) passes every message on to what it replaced.
struct TskMenuMode::AppMessageHook {
    std::shared_ptr<AppMessageLink> link;

    void operator()(MSG& msg, bool& handled) const
    {
        if (link->menus)
            link->menus->AppMessage(msg, handled);
        else if (link->replaced)
            link->replaced(msg, handled);
    }
};

TskMenuMode::TskMenuMode(TskEngineParts& parts)
    : parts_(parts), skinMenu_(new TskSkinMenu(&parts.Engine(), &parts.Form()))
{
}

TskMenuMode::~TskMenuMode() = default;

void TskMenuMode::SetBar(TskFormMenuBar* bar)
{
    TskFormSkinEngine* engine = &parts_.Engine();
    auto* component = dynamic_cast<gui::TComponent*>(bar);
    if (barComponent_ && barComponent_ != component)
        barComponent_->RemoveFreeNotification(engine);
    bar_ = bar;
    barComponent_ = component;
    if (barComponent_)
        barComponent_->FreeNotification(engine);
}

void TskMenuMode::ComponentRemoved(gui::TComponent* component)
{
    if (component != barComponent_)
        return;
    bar_ = nullptr;
    barComponent_ = nullptr;
}

void TskMenuMode::TakeFormShortCuts()
{
    gui::TForm& form = parts_.Form();
    savedShortCut_ = std::move(form.OnShortCut);
    form.OnShortCut = [this](gui::TMessage& message, bool& handled) { FormShortCut(message, handled); };
}

void TskMenuMode::GiveBackFormShortCuts() { parts_.Form().OnShortCut = std::move(savedShortCut_); }

// ---- Opening and closing ----

void TskMenuMode::SkinMenuOpen()
{
    if (!mainMenuMode_)
        HookAppMessages();
    if (menuOpen_)
        return;
    menuOpen_ = true;
    TskFormSkinEngine& engine = parts_.Engine();
    if (engine.OnSkinMenuOpen)
        engine.OnSkinMenuOpen(&engine);
}

void TskMenuMode::EnterMainMenuMode()
{
    if (mainMenuMode_)
        return;
    mainMenuMode_ = true;
    HookAppMessages();
    TskFormSkinEngine& engine = parts_.Engine();
    if (engine.OnMainMenuEnter)
        engine.OnMainMenuEnter(&engine);
}

void TskMenuMode::SkinMenuClose()
{
    menuOpen_ = false;
    if (bar_) {
        bar_->SubMenuClosed();
    } else {
        for (const auto& object : parts_.Objects().All()) {
            auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get());
            if (!item || !item->Down())
                continue;
            item->SetDown(false);
            item->MouseEnter();
            break;
        }
    }
    TskFormSkinEngine& engine = parts_.Engine();
    if (engine.OnSkinMenuClose)
        engine.OnSkinMenuClose(&engine);
}

void TskMenuMode::SkinMenusClosed()
{
    menuOpen_ = false;
    TskFormSkinEngine& engine = parts_.Engine();
    const auto& objects = parts_.Objects().All();
    bool released = false;
    for (const auto& object : objects) {
        auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get());
        if (!item || !item->Down())
            continue;
        item->SetMouseIn(false);
        item->SetDown(false);
        released = true;
        break;
    }
    if (!released) {
        for (const auto& object : objects) {
            auto* button = dynamic_cast<TskSkinButtonObject*>(object.get());
            if (!button || !button->Down() || !button->PopupItem())
                continue;
            button->SetDown(false);
            engine.RedrawObject(*button);
            break;
        }
    }
    UnhookAppMessages();
    if (engine.OnSkinMenuClose)
        engine.OnSkinMenuClose(&engine);
    if (mainMenuMode_) {
        mainMenuMode_ = false;
        if (bar_)
            bar_->LeaveMenuMode();
        if (engine.OnMainMenuExit)
            engine.OnMainMenuExit(&engine);
    }
}

void TskMenuMode::MainMenuExit()
{
    mainMenuMode_ = false;
    if (skinMenu_->LevelCount() > 0)
        skinMenu_->CloseLevels(0);
    if (bar_) {
        bar_->LeaveMenuMode();
    } else {
        for (const auto& object : parts_.Objects().All()) {
            auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get());
            if (item && (item->Active() || item->Down())) {
                if (item->Down())
                    item->SetDown(false);
                item->MouseLeave();
            }
        }
    }
    menuOpen_ = false;
    UnhookAppMessages();
    TskFormSkinEngine& engine = parts_.Engine();
    if (engine.OnMainMenuExit)
        engine.OnMainMenuExit(&engine);
}

void TskMenuMode::Dismiss()
{
    TskFormSkinEngine& engine = parts_.Engine();
    if (engine.ShowObjectHint() && engine.SkinHint())
        engine.SkinHint()->HideObjectHint();
    if (mainMenuMode_ && !menuOpen_) {
        MainMenuExit();
    } else if (skinMenu_->LevelCount() > 0) {
        skinMenu_->CloseMenus();
    } else if (menuOpen_) {
        SkinMenusClosed();
    } else if (parts_.MDI().IsParent() && parts_.Form().Visible()) {
        // A menu of the active child (its system menu, say) closes as well.
        TskFormSkinEngine* child = GetActiveMDIChildSkinForm();
        if (child && child != &engine)
            TskEngineParts::Of(*child).Menus().Dismiss();
    }
}

// ---- The application's messages ----

void TskMenuMode::HookAppMessages()
{
    if (appLink_)
        return;
    auto& handler = gui::Application().OnMessage;
    appLink_ = std::make_shared<AppMessageLink>(AppMessageLink{this, std::move(handler)});
    handler = AppMessageHook{appLink_};
}

void TskMenuMode::UnhookAppMessages()
{
    if (!appLink_)
        return;
    const std::shared_ptr<AppMessageLink> link = std::move(appLink_);
    link->menus = nullptr;
    auto& handler = gui::Application().OnMessage;
    auto* hook = handler.target<AppMessageHook>();
    if (hook && hook->link == link) {
        handler = link->replaced;
        return;
    }
    // Installed before another engine's: the one above it takes what it replaced.
    for (; hook; hook = hook->link->replaced.target<AppMessageHook>()) {
        auto* below = hook->link->replaced.target<AppMessageHook>();
        if (below && below->link == link) {
            hook->link->replaced = link->replaced;
            return;
        }
    }
}

void TskMenuMode::AppMessage(MSG& msg, bool& handled)
{
    // The keys of a minimized active window come as system keys without Alt.
    const bool iconicKey =
        msg.message == WM_SYSKEYDOWN && !(msg.lParam & (LPARAM(KF_ALTDOWN) << 16)) && parts_.Iconic().Iconic();
    if (msg.message != WM_KEYDOWN && !iconicKey)
        return;
    const WORD key = WORD(msg.wParam);
    msg.message = 0;
    handled = true;
    MenuKey(key);
}

}  // namespace sk
