// A windowless control that shows a picture: an icon, drawn at its own size at
// the control's top-left corner.
#pragma once

#include "gui/controls/graphic_control.h"
#include "gui/graphics/icon.h"

namespace gui {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    const TIcon& Icon() const { return icon_; }
    // Copies the icon and repaints.
    void SetIcon(const TIcon& value);
    // A copy of an icon that stays its owner's (a system icon), then repaints.
    void SetIconHandle(HICON shared);

protected:
    void Paint() override;

private:
    TIcon icon_;
};

}  // namespace gui
