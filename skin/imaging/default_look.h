// What the frame objects and the skinned controls share of their look: the plain
// faces drawn without a skin, and the font taken from a skin element.
#pragma once

#include "gui/graphics/canvas.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/model/record_fields.h"

namespace sk {

// The three faces of a part of a control without a skin.
enum TskFaceState { fsNormal, fsHot, fsPressed };

// A one-pixel frame around a filled rectangle: normal in the button colours,
// hot and pressed in the highlight colours.
void DrawDefaultFace(gui::TCanvas& Canvas, const gui::TRect& Rect, TskFaceState State);

// A one-pixel bevel along Rect's edges, Top on the top and left, Bottom on the
// right and bottom; Rect then shrinks to what lies inside it.
void Frame3D(gui::TCanvas& Canvas, gui::TRect& Rect, gui::TColor Top, gui::TColor Bottom);

// Font gets the element's name, height and style, and keeps the character set
// of Default.
void AssignSkinFont(gui::TFont& Font, const TskFontGroup& Element, const gui::TFont& Default);

}  // namespace sk
