#include "skin/forms/form_engine_parts.h"

#include "gui/controls/form.h"
#include "skin/forms/form_skin_engine.h"

namespace sk {

TskEngineParts::TskEngineParts(TskFormSkinEngine& engine, gui::TForm& form)
    : engine_(engine),
      form_(form),
      objects_(*this),
      frame_(*this),
      mover_(*this),
      states_(*this),
      rollUp_(*this),
      iconic_(*this),
      systemState_(*this),
      systemMenu_(*this),
      tray_(*this),
      menus_(*this),
      mdi_(*this)
{
}

TskEngineParts& TskEngineParts::Of(TskFormSkinEngine& engine) { return *engine.parts_; }

void TskEngineParts::HookForm(gui::TWndMethod handler)
{
    formHook_ = std::make_unique<gui::TWndProcHook>(form_.WindowProc(), std::move(handler));
}

void TskEngineParts::CallFormProc(gui::TMessage& message)
{
    if (formHook_)
        formHook_->CallNext(message);
}

}  // namespace sk
