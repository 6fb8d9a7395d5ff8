// Every window of the program wears the main window's skin through a form
// skinning engine of its own. This is the one place where the engine is put on a
// form: the forms only say how their frame behaves.
#pragma once

namespace gui {
class TForm;
}

namespace sk {
class TskSkinData;
}

namespace brenvale {

struct FormSkinOptions {
    bool sizeable = true;
    bool rollUp = true;         // the frame offers roll-up besides minimize and maximize
    int menuItemHeight = 0;     // of the skinned menus; 0 keeps the engine's
};

void AttachFormSkin(gui::TForm& form, sk::TskSkinData* skin, const FormSkinOptions& options);

}  // namespace brenvale
