// The small sets and kinds that describe a control: how it is aligned in its
// parent, which edges it keeps its distance to, and its style and state flags.
#pragma once

#include "gui/core/set.h"

namespace gui {

// Align: the control fills one edge of its parent's client area (in the order top,
// bottom, left, right) or what the others leave (client).
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The edges of its parent a control keeps its distance to when the parent is
// resized; with neither left nor right (top nor bottom) it keeps its centre in
// proportion.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = Set<TAnchorKind>;

// The direction of a scroll bar.
enum TScrollBarKind { sbHorizontal, sbVertical };

enum TControlStyleFlag {
    csAcceptsControls,  // children are clipped out of its window
    csCaptureMouse,     // a press captures the mouse until the release
    csClickEvents,      // a press and release inside make a click
    csSetCaption,       // the caption follows the name until set
    csOpaque,           // paints its whole area: nothing behind it is erased first
    csDoubleClicks,     // a double click is one, not a second press
};
using TControlStyle = Set<TControlStyleFlag>;

enum TControlStateFlag {
    csLButtonDown,       // a press of the left button arrived
    csClicked,           // the press may still become a click
    csAlignmentNeeded,   // a realign was asked for while alignment was off
    csCreating,          // the window is being made
};
using TControlState = Set<TControlStateFlag>;

}  // namespace gui
