// The select-folder dialog as a component: Execute shows a new skinned dialog
// window with the folder tree opened at Directory, and after Ok takes the
// chosen folder into Directory. The dialog's size is kept from one run to the
// next, after Ok and after Cancel.
#pragma once

#include <cstdint>
#include <string>

#include "gui/controls/events.h"
#include "gui/core/component.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/data/skin_data.h"

namespace sk {

class TskSelDirDlgForm;
class TskSkinMessage;

class TskSkinSelectDirectoryDialog : public gui::TComponent {
public:
    explicit TskSkinSelectDirectoryDialog(gui::TComponent* owner);

    // Not owned; forgotten when freed. SkinData is the skin of the dialog's
    // frame, CtrlSkinData the skin of its controls and menus.
    TskSkinMessage* SkinMessage() const { return skinMessage_; }
    void SetSkinMessage(TskSkinMessage* value);
    TskSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TskSkinData* value);
    TskSkinData* CtrlSkinData() const { return ctrlSkinData_; }
    void SetCtrlSkinData(TskSkinData* value);

    // Given to the dialog's skinning engine.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value) { alphaBlend_ = value; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool value) { alphaBlendAnimation_ = value; }
    // The font of the tree and the buttons ("Arial", height 14).
    gui::TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const gui::TFont& value) { defaultFont_.Assign(value); }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }
    // The folder the dialog opens at, and the one chosen with Ok: "X:\" for a
    // drive, "X:\name" for a folder, empty for none.
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& value) { directory_ = value; }

    // True when the user chose Ok.
    bool Execute();

    // The dialog's window while Execute shows it, else none.
    TskSelDirDlgForm* DialogForm() const { return form_; }

    // After Ok has set Directory.
    gui::TNotifyEvent OnChange;

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    TskSkinMessage* skinMessage_ = nullptr;
    TskSkinData* skinData_ = nullptr;
    TskSkinData* ctrlSkinData_ = nullptr;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 200;
    bool alphaBlendAnimation_ = false;
    gui::TFont defaultFont_;
    std::string title_ = "Select folder";
    std::string directory_;
    int lastClientWidth_ = 0;
    int lastClientHeight_ = 0;
    TskSelDirDlgForm* form_ = nullptr;
};

}  // namespace sk
