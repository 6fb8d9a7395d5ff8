// The frame of a skinned form: its layout for the form's current size, the
// non-client size it leaves the client area, the window region cut from the
// skin's mask, the painting of the frame (from the skin, or a plain default
// frame with its own caption fonts) and of the client background, and the hit
// test that tells the system where a point of the window lies.
#pragma once

#include <windows.h>

#include "gui/controls/message.h"
#include "gui/core/types.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/forms/form_frame_geometry.h"
#include "win/gdi_handles.h"

namespace sk {

class TskActiveSkinObject;
class TskEngineParts;

// What a skinned frame's hit test goes by, besides its geometry and mask: the
// frame's size and the form's state at the moment.
struct TskHitTestState {
    int Width = 0, Height = 0;
    bool Sizeable = true;
    bool Maximized = false;
    bool Minimized = false;
    bool RolledUp = false;
    bool ObjectHovered = false;
};

// The hit-test code of a frame point of a skinned frame (NC mode). OnCaption
// tells whether a caption object lies at the point; NearBorder whether the point
// is close enough to the frame's outline to size the form.
LRESULT SkinFrameHitTest(const TskFrameGeometry& geometry, const TskHitTestState& state, bool onCaption,
                         bool nearBorder, int x, int y);
// The same in the client mode, where everything but the sizing border is client.
LRESULT ClientFrameHitTest(const TskFrameGeometry& geometry, const TskHitTestState& state, bool nearBorder, int x,
                           int y);

class TskFormFrame {
public:
    explicit TskFormFrame(TskEngineParts& parts);
    TskFormFrame(const TskFormFrame&) = delete;
    TskFormFrame& operator=(const TskFormFrame&) = delete;

    // The frame laid out for the size it was last fitted to.
    const TskFrameGeometry& Geometry() const { return geometry_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);
    // The skin describes a frame that can be composed from its picture: a skin
    // in use, the non-client mode, and a client rectangle inside the picture.
    bool SkinUsable() const;
    void RecomputeGeometry();
    // Lays the frame out for its size (and the objects with Recompute), sets the
    // region, and repaints.
    void Update(bool recompute);
    // Fits the frame to the form's current size.
    void FitToSize();
    // WM_SIZE and WM_SIZING: while the user sizes the form, the frame is laid
    // out for each new size, once.
    void Sized(gui::TMessage& message);
    void Sizing(gui::TMessage& message);
    // A size change that makes the system ask for the non-client size anew.
    void NudgeWidth();
    // Asks for the non-client area (or the whole form, in the client mode) to be
    // painted again.
    void Repaint();
    void NCCalcSize(gui::TMessage& message);

    // Default frame metrics for the form's border style: a tool window has a
    // smaller caption and smaller buttons.
    int DefCaptionHeight() const;
    int DefButtonSize() const;
    // The default frame's caption fonts.
    gui::TFont& CaptionFont() { return captionFont_; }
    gui::TFont& InactiveCaptionFont() { return inactiveCaptionFont_; }

    // ---- The region ----
    bool HasRegion() const { return regionSet_; }
    // The window region from the skin's mask; Recompute cuts the mask anew for
    // the current size.
    void SetRegion(bool recompute);
    // Gives the window a region of its own (the roll-up's); a region without
    // any pixel is not set.
    void ApplyRegion(win::UniqueRegion region);
    void RemoveRegion();
    // The window went, and its region with it.
    void ForgetRegion() { regionSet_ = false; }

    // ---- Painting ----
    // WM_NCPAINT: the skinned frame, or the default one.
    void PaintNonClient();
    // The skinned frame alone, when the skin describes one.
    void PaintSkinFrame();
    // WM_ERASEBKGND: the client background, or the whole form in the client mode.
    void EraseBackground(HDC dc);
    // The skin's client background over an area of a DC.
    void PaintBackground(HDC dc, const gui::TRect& area);
    void RedrawObject(TskActiveSkinObject& object);

    // ---- Hit tests ----
    gui::TPoint ScreenToFrame(gui::TPoint screen) const;
    // WM_NCHITTEST at a screen point.
    void HitTest(gui::TMessage& message);

private:
    bool BorderNone() const;
    bool ToolWindowBorder() const;
    void LayoutDefaultFrame();
    void PaintDefaultFrame();
    void PaintClientBackground(HDC dc);
    void PaintWholeForm(HDC dc);
    void ClearMaskStrips();
    TskHitTestState HitTestState() const;
    bool NearBorder(int x, int y);
    LRESULT DefaultHitTest(int x, int y);

    TskEngineParts& parts_;
    gui::TFont captionFont_, inactiveCaptionFont_;
    TskFrameGeometry geometry_;
    int width_ = 0, height_ = 0;
    // The size WM_SIZING laid the frame out for, until the WM_SIZE of that size.
    gui::TPoint sizingFitted_{-1, -1};
    // The mask cut for the current size, for hit testing.
    gui::TBitmap topMask_, bottomMask_, leftMask_, rightMask_;
    // A region given to the window belongs to the system, which deletes it with
    // the window or when another replaces it: only whether one is set is kept.
    bool regionSet_ = false;
    // The default frame's caption rectangle, between the buttons.
    gui::TRect defCaptionRect_;
};

}  // namespace sk
