// A hint window drawn from the skin's hint window picture and shaped by its mask,
// optionally blended with what lies behind it. It shows only while the main form
// owns an active TskSkinHint, which gives it its skin, font and blending.
#pragma once

#include <cstdint>

#include "gui/controls/hint_window.h"
#include "gui/graphics/bitmap.h"
#include "skin/data/skin_data.h"
#include "skin/model/geometry.h"

namespace sk {

class TskSkinHint;

class TskSkinHintWindow : public gui::THintWindow {
public:
    explicit TskSkinHintWindow(gui::TComponent* owner);

    // Sizes the window to the text at the rectangle's top-left corner (kept on the
    // screen), then shows it above every window without activating it.
    void ActivateHint(gui::TRect rect, const std::string& hint) override;

    // The skin and the component of the hint shown last; none when it is plain or
    // was not shown.
    TskSkinData* Skin() const { return skin_; }
    TskSkinHint* Governor() const { return governor_; }

protected:
    void CreateParams(gui::TCreateParams& params) override;
    void Paint() override;
    void WndProc(gui::TMessage& message) override;
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    void SetGovernor(TskSkinHint* value);
    void ApplyFont(gui::TFont& font) const;
    // The window size the text needs, and the frame points for that size.
    gui::TSize Measure(const std::string& text);
    void UpdateAlpha();
    void UpdateRegion();
    gui::TBitmap* SkinPicture() const;
    SkinGeometry SkinFrame() const;

    TskSkinData* skin_ = nullptr;
    TskSkinHint* governor_ = nullptr;
    SkinGeometry newGeometry_;
    gui::TBitmap snapshot_;
    bool regionSet_ = false;
    bool lastAlphaBlend_ = false;
    uint8_t lastAlphaValue_ = 0;
};

}  // namespace sk
