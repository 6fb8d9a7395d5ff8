// How the skinned menu bar and the engines find the form skinning engine of a
// form, and that of the main form's maximized or active MDI child.
#pragma once

#include "gui/application.h"
#include "gui/component.h"
#include "gui/form.h"
#include "skin/form_skin_engine.h"

namespace sk {

// The first component the given one owns that is a form skinning engine, or none.
inline TskFormSkinEngine* GetFormSkinEngine(gui::TComponent* component)
{
    if (!component)
        return nullptr;
    for (int i = 0; i < component->ComponentCount(); ++i)
        if (auto* engine = dynamic_cast<TskFormSkinEngine*>(component->Components(i)))
            return engine;
    return nullptr;
}

// The engine of the first MDI child of the application's main form, in the
// system's order, that is maximized; none when there is none.
inline TskFormSkinEngine* GetMaximizedMDIChildSkinForm()
{
    gui::TForm* main = gui::Application().MainForm();
    if (!main)
        return nullptr;
    for (int i = 0; i < main->MDIChildCount(); ++i)
        if (TskFormSkinEngine* engine = GetFormSkinEngine(main->MDIChildren(i));
            engine && engine->WindowState() == wsMaximized)
            return engine;
    return nullptr;
}

// The engine of the main form's active MDI child; none without a main form, an
// active child, or an engine on it.
inline TskFormSkinEngine* GetActiveMDIChildSkinForm()
{
    gui::TForm* main = gui::Application().MainForm();
    return main ? GetFormSkinEngine(main->ActiveMDIChild()) : nullptr;
}

}  // namespace sk
