// The control bar drawn from the skin element "controlbar": a tiled background,
// a skinned frame around every band, and with SkinBevel a skinned border around
// the bar. Without skin data, with an empty skin or without the element, it has
// the plain control bar's look.
#pragma once

#include <string>

#include "gui/controls/control_bar.h"
#include "skin/data/skin_client.h"
#include "skin/data/skin_data.h"
#include "skin/model/geometry.h"

namespace sk {

class TskSkinControlBar : public gui::TCustomControlBar, public TskSkinClient {
public:
    explicit TskSkinControlBar(gui::TComponent* owner);

    TskSkinData* SkinData() const override { return skinData_; }
    void SetSkinData(TskSkinData* value);
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& value) { skinDataName_ = value; }
    // A border from the element's frame around the bar, outside its client area.
    bool SkinBevel() const { return skinBevel_; }
    void SetSkinBevel(bool value);

    // The element read anew after the skin changed.
    void ApplySkin() override;

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;
    void CreateParams(gui::TCreateParams& params) override;
    void Paint() override;
    void PaintControlFrame(gui::TCanvas& canvas, gui::TControl* control, gui::TRect& bounds) override;
    void WndProc(gui::TMessage& message) override;

private:
    void ReadSkin();
    bool Skinned() const { return skinIndex_ != -1 && picture_; }
    void PaintBackground(gui::TCanvas& canvas, int width, int height);
    void PaintBevel();

    void WMSize(gui::TMessage& message);
    void WMNCCalcSize(gui::TMessage& message);
    void WMNCPaint(gui::TMessage& message);
    void WMEraseBkgnd(gui::TMessage& message);

    TskSkinData* skinData_ = nullptr;
    std::string skinDataName_ = "controlbar";
    bool skinBevel_ = false;

    int skinIndex_ = -1;
    gui::TBitmap* picture_ = nullptr;  // the skin's
    // Of the element (a control bar record).
    SkinGeometry geometry_;
    TRect skinRect_;
    TRect itemRect_;
    int bgPictureIndex_ = -1;
    SkinGeometry newGeometry_;  // for the window's current size
};

}  // namespace sk
