// Where a point of a skinned form lies: on the border (which edge or corner
// sizes the form), the caption (which moves it), the client area, or a frame
// object that the engine handles itself.
#include "gui/controls/form.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_objects.h"

namespace sk {

namespace {

bool Contains(const gui::TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

}  // namespace

bool TskFormSkinEngine::NearBorder(int X, int Y)
{
    const int b = skinData_->FormInfo.BorderWidth;
    const bool hasMask = !skinData_->Mask().Empty();
    const int W = frameWidth_, H = frameHeight_;
    const TskMaskStrips strips{&topMask_, &bottomMask_, &leftMask_, &rightMask_};
    const gui::TPoint probes[] = {{X - b, Y}, {X, Y - b}, {X + b, Y}, {X, Y + b}};
    if (hasMask && Contains(geometry_.MaskRectArea, X, Y))
        return false;
    for (const gui::TPoint& p : probes)
        if (!InsideFrameShape(geometry_, strips, hasMask, W, H, p.X, p.Y))
            return true;
    return false;
}

LRESULT TskFormSkinEngine::SkinHitTest(int X, int Y)
{
    if (rolledUp_ || windowState_ == wsMinimized)
        return OnCaptionObject(X, Y) ? HTCAPTION : HTOBJECT;
    const bool inClient = Contains(geometry_.ClientRect, X, Y);
    if (hoverIndex_ >= 0 && !OnCaptionObject(X, Y) && !inClient)
        return HTOBJECT;
    if (windowState_ != wsMaximized && sizeable_) {
        if (!NearBorder(X, Y)) {
            if (inClient)
                return HTCLIENT;
            return OnCaptionObject(X, Y) ? HTCAPTION : HTOBJECT;
        }
        const LRESULT code = FrameBorderCode(geometry_, frameWidth_, frameHeight_, X, Y);
        if (code != HTNOWHERE)
            return code;
    }
    if (inClient)
        return HTCLIENT;
    return OnCaptionObject(X, Y) ? HTCAPTION : HTOBJECT;
}

LRESULT TskFormSkinEngine::DefaultHitTest(int X, int Y)
{
    const int W = frameWidth_, H = frameHeight_;
    if (windowState_ != wsMaximized && !rolledUp_ && windowState_ != wsMinimized && sizeable_) {
        if (hoverIndex_ >= 0)
            return HTOBJECT;
        const LRESULT code = DefaultBorderCode(W, H, X, Y);
        if (code != HTNOWHERE)
            return code;
    }
    if (objects_.empty())
        CreateDefaultButtons();
    LayoutDefaultFrame();
    if (Contains(defCaptionRect_, X, Y))
        return HTCAPTION;
    const int ch = DefCaptionHeight();
    if (Contains(gui::Rect(3, ch + 3, W - 3, H - 3), X, Y))
        return HTCLIENT;
    return HTOBJECT;
}

LRESULT TskFormSkinEngine::ClientSkinHitTest(int X, int Y)
{
    if (!sizeable_ || windowState_ == wsMaximized || rolledUp_ || hoverIndex_ >= 0 || !skinInUse_)
        return HTCLIENT;
    if (!NearBorder(X, Y))
        return HTCLIENT;
    const LRESULT code = FrameBorderCode(geometry_, frameWidth_, frameHeight_, X, Y);
    return code != HTNOWHERE ? code : HTCLIENT;
}

}  // namespace sk
