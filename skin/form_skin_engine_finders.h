// How the skinned menu bar and the engines find the form skinning engine of a
// form, and that of the main form's maximized or active MDI child.
#pragma once

#include "gui/component.h"
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

// The engines of the application main form's maximized and active MDI child.
// The library's forms have no MDI children, so there is none to find.
inline TskFormSkinEngine* GetMaximizedMDIChildSkinForm() { return nullptr; }
inline TskFormSkinEngine* GetActiveMDIChildSkinForm() { return nullptr; }

}  // namespace sk
