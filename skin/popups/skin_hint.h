// The skin library's hints: placed on the main form, the component makes the
// skinned hint window the application's hint window, gives it skin, font and
// blending, and shows the hints of the skinned frame's objects for the form
// skinning engine. Of several on the main form, one is active at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/controls/hint_window.h"
#include "gui/controls/timer.h"
#include "gui/core/component.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/data/skin_data.h"

namespace sk {

class TskSkinHintWindow;

class TskSkinHint : public gui::TComponent {
public:
    explicit TskSkinHint(gui::TComponent* owner);
    ~TskSkinHint() override;

    // The font of hints without the skin's.
    gui::TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const gui::TFont& value) { defaultFont_.Assign(value); }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool value) { useSkinFont_ = value; }
    // Whether blending uses layered windows; it stays off where the system has
    // none, and the hint is then blended over a copy of the screen.
    bool AlphaBlendSupport() const { return alphaBlendSupport_; }
    void SetAlphaBlendSupport(bool value);
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value) { alphaBlend_ = value; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }
    TskSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TskSkinData* value);
    // Making one active makes the others of the main form inactive.
    bool Active() const { return active_; }
    void SetActive(bool value);

    // The application's show-hint notification, passed on.
    gui::TShowHintEvent OnShowHint;

    // Shows the text at the mouse after the application's HintPause (a text given
    // meanwhile replaces it), for HintHidePause.
    void ShowObjectHint(const std::string& text);
    void HideObjectHint();
    TskSkinHintWindow& HintWindow() { return *hintWindow_; }

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    void ReceiveShowHint();
    void ShowTick();

    gui::TFont defaultFont_;
    bool useSkinFont_ = true;
    bool alphaBlendSupport_ = true;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 200;
    TskSkinData* skinData_ = nullptr;
    bool active_ = true;
    TskSkinHintWindow* hintWindow_;  // owned
    gui::TTimer* objectHintTimer_;   // owned; armed while an object hint is pending or shows
    bool objectHintShowing_ = false;
    std::string objectHintText_;
    // The application's notification reaches this component while it lives.
    std::shared_ptr<TskSkinHint*> receiver_;
};

}  // namespace sk
