// Rectangle and point tests of the skin engine, and the geometry of a skin
// element: its corner points and client rectangle.
#pragma once

#include "gui/core/types.h"

namespace sk {

using gui::TPoint;
using gui::TRect;

int RectWidth(const TRect& rect);
int RectHeight(const TRect& rect);
void ClearRect(TRect& rect);
// An unset skin rectangle: narrower or lower than one pixel.
bool IsNullRect(const TRect& rect);
// A rectangle that can be cut from a picture of the given size: set, and with all
// four edges inside it.
bool RectInPicture(const TRect& rect, int PictureWidth, int PictureHeight);
// An unset rectangle, or one that can be cut from the picture.
bool UnsetOrInPicture(const TRect& rect, int PictureWidth, int PictureHeight);
// An unset skin point: either coordinate 0.
bool IsNullPoint(const TPoint& point);
// All four edges count as inside.
bool IsPointInRect(const TRect& rect, const TPoint& point);
// Both corners inside `outer`, its right and bottom edges counting as outside.
bool RectInRect(const TRect& inner, const TRect& outer);
// A corner zone of a picture of the given size, for the tests above: its right and
// bottom edges count as outside, except where they are the picture's own edges.
// So a rectangle flush with the picture's right or bottom edge (a size grip, a
// button at the edge) lies in the corner it touches and moves with that edge.
TRect CornerZone(const TRect& zone, int PictureWidth, int PictureHeight);

// Where the middle parts of a skin element's edges begin and end, and its client
// area. For a skin picture they are relative to the element's SkinRect; for a
// composition, coordinates of the new image.
//   LTPoint.X / RTPoint.X: the middle of the top edge;   LTPoint.Y / LBPoint.Y: of the left edge
//   LBPoint.X / RBPoint.X: the middle of the bottom edge; RTPoint.Y / RBPoint.Y: of the right edge
struct SkinGeometry {
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
};

}  // namespace sk
