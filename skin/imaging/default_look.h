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
void DrawDefaultFace(gui::TCanvas& canvas, const gui::TRect& rect, TskFaceState state);

// A one-pixel bevel along `rect`'s edges, `topLeftColor` on the top and left,
// `bottomRightColor` on the right and bottom; `rect` then shrinks to what lies inside it.
void Frame3D(gui::TCanvas& canvas, gui::TRect& rect, gui::TColor topLeftColor, gui::TColor bottomRightColor);

// `font` gets the element's name, height and style, and keeps the character set
// of `fallback`.
void AssignSkinFont(gui::TFont& font, const TskFontGroup& element, const gui::TFont& fallback);

}  // namespace sk
