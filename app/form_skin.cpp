#include "app/form_skin.h"

#include "gui/form.h"

namespace brenvale {

void AttachFormSkin(gui::TForm& form, sk::TskSkinData* skin, const FormSkinOptions& options)
{
    // Until the form skinning engine is part of the build, forms keep the
    // system's frame.
    (void)form;
    (void)skin;
    (void)options;
}

}  // namespace brenvale
