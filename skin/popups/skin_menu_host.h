// What a skinned popup menu needs of the form skinning engine of its form: the
// skin for menus, the engine's menu mode, and its menu engine.
#pragma once

namespace sk {

class TskSkinData;
class TskSkinMenu;

class TskSkinMenuHost {
public:
    // The skin of the menus, or none to use the form's skin.
    virtual TskSkinData* MenusSkinData() const = 0;
    virtual TskSkinData* SkinData() const = 0;
    // A skinned menu is about to open on the form.
    virtual void SkinMenuOpen() = 0;
    virtual TskSkinMenu& SkinMenu() = 0;

protected:
    ~TskSkinMenuHost() = default;
};

}  // namespace sk
