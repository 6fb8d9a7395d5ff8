// Every window of the program wears the main window's skin through a form
// skinning engine of its own, put on the form here; the forms only say how their
// frame behaves.
#pragma once

namespace gui {
class TForm;
}

namespace sk {
class TskFormSkinEngine;
class TskSkinData;
}  // namespace sk

namespace brenvale {

struct FormSkinOptions {
    bool sizeable = true;
    bool rollUp = true;         // the frame offers roll-up besides minimize and maximize
    int menuItemHeight = 0;     // of the skinned menus; 0 keeps the engine's
};

// The engine made for the form, owned by it.
sk::TskFormSkinEngine* AttachFormSkin(gui::TForm& form, sk::TskSkinData* skin, const FormSkinOptions& options);

}  // namespace brenvale
