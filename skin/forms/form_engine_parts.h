// The parts a form skinning engine is made of, and how they find each other. The
// engine makes them all with itself and they go with it. Each part keeps its own
// state and reaches the others only through their public members, and the engine
// through its public surface (its settings and events); the engine's window
// procedure hands each message to the part that handles it.
#pragma once

#include <memory>

#include "gui/controls/message.h"
#include "gui/controls/wnd_proc_chain.h"
#include "skin/forms/form_frame.h"
#include "skin/forms/form_mover.h"
#include "skin/forms/frame_object_list.h"
#include "skin/forms/iconic_title.h"
#include "skin/forms/mdi_support.h"
#include "skin/forms/menu_mode.h"
#include "skin/forms/roll_up.h"
#include "skin/forms/system_menu.h"
#include "skin/forms/system_state.h"
#include "skin/forms/tray_link.h"
#include "skin/forms/window_states.h"

namespace gui {
class TForm;
}

namespace sk {

class TskFormSkinEngine;

class TskEngineParts {
public:
    TskEngineParts(TskFormSkinEngine& engine, gui::TForm& form);
    TskEngineParts(const TskEngineParts&) = delete;
    TskEngineParts& operator=(const TskEngineParts&) = delete;

    // The parts of another engine: the main form's, a child's.
    static TskEngineParts& Of(TskFormSkinEngine& engine);

    TskFormSkinEngine& Engine() const { return engine_; }
    gui::TForm& Form() const { return form_; }

    // The engine's handler goes in front of the form's window procedure, and
    // out again; the form's own procedure is what the handler passes messages on to.
    void HookForm(gui::TWndMethod handler);
    void UnhookForm() { formHook_.reset(); }
    void CallFormProc(gui::TMessage& message);

    TskFrameObjectList& Objects() { return objects_; }
    TskFormFrame& Frame() { return frame_; }
    TskFormMover& Mover() { return mover_; }
    TskWindowStates& States() { return states_; }
    TskRollUp& RollUp() { return rollUp_; }
    TskIconicTitle& Iconic() { return iconic_; }
    TskSystemState& SystemState() { return systemState_; }
    TskSystemMenu& SystemMenu() { return systemMenu_; }
    TskTrayLink& Tray() { return tray_; }
    TskMenuMode& Menus() { return menus_; }
    TskMDISupport& MDI() { return mdi_; }
    const TskFrameObjectList& Objects() const { return objects_; }
    const TskFormFrame& Frame() const { return frame_; }
    const TskWindowStates& States() const { return states_; }
    const TskRollUp& RollUp() const { return rollUp_; }
    const TskIconicTitle& Iconic() const { return iconic_; }
    const TskMenuMode& Menus() const { return menus_; }
    const TskMDISupport& MDI() const { return mdi_; }

private:
    TskFormSkinEngine& engine_;
    gui::TForm& form_;
    std::unique_ptr<gui::TWndProcHook> formHook_;
    // In the order the engine's own components are made: the timers, the
    // default system menu, the tray menu, the menu engine.
    TskFrameObjectList objects_;
    TskFormFrame frame_;
    TskFormMover mover_;
    TskWindowStates states_;
    TskRollUp rollUp_;
    TskIconicTitle iconic_;
    TskSystemState systemState_;
    TskSystemMenu systemMenu_;
    TskTrayLink tray_;
    TskMenuMode menus_;
    TskMDISupport mdi_;
};

}  // namespace sk
