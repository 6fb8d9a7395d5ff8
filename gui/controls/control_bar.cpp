#include "gui/controls/control_bar.h"

#include <algorithm>
#include <vector>

#include "gui/graphics/win_types.h"

namespace gui {

namespace {

constexpr TRect kBandInsets{11, 2, 2, 2};  // grabber on the left, frame elsewhere

}  // namespace

struct TCustomControlBar::Band {
    TControl* control = nullptr;
    TRect insets = kBandInsets;
    int width = 0;  // of the control
    int rows = 1;
    TRect rect;  // the band where the control stands now
};

TCustomControlBar::TCustomControlBar(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 50);
}

void TCustomControlBar::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    Realign();
}

void TCustomControlBar::SetPicture(const TBitmap& value)
{
    picture_.Assign(value);
    Invalidate();
}

void TCustomControlBar::SetRowSize(int value)
{
    if (value == rowSize_ || value < 1)
        return;
    rowSize_ = value;
    Realign();
}

void TCustomControlBar::SetRowSnap(bool value)
{
    if (value == rowSnap_)
        return;
    rowSnap_ = value;
    Realign();
}

TRect TCustomControlBar::BandRect(const TControl& control)
{
    const TRect r = control.BoundsRect();
    return TRect{r.Left - kBandInsets.Left, r.Top - kBandInsets.Top, r.Right + kBandInsets.Right,
                 r.Bottom + kBandInsets.Bottom};
}

TCustomControlBar::Band TCustomControlBar::BandOf(TControl* control)
{
    Band band;
    band.control = control;
    band.width = control->Width();
    if (OnBandInfo)
        OnBandInfo(this, control, band.insets, band.width, band.rows);
    const TRect r = control->BoundsRect();
    band.rect = TRect{r.Left - band.insets.Left, r.Top - band.insets.Top, r.Left + band.width + band.insets.Right,
                      r.Bottom + band.insets.Bottom};
    return band;
}

void TCustomControlBar::AlignControls(TControl* control, TRect& rect)
{
    std::vector<Band> bands;
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Visible())
            bands.push_back(BandOf(Controls(i)));
    // Rows from the top: the control that asked wins ties of position.
    const auto before = [control](const Band& a, const Band& b) {
        if (a.rect.Top != b.rect.Top)
            return a.rect.Top < b.rect.Top;
        if (a.rect.Left != b.rect.Left)
            return a.rect.Left < b.rect.Left;
        return a.control == control && b.control != control;
    };
    std::stable_sort(bands.begin(), bands.end(), before);

    int y = rect.Top;
    for (size_t first = 0; first < bands.size();) {
        // A band whose top lies above the bottom of the row so far belongs to it.
        size_t last = first + 1;
        int rowBottom = bands[first].rect.Bottom;
        while (last < bands.size() && bands[last].rect.Top < rowBottom) {
            rowBottom = std::max(rowBottom, bands[last].rect.Bottom);
            ++last;
        }
        std::stable_sort(bands.begin() + long(first), bands.begin() + long(last), [control](const Band& a, const Band& b) {
            if (a.rect.Left != b.rect.Left)
                return a.rect.Left < b.rect.Left;
            return a.control == control && b.control != control;
        });
        int height = 0;
        for (size_t i = first; i < last; ++i) {
            const Band& b = bands[i];
            int h = b.rect.Bottom - b.rect.Top;
            if (rowSnap_)
                h = std::max((h + rowSize_ - 1) / rowSize_, b.rows) * rowSize_;
            height = std::max(height, h);
        }
        int x = rect.Left;
        for (size_t i = first; i < last; ++i) {
            const Band& b = bands[i];
            const int left = std::max(b.rect.Left, x);
            b.control->SetBounds(left + b.insets.Left, y + b.insets.Top, b.control->Width(), b.control->Height());
            x = left + b.insets.Left + b.width + b.insets.Right;
        }
        y += height;
        first = last;
    }
    if (autoSize_ && !bands.empty())
        SetBounds(Left(), Top(), Width(), Height() - ClientHeight() + y - rect.Top);
    // The frames lie outside the controls: the bands that moved or went leave
    // theirs behind until the bar is painted again.
    Invalidate();
}

void TCustomControlBar::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!picture_.Empty()) {
        for (int y = 0; y < client.Bottom; y += picture_.Height())
            for (int x = 0; x < client.Right; x += picture_.Width())
                canvas.Draw(x, y, picture_);
    } else {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    }
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible())
            continue;
        TRect band = BandRect(*c);
        PaintControlFrame(canvas, c, band);
    }
}

void TCustomControlBar::PaintControlFrame(TCanvas& canvas, TControl* control, TRect& bounds)
{
    TBandPaintOptions options{bpoGrabber, bpoFrame};
    if (OnBandPaint)
        OnBandPaint(this, control, canvas, bounds, options);
    const HDC dc = canvas.Handle();
    if (options.Contains(bpoFrame)) {
        RECT r = ToRECT(bounds);
        ::DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    if (options.Contains(bpoGrabber)) {
        // Two raised ridges down the grabber.
        for (int x : {bounds.Left + 3, bounds.Left + 6}) {
            RECT ridge{x, bounds.Top + 2, x + 3, bounds.Bottom - 2};
            ::DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
        }
    }
}

TControl* TCustomControlBar::GrabberAt(int x, int y)
{
    for (int i = ControlCount() - 1; i >= 0; --i) {
        TControl* c = Controls(i);
        const TRect band = BandRect(*c);
        if (c->Visible() && x >= band.Left && x < c->Left() && y >= band.Top && y < band.Bottom)
            return c;
    }
    return nullptr;
}

void TCustomControlBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    TControl* c = GrabberAt(x, y);
    bool drag = c != nullptr;
    if (c && OnBandDrag)
        OnBandDrag(this, c, drag);
    if (!drag)
        return;
    dragging_ = c;
    FreeNotification(c);
    const TRect band = BandRect(*c);
    dragOffset_ = Point(x - band.Left, y - band.Top);
}

void TCustomControlBar::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (!dragging_)
        return;
    const TRect band = BandRect(*dragging_);
    TRect to = Bounds(x - dragOffset_.X, y - dragOffset_.Y, band.Right - band.Left, band.Bottom - band.Top);
    if (OnBandMove)
        OnBandMove(this, dragging_, to);
    if (to == band)
        return;
    // Realigning puts the band into the row and place nearest to where it was
    // dropped.
    dragging_->SetBounds(to.Left + kBandInsets.Left, to.Top + kBandInsets.Top, dragging_->Width(),
                         dragging_->Height());
    Invalidate();
}

void TCustomControlBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && dragging_) {
        RemoveFreeNotification(dragging_);
        dragging_ = nullptr;
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomControlBar::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == dragging_)
        dragging_ = nullptr;
}

}  // namespace gui
