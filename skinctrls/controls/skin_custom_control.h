// A skinned control whose element is drawn at any size from one skin picture: the
// element's corner points and client rectangle say which parts keep their size
// and which are tiled. By those points the element is nine-part (any size),
// horizontal (the height is the skin's), vertical (the width is the skin's) or
// fixed (the skin's size). A mask picture gives the control's window its shape.
// Without an element the control has a plain face and its default sizes.
#pragma once

#include "gui/graphics/graphics_objects.h"
#include "skin/model/geometry.h"
#include "skinctrls/controls/skin_control.h"

namespace sk {

// How an element follows the control's size.
enum TskResizeMode {
    rmNone = -1,      // no picture rectangle
    rmFixed = 0,      // the skin's size
    rmNinePart = 1,   // any size
    rmHorizontal = 2, // any width, the skin's height
    rmVertical = 3,   // any height, the skin's width
};

class TskSkinCustomControl : public TskSkinControl {
public:
    explicit TskSkinCustomControl(gui::TComponent* owner);

    // The font without a skin, or when UseSkinFont is off: "Arial", height 14.
    gui::TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const gui::TFont& value);
    // Whether the element's font name, height and style are used.
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool value) { useSkinFont_ = value; }
    // Sizes taken without an element, where above 0.
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int value) { defaultWidth_ = value; }
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int value) { defaultHeight_ = value; }

    // With an element, a size the element cannot take is replaced by one it can.
    void SetBounds(int left, int top, int width, int height) override;
    void ApplySkin() override;

protected:
    void ReadSkinEntry() override;
    void DrawDefaultImage(gui::TBitmap& bitmap) override;
    void DrawSkinImage(gui::TBitmap& bitmap) override;
    void CreateWnd() override;

    virtual void DefaultFontChanged() {}
    // Brings a requested size to one the element takes and moves the corner
    // points and the client rectangle to it.
    virtual void AdjustSkinSize(int& width, int& height);
    // Shapes the window by the mask for the current size; without a mask or an
    // element the shape goes.
    virtual void UpdateSkinRegion();

    // Composes the element's picture at the control's size from source: SkinRect,
    // or a rectangle of the same geometry (a state of a button).
    void ComposeSkinImage(gui::TBitmap& bitmap, const TRect& source);
    // A rectangle given in skin coordinates, moved or stretched with the part of
    // the element it lies in.
    TRect MapSkinRect(const TRect& rect) const;

    // The element's pictures: the skin's, not the control's.
    gui::TBitmap* Picture() const { return picture_; }
    gui::TBitmap* MaskPicture() const { return maskPicture_; }
    const TRect& SkinRect() const { return skinRect_; }
    // The element's corner points and client rectangle, and the same moved to the
    // control's size by AdjustSkinSize.
    const SkinGeometry& Geometry() const { return geometry_; }
    const SkinGeometry& NewGeometry() const { return newGeometry_; }
    // Puts back a geometry kept from before an AdjustSkinSize for another size.
    void SetNewGeometry(const SkinGeometry& value) { newGeometry_ = value; }
    int ResizeMode() const { return resizeMode_; }

private:
    int SkinWidth() const { return RectWidth(skinRect_); }
    int SkinHeight() const { return RectHeight(skinRect_); }

    gui::TFont defaultFont_;
    bool useSkinFont_ = true;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    bool regionSet_ = false;  // the window has a shape from the mask
    gui::TBitmap* picture_ = nullptr;
    gui::TBitmap* maskPicture_ = nullptr;
    TRect skinRect_;
    SkinGeometry geometry_;
    SkinGeometry newGeometry_;
    int resizeMode_ = rmFixed;
};

}  // namespace sk
