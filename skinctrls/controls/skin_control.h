// The base of the skinned windowed controls. A control finds its element in the
// skin data by the exact name SkinDataName, paints its whole client area from one
// off-screen bitmap (drawn from the skin's pictures, or its default look when the
// skin has no such element), and can blend that picture over whatever lies behind
// it. It never erases its background, so it does not flicker.
//
// Before a skin changes the control hears ReleaseSkin, and ApplySkin afterwards
// (from its form's skinning engine, or from the skin data itself when no engine
// walks its form); a released control paints its default look until then. The
// element is looked up anew on every paint.
#pragma once

#include <cstdint>
#include <string>

#include "gui/controls/custom_control.h"
#include "gui/graphics/bitmap.h"
#include "skin/data/skin_client.h"
#include "skin/data/skin_data.h"

namespace sk {

class TskSkinControl : public gui::TCustomControl, public TskSkinClient {
public:
    explicit TskSkinControl(gui::TComponent* owner);

    TskSkinData* SkinData() const override { return skinData_; }
    // Reads the new skin at once when it is loaded; none leaves the look as it is
    // until the next paint, which shows the default look.
    virtual void SetSkinData(TskSkinData* value);
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& value) { skinDataName_ = value; }
    // The skin area the form skinning engine places the control on, if any.
    const std::string& AreaName() const override { return areaName_; }
    void SetAreaName(const std::string& value) { areaName_ = value; }
    // Whether the default look is drawn when the skin has no element for the
    // control; otherwise the control stays white.
    bool DrawDefault() const { return drawDefault_; }
    void SetDrawDefault(bool value) { drawDefault_ = value; }
    bool AlphaBlend() const { return alphaBlend_; }
    virtual void SetAlphaBlend(bool value);
    // From 0 (only what lies behind shows) to 255 (only the control).
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    virtual void SetAlphaBlendValue(uint8_t value);
    // Whether ApplySkin takes the mouse cursor from the element.
    bool UseSkinCursor() const { return useSkinCursor_; }
    void SetUseSkinCursor(bool value) { useSkinCursor_ = value; }

    // Skin changes: the element read anew and shown, or dropped.
    void ApplySkin() override;
    void ReleaseSkin() override { skinIndex_ = -1; }

    // After the library's own handling of the mouse coming and going.
    gui::TNotifyEvent OnMouseEnter;
    gui::TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;
    // SkinIndex from the skin data; each override calls it first and then copies
    // the fields of its own record class when the element is of that class.
    virtual void ReadSkinEntry();
    // Draw the control's look into bitmap, which comes as large as the control.
    virtual void DrawDefaultImage(gui::TBitmap& bitmap) { (void)bitmap; }
    virtual void DrawSkinImage(gui::TBitmap& bitmap) { (void)bitmap; }

    // With UseSkinCursor: the element's cursor, counted from the skin's first
    // cursor, or the default cursor when it has none.
    void ApplySkinCursor();
    void Notification(gui::TComponent* component, gui::TOperation operation) override;
    void WndProc(gui::TMessage& message) override;

    // Of the element in the skin's control list; -1 none.
    int32_t SkinIndex() const { return skinIndex_; }
    // The control draws as without an element (one found that it cannot use).
    void DropSkinElement() { skinIndex_ = -1; }
    // Of the element's cursor; -1 none. Set by the classes whose records carry one.
    int32_t CursorIndex() const { return cursorIndex_; }
    void SetCursorIndex(int32_t value) { cursorIndex_ = value; }

private:
    void WMEraseBkgnd(gui::TMessage& message);
    void WMMove(gui::TMessage& message);
    void CMMouseEnter(gui::TMessage& message);
    void CMMouseLeave(gui::TMessage& message);

    TskSkinData* skinData_ = nullptr;
    std::string skinDataName_;
    std::string areaName_;
    bool drawDefault_ = true;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 200;
    bool useSkinCursor_ = false;
    int32_t skinIndex_ = -1;
    int32_t cursorIndex_ = -1;
};

}  // namespace sk
