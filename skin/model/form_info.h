// The geometry of the skinned form frame: the FORMINFO section of a skin.
#pragma once

#include <cstdint>

#include "gui/core/types.h"
#include "skin/model/geometry.h"
#include "skin/model/value_syntax.h"

namespace sk {

struct TskFormInfo : SkinGeometry {  // the frame picture's corner points and clientrect
    int32_t BGPictureIndex = -1;     // background of the client area, in ActivePictures
    bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
    gui::TRect ButtonsRect;
    gui::TRect CaptionRect;
    int32_t ButtonsOffset = 0;
    bool ButtonsInLeft = false;
    gui::TRect MaskRectArea;
    gui::TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
    gui::TPoint RollUpLeftPoint, RollUpRightPoint;
    gui::TRect MainMenuRect;
    gui::TRect IconRect;
    bool MainMenuPopupUp = false;
    int32_t BorderWidth = 0;
    int32_t CursorIndex = -1;
    bool AutoRenderingInActiveImage = false;
    TskInactiveEffect InActiveEffect = ieBrightness;

    // Reads every key of the section, then pulls given corner points onto the
    // edges of clientrect that they lie outside of.
    void LoadFromIni(TCustomIniFile& ini);
};

}  // namespace sk
