// The skinned frame laid out for a form's current size: the skin's FORMINFO
// points and rectangles moved with the right and bottom edges, the corner mapping
// of a picture rectangle onto the new size, the hit-test codes of a frame point,
// and the size of the title bar's icon. Computations shared by the form
// skinning engine's painting, region and hit testing.
#pragma once

#include <windows.h>

#include "gui/core/types.h"
#include "gui/graphics/bitmap.h"
#include "skin/model/form_info.h"
#include "skin/model/geometry.h"

namespace sk {

struct TskFrameGeometry {
    gui::TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    gui::TRect ClientRect;
    gui::TRect CaptionRect;
    gui::TRect ButtonsRect;
    bool ButtonsInLeft = false;
    int ButtonsOffset = 0;
    gui::TRect MaskRectArea;
    gui::TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
    gui::TRect IconRect;
    gui::TRect MainMenuRect;
};

// The skin's corner points with a client rectangle, and those of a frame laid
// out for a size: the source and target of a composition for that size.
SkinGeometry SkinCorners(const TskFormInfo& info, const gui::TRect& client);
SkinGeometry FrameCorners(const TskFrameGeometry& geometry, const gui::TRect& client);

// The client rectangle is a part of the frame picture, not empty.
bool ClientInPicture(const gui::TRect& client, const gui::TBitmap& picture);

// A skin stretches when its right-bottom corner point differs from its left-top
// one in both X and Y; otherwise the skin has a fixed size.
bool IsStretchableSkin(const TskFormInfo& info);

// FORMINFO fitted to a form of width x height, the skin picture being
// pictureWidth x pictureHeight.
TskFrameGeometry ComputeFrameGeometry(const TskFormInfo& info, int pictureWidth, int pictureHeight, int width,
                                      int height);

// A rectangle of the skin picture placed for the current size: rectangles in a
// corner zone move with that corner, rectangles that span two zones stretch
// between them, any other stays where it is. currentRB is the current right-bottom
// corner point.
gui::TRect MapSkinRect(const gui::TRect& rect, const TskFormInfo& info, int pictureWidth, int pictureHeight,
                       const gui::TPoint& currentRB);

// The four strips of a mask cut for the current size, and where they lie.
struct TskMaskStrips {
    gui::TBitmap* Top = nullptr;
    gui::TBitmap* Bottom = nullptr;
    gui::TBitmap* Left = nullptr;
    gui::TBitmap* Right = nullptr;
};

// Whether a frame point lies inside the window's shape: in the mask rect area, or
// on a black pixel of the strip it falls in (above the area the top strip, below
// it the bottom strip, beside it the left or right one). Without a mask
// (hasMask false) the shape is the whole window.
bool InsideFrameShape(const TskFrameGeometry& geometry, const TskMaskStrips& strips, bool hasMask, int width,
                      int height, int x, int y);

// The sizing code of a frame point near the border (corners first, then edges),
// or HTNOWHERE when it is on none of them.
LRESULT FrameBorderCode(const TskFrameGeometry& geometry, int width, int height, int x, int y);

// The sizing code of the default frame (3-pixel left and top bands, 2-pixel right
// and bottom bands), or HTNOWHERE.
LRESULT DefaultBorderCode(int width, int height, int x, int y);

// The size a form's icon is drawn at in its title bar: the system's small-icon
// size, each side that the system leaves at 0 being a caption button's.
gui::TSize SmallIconSize();

// Snapping of a window at (left, top) to the edges of an area, within snap
// pixels: left and top first, then right and bottom, which win when both apply.
void SnapToArea(const gui::TRect& area, int snap, int& left, int& top, int height, int width);

}  // namespace sk
