// A message box drawn with the skin: a form of its own with a form skinning
// engine for its frame, a skinned label for the text, the system icon of the
// message's kind, and one skinned button per button asked for. TskSkinMessage
// holds the skins, fonts and alpha settings; its MessageDlg builds the box, runs
// it modally and answers the button's modal result.
#pragma once

#include <cstdint>
#include <string>

#include "gui/controls/form.h"
#include "gui/controls/message_dlg.h"
#include "gui/controls/modal_result.h"
#include "gui/core/component.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/data/skin_data.h"

namespace sk {

class TskFormSkinEngine;
class TskSkinStdLabel;

class TskMessageForm : public gui::TForm {
public:
    // Owned by the application; centred on the screen, a dialog's frame drawn by
    // its own skinning engine without caption buttons and not sizeable.
    explicit TskMessageForm(gui::TComponent* owner);

    TskFormSkinEngine& SkinEngine() { return *engine_; }
    // The label that shows the text.
    TskSkinStdLabel* MessageLabel() const { return messageLabel_; }
    void SetMessageLabel(TskSkinStdLabel* value) { messageLabel_ = value; }

    // The Help button's click. The program has no help system to show, so the
    // box stays open.
    void HelpButtonClick(gui::TComponent* sender);

private:
    TskFormSkinEngine* engine_;
    TskSkinStdLabel* messageLabel_ = nullptr;
};

// Builds the box for one message, not yet shown. A missing or empty control skin,
// or a button element that is missing or is no button, gives buttons of the
// default height 25.
TskMessageForm* CreateSkinMessageDialog(const std::string& messageText, gui::TMsgDlgType dialogType,
                                        gui::TMsgDlgButtons buttons, TskSkinData* skinData,
                                        TskSkinData* controlSkinData, const std::string& buttonSkinDataName,
                                        const std::string& messageLabelSkinDataName, const gui::TFont& defaultFont,
                                        const gui::TFont& defaultButtonFont, bool useSkinFont, bool alphaBlend,
                                        bool alphaBlendAnimation, uint8_t alphaBlendValue);

class TskSkinMessage : public gui::TComponent {
public:
    explicit TskSkinMessage(gui::TComponent* owner);

    // The skin of the box's frame.
    TskSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TskSkinData* value);
    // The skin of the label and the buttons, and of the box's menus.
    TskSkinData* CtrlSkinData() const { return ctrlSkinData_; }
    void SetCtrlSkinData(TskSkinData* value);
    const std::string& ButtonSkinDataName() const { return buttonSkinDataName_; }
    void SetButtonSkinDataName(const std::string& value) { buttonSkinDataName_ = value; }
    const std::string& MessageLabelSkinDataName() const { return messageLabelSkinDataName_; }
    void SetMessageLabelSkinDataName(const std::string& value) { messageLabelSkinDataName_ = value; }
    // The fonts of the label and of the buttons ("Arial", height 14).
    gui::TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const gui::TFont& value) { defaultFont_.Assign(value); }
    gui::TFont& DefaultButtonFont() { return defaultButtonFont_; }
    void SetDefaultButtonFont(const gui::TFont& value) { defaultButtonFont_.Assign(value); }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool value) { useSkinFont_ = value; }
    // Given to the box's skinning engine.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value) { alphaBlend_ = value; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool value) { alphaBlendAnimation_ = value; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }

    // Builds the box, runs it modally, frees it (also when the run raises) and
    // answers the modal result. The help context is not used.
    gui::TModalResult MessageDlg(const std::string& messageText, gui::TMsgDlgType dialogType,
                                 gui::TMsgDlgButtons buttons, int helpContext);
    // Builds the box with this component's settings, not yet shown.
    TskMessageForm* CreateMessageForm(const std::string& messageText, gui::TMsgDlgType dialogType,
                                      gui::TMsgDlgButtons buttons);

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    TskSkinData* skinData_ = nullptr;
    TskSkinData* ctrlSkinData_ = nullptr;
    std::string buttonSkinDataName_ = "button";
    std::string messageLabelSkinDataName_ = "stdlabel";
    gui::TFont defaultFont_;
    gui::TFont defaultButtonFont_;
    bool useSkinFont_ = true;
    bool alphaBlend_ = false;
    bool alphaBlendAnimation_ = false;
    uint8_t alphaBlendValue_ = 200;
};

}  // namespace sk
