// The skins of the popup menu window (POPUPWINDOW) and of the hint window
// (HINTWINDOW).
#pragma once

#include <cstdint>
#include <string>

#include "gui/color.h"
#include "gui/font_style.h"
#include "skin/geometry.h"
#include "skin/value_syntax.h"

namespace sk {

class TskDataSkinPopupWindow : public SkinGeometry {  // corner points; ClRect unused
public:
    int32_t WindowPictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    int32_t CursorIndex = -1;
    gui::TRect ItemsRect;
    gui::TColor ScrollMarkerColor = 0;
    gui::TColor ScrollMarkerActiveColor = 0;

    void LoadFromIni(TCustomIniFile& ini);
};

class TskDataSkinHintWindow : public SkinGeometry {  // corner points and clientrect
public:
    int32_t WindowPictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    std::string FontName = "Arial";
    int32_t FontHeight = 12;  // 14 when a skin leaves it out
    gui::TFontStyles FontStyle;
    gui::TColor FontColor = 0;

    void LoadFromIni(TCustomIniFile& ini);
};

}  // namespace sk
