// The font, colours and text place of a main-menu item as its skin record gives
// them; the items drawn inside a skinned frame and those of the skinned menu bar
// draw their captions alike from it.
#pragma once

#include <string>

#include "gui/core/color.h"
#include "gui/core/font_style.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/model/object_records.h"

namespace sk {

struct TskMainMenuItemLook {
    std::string FontName;
    int FontHeight = 0;
    gui::TFontStyles FontStyle;
    gui::TColor UnEnabledFontColor = 0, FontColor = 0, ActiveFontColor = 0, DownFontColor = 0;
    gui::TRect TextRect;
    int ItemLeftOffset = 0, ItemRightOffset = 0;

    void ReadLook(const TskDataSkinMainMenuItem& Data)
    {
        FontName = Data.FontName;
        FontHeight = Data.FontHeight;
        FontStyle = Data.FontStyle;
        UnEnabledFontColor = Data.UnEnabledFontColor;
        FontColor = Data.FontColor;
        ActiveFontColor = Data.ActiveFontColor;
        DownFontColor = Data.DownFontColor;
        TextRect = Data.TextRect;
        ItemLeftOffset = Data.ItemLeftOffset;
        ItemRightOffset = Data.ItemRightOffset;
    }

    // The skin's face of the caption font; its colour comes with CaptionColor.
    void SetLookFont(gui::TFont& Font) const
    {
        Font.SetName(FontName);
        Font.SetHeight(FontHeight);
        Font.SetStyle(FontStyle);
    }

    gui::TColor CaptionColor(bool Down, bool Highlighted, bool Enabled) const
    {
        if (Down)
            return DownFontColor;
        if (Highlighted)
            return ActiveFontColor;
        return Enabled ? FontColor : UnEnabledFontColor;
    }
};

}  // namespace sk
