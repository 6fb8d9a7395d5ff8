// The skins of the popup menu window (POPUPWINDOW) and of the hint window
// (HINTWINDOW).
#pragma once

#include <cstdint>
#include <string>

#include "gui/core/color.h"
#include "gui/core/font_style.h"
#include "skin/model/geometry.h"
#include "skin/model/value_syntax.h"

namespace sk {

class TskRecordFields;

// What both windows have: their picture and mask (indices into the active
// pictures) and the corner points of the window picture.
class TskDataSkinWindow : public SkinGeometry {
public:
    int32_t WindowPictureIndex = -1;
    int32_t MaskPictureIndex = -1;

protected:
    void WindowFields(TskRecordFields& fields);
};

class TskDataSkinPopupWindow : public TskDataSkinWindow {  // ClRect unused
public:
    int32_t CursorIndex = -1;
    gui::TRect ItemsRect;
    gui::TColor ScrollMarkerColor = 0;
    gui::TColor ScrollMarkerActiveColor = 0;

    void LoadFromIni(TCustomIniFile& ini);
};

class TskDataSkinHintWindow : public TskDataSkinWindow {
public:
    std::string FontName = "Arial";
    int32_t FontHeight = 12;  // 14 when a skin leaves it out
    gui::TFontStyles FontStyle;
    gui::TColor FontColor = 0;

    void LoadFromIni(TCustomIniFile& ini);
};

}  // namespace sk
