// A control bar: a container whose children sit on bands laid out in rows, each
// band an 11-pixel grabber on the left of its control and a 2-pixel frame on its
// other sides. A band dragged by its grabber moves within its row or to another
// row (a new one below the last, when dropped there). Rows are as high as their
// highest band, or a multiple of RowSize with RowSnap; with AutoSize the bar is
// as high as its rows.
#pragma once

#include <functional>

#include "gui/controls/custom_control.h"
#include "gui/core/set.h"
#include "gui/graphics/bitmap.h"

namespace gui {

enum TBandPaintOption { bpoGrabber, bpoFrame };
using TBandPaintOptions = Set<TBandPaintOption>;

// Whether a band may be dragged.
using TBandDragEvent = std::function<void(TComponent* sender, TControl* control, bool& drag)>;
// The band's insets around its control, the width it asks for, and the rows it
// spans.
using TBandInfoEvent = std::function<void(TComponent* sender, TControl* control, TRect& insets,
                                          int& preferredSize, int& rowCount)>;
// Where a dragged band goes, in the bar's client coordinates.
using TBandMoveEvent = std::function<void(TComponent* sender, TControl* control, TRect& bounds)>;
// Drawing of a band: the handler may draw and say which of grabber and frame
// are still to be drawn.
using TBandPaintEvent = std::function<void(TComponent* sender, TControl* control, TCanvas& canvas, TRect& bounds,
                                           TBandPaintOptions& options)>;

class TCustomControlBar : public TCustomControl {
public:
    explicit TCustomControlBar(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    // Whether a band dragged off the bar would leave it. Bands of this library
    // always stay on their bar, so this is only kept for the forms that set it.
    bool AutoDrag() const { return autoDrag_; }
    void SetAutoDrag(bool value) { autoDrag_ = value; }
    // Tiled over the background when not empty; otherwise Color fills it.
    TBitmap& Picture() { return picture_; }
    void SetPicture(const TBitmap& value);
    int RowSize() const { return rowSize_; }
    void SetRowSize(int value);
    bool RowSnap() const { return rowSnap_; }
    void SetRowSnap(bool value);

    TBandDragEvent OnBandDrag;
    TBandInfoEvent OnBandInfo;
    TBandMoveEvent OnBandMove;
    TBandPaintEvent OnBandPaint;

protected:
    void Paint() override;
    // The grabber and frame of Control's band in ARect.
    virtual void PaintControlFrame(TCanvas& canvas, TControl* control, TRect& bounds);
    void AlignControls(TControl* control, TRect& rect) override;
    bool ArrangesAllChildren() const override { return true; }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

    // The band of a child: its bounds grown by the grabber and the frame.
    static TRect BandRect(const TControl& control);

private:
    struct Band;
    Band BandOf(TControl* control);
    TControl* GrabberAt(int x, int y);

    bool autoSize_ = false;
    bool autoDrag_ = true;
    TBitmap picture_;
    int rowSize_ = 26;
    bool rowSnap_ = true;
    TControl* dragging_ = nullptr;  // the child whose band follows the mouse
    TPoint dragOffset_;             // of the mouse from the band's top-left corner
};

}  // namespace gui
