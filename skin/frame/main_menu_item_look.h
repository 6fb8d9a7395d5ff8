// The font, colours and text place of a main-menu item as its skin record gives
// them; the items drawn inside a skinned frame and those of the skinned menu bar
// draw their captions alike from it.
#pragma once

#include <string>

#include "gui/core/color.h"
#include "gui/core/font_style.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/model/geometry.h"
#include "skin/model/object_records.h"

namespace sk {

class TskMainMenuItemLook {
public:
    void ReadLook(const TskDataSkinMainMenuItem& data)
    {
        fontName_ = data.FontName;
        fontHeight_ = data.FontHeight;
        fontStyle_ = data.FontStyle;
        unEnabledFontColor_ = data.UnEnabledFontColor;
        fontColor_ = data.FontColor;
        activeFontColor_ = data.ActiveFontColor;
        downFontColor_ = data.DownFontColor;
        textRect_ = data.TextRect;
        itemLeftOffset_ = data.ItemLeftOffset;
        itemRightOffset_ = data.ItemRightOffset;
    }

    // Where the caption goes in the item picture, and the fixed ends of the
    // picture left and right of the part that stretches with the caption.
    const gui::TRect& TextRect() const { return textRect_; }
    int ItemLeftOffset() const { return itemLeftOffset_; }
    int ItemRightOffset() const { return itemRightOffset_; }

    // The skin's face of the caption font; its colour comes with CaptionColor.
    void SetLookFont(gui::TFont& font) const
    {
        font.SetName(fontName_);
        font.SetHeight(fontHeight_);
        font.SetStyle(fontStyle_);
    }

    gui::TColor CaptionColor(bool down, bool highlighted, bool enabled) const
    {
        if (down)
            return downFontColor_;
        if (highlighted)
            return activeFontColor_;
        return enabled ? fontColor_ : unEnabledFontColor_;
    }

    // The width of an item drawn from a picture part SkinRect wide: the
    // picture around the text place, and the caption's width and 2 more.
    int SkinnedItemWidth(const gui::TRect& skinRect, int captionWidth) const
    {
        return RectWidth(skinRect) - RectWidth(textRect_) + captionWidth + 2;
    }

private:
    std::string fontName_;
    int fontHeight_ = 0;
    gui::TFontStyles fontStyle_;
    gui::TColor unEnabledFontColor_ = 0, fontColor_ = 0, activeFontColor_ = 0, downFontColor_ = 0;
    gui::TRect textRect_;
    int itemLeftOffset_ = 0, itemRightOffset_ = 0;
};

}  // namespace sk
