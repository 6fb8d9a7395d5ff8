// A one-line edit whose frame is the skin. The frame is the window's non-client
// area, drawn from the skin element (by default "edit", or "buttonedit" for one
// with a browse button at its right end) stretched to the edit's width, or as a
// plain frame without a skin; the system's edit paints its text over it. The
// text takes the element's font colours: one while the mouse is over the edit or
// it has the focus, one otherwise, one while disabled. With a skin the edit
// keeps the element's height.
//
// The element is read anew before every use, so the edit never holds on to a
// skin that is changing; ApplySkin after a skin change takes the new element's
// font and height.
#pragma once

#include <cstdint>
#include <string>

#include "gui/controls/events.h"
#include "gui/core/alignment.h"
#include "gui/graphics/bitmap.h"
#include "skin/data/skin_client.h"
#include "skin/data/skin_data.h"
#include "skin/model/control_records.h"
#include "skinctrls/controls/sk_custom_edit.h"

namespace sk {

class TskSkinCustomEdit : public TskCustomEdit, public TskSkinClient {
public:
    explicit TskSkinCustomEdit(gui::TComponent* owner);

    TskSkinData* SkinData() const override { return skinData_; }
    // Reads the new skin at once when it is loaded.
    virtual void SetSkinData(TskSkinData* value);
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& value) { skinDataName_ = value; }

    // The font without a skin, or when UseSkinFont is off.
    gui::TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const gui::TFont& value) { defaultFont_.Assign(value); }
    // Whether the element's font name, height and style are used.
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool value) { useSkinFont_ = value; }
    // Sizes taken without a skin, where above 0.
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int value);

    // The browse button at the right end of the frame. It is a stop of its own
    // for the keys: Tab in the text goes on to it and Shift+Tab back; while it
    // has the keys it shows its active look, the text takes no keys and Enter or
    // Space clicks it. Shift+Tab from the next control comes to it first.
    bool ButtonMode() const { return buttonMode_; }
    void SetButtonMode(bool value);
    // The edit has the focus and its button the keys.
    bool ButtonFocused() const;
    // Blends the frame over what lies behind the edit: AlphaBlendValue from 0
    // (only what lies behind) to 255 (only the frame).
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value);
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value);
    gui::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(gui::TAlignment value);

    // Takes the element's font and height, or the defaults without a skin.
    void ApplySkin() override;

    void SetBounds(int left, int top, int width, int height) override;
    // The edit is always painted with its frame.
    void Invalidate() override;

    // The button released over the button.
    gui::TNotifyEvent OnButtonClick;
    gui::TNotifyEvent OnMouseEnter;
    gui::TNotifyEvent OnMouseLeave;

    // Window coordinates of the button and of the area the text lies in.
    gui::TRect ButtonRect();
    gui::TRect TextAreaRect();
    // Whether a skin element draws the edit (otherwise the plain frame does).
    bool Skinned();
    bool ButtonHot() const { return buttonHot_; }
    bool ButtonPressed() const { return buttonDown_; }

protected:
    void CreateParams(gui::TCreateParams& params) override;
    void WndProc(gui::TMessage& message) override;
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

    // Finds the element and copies its fields; none is found without a skin
    // or for an element that cannot draw an edit.
    virtual void ReadSkinEntry();
    // Runs when the button is released over it: fires OnButtonClick.
    virtual void ButtonClick();
    // The image of the whole window, frame and button, before any blending.
    virtual void DrawDefaultFrame(gui::TBitmap& bitmap);
    virtual void DrawSkinFrame(gui::TBitmap& bitmap);

private:
    int SkinWidth() const;
    int SkinHeight() const;
    bool Hovered() const { return mouseOver_ || Focused(); }
    void SetButtonHot(bool value);
    void SetFontColor(gui::TColor color) { Font().SetColor(color); }
    void EnabledFontColor();

    // Handlers of the frame and the mouse (skin_custom_edit_frame.cpp).
    void WMNCCalcSize(gui::TMessage& message);
    void WMNCHitTest(gui::TMessage& message);
    void WMNCMouseMove(gui::TMessage& message);
    void WMNCMouseLeave(gui::TMessage& message);
    void WMNCLButtonDown(gui::TMessage& message);
    void WMNCLButtonUp(gui::TMessage& message);
    void WMNCPaint(gui::TMessage& message);
    void PaintFrame();
    // The button's share of the keys (skin_custom_edit_keys.cpp).
    bool ButtonWantsKey(WPARAM key) const;
    void SetButtonKeys(bool value);
    void ClickButtonFromKeys();
    void CMWantSpecialKey(gui::TMessage& message);
    void WMKeyDown(gui::TMessage& message);
    void WMChar(gui::TMessage& message);
    void WMLButtonDown(gui::TMessage& message);
    void ButtonKeysOnSetFocus();
    void ButtonKeysOnKillFocus();
    // Handlers of the font colours (skin_custom_edit.cpp).
    void CMMouseEnter(gui::TMessage& message);
    void CMMouseLeave(gui::TMessage& message);
    void WMSetFocus(gui::TMessage& message);
    void WMKillFocus(gui::TMessage& message);
    void CMEnabledChanged(gui::TMessage& message);
    void WMSetFont(gui::TMessage& message);
    void WMMouseMove(gui::TMessage& message);

    TskSkinData* skinData_ = nullptr;
    std::string skinDataName_ = "edit";
    gui::TFont defaultFont_;
    bool useSkinFont_ = true;
    int defaultWidth_ = 0;
    int defaultHeight_ = 20;
    bool buttonMode_ = false;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 0;
    gui::TAlignment alignment_ = gui::taLeftJustify;
    bool mouseOver_ = false;
    bool buttonHot_ = false;
    bool buttonDown_ = false;
    bool trackingNCLeave_ = false;
    // The button has the keys (shown only while the edit has the focus), a click
    // from the keys is running (the focus that leaves for its dialog comes back
    // to the button), and the caret is hidden by the button's keys.
    bool buttonKeys_ = false;
    bool clickingFromKeys_ = false;
    bool caretHidden_ = false;
    int32_t skinIndex_ = -1;
    // The element's fields.
    gui::TBitmap* picture_ = nullptr;  // the skin's
    gui::TRect skinRect_, activeSkinRect_, clRect_;
    int leftWidth_ = 0, rightWidth_ = 0;
    TskFontGroup skinFont_;
    gui::TColor disabledFontColor_ = 0, activeFontColor_ = 0;
    gui::TRect skinButtonRect_, activeButtonRect_, downButtonRect_, unEnabledButtonRect_;
};

}  // namespace sk
