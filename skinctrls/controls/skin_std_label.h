// A transparent label that takes its font from the skin element "stdlabel": only
// the font's name, height, style and colour come from the skin, never a picture.
#pragma once

#include <string>

#include "gui/controls/custom_label.h"
#include "skin/data/skin_client.h"
#include "skin/data/skin_data.h"

namespace sk {

class TskSkinStdLabel : public gui::TCustomLabel, public TskSkinClient {
public:
    explicit TskSkinStdLabel(gui::TComponent* owner);

    TskSkinData* SkinData() const override { return skinData_; }
    void SetSkinData(TskSkinData* value);
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& value) { skinDataName_ = value; }
    // The font without a skin, while UseSkinFont is on.
    gui::TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const gui::TFont& value) { defaultFont_.Assign(value); }
    // With a skin: the element's font, or Font in the element's colour.
    // Without: DefaultFont, or Font.
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool value) { useSkinFont_ = value; }

    // The element read anew after the skin changed.
    void ApplySkin() override;

protected:
    void DoDrawText(gui::TRect& rect, UINT flags) override;
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    void ReadSkinEntry();

    TskSkinData* skinData_ = nullptr;
    std::string skinDataName_ = "stdlabel";
    gui::TFont defaultFont_;
    bool useSkinFont_ = true;
    int skinIndex_ = -1;
    TskFontGroup font_;  // of the element
};

}  // namespace sk
