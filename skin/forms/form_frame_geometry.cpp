#include "skin/forms/form_frame_geometry.h"

#include "gui/graphics/canvas.h"
#include "skin/model/geometry.h"

namespace sk {

namespace {

using gui::TPoint;
using gui::TRect;

TPoint Moved(TPoint p, int dx, int dy) { return TPoint{p.X + dx, p.Y + dy}; }

TRect Moved(const TRect& r, int dx, int dy) { return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

bool PointInZone(const TRect& zone, int x, int y)
{
    return x >= zone.Left && x < zone.Right && y >= zone.Top && y < zone.Bottom;
}

bool PointInZone(const TRect& zone, TPoint p) { return PointInZone(zone, p.X, p.Y); }

// The pixel of a strip lying at (left, top) of the frame is black.
bool BlackAt(const gui::TBitmap* strip, int left, int top, int x, int y)
{
    if (!strip || strip->Empty())
        return false;
    x -= left;
    y -= top;
    if (x < 0 || y < 0 || x >= strip->Width() || y >= strip->Height())
        return false;
    COLORREF c = ::GetPixel(const_cast<gui::TBitmap*>(strip)->Canvas().Handle(), x, y);
    return c != CLR_INVALID && (c & 0xFFFFFF) == 0;
}

}  // namespace

namespace {

SkinGeometry Corners(TPoint lt, TPoint rt, TPoint lb, TPoint rb, const TRect& client)
{
    SkinGeometry corners;
    corners.LTPoint = lt;
    corners.RTPoint = rt;
    corners.LBPoint = lb;
    corners.RBPoint = rb;
    corners.ClRect = client;
    return corners;
}

}  // namespace

SkinGeometry SkinCorners(const TskFormInfo& info, const TRect& client)
{
    return Corners(info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, client);
}

SkinGeometry FrameCorners(const TskFrameGeometry& geometry, const TRect& client)
{
    return Corners(geometry.LTPoint, geometry.RTPoint, geometry.LBPoint, geometry.RBPoint, client);
}

bool ClientInPicture(const TRect& client, const gui::TBitmap& picture)
{
    return !picture.Empty() && !IsNullRect(client) && client.Left >= 0 && client.Top >= 0 &&
           client.Right <= picture.Width() && client.Bottom <= picture.Height();
}

bool IsStretchableSkin(const TskFormInfo& info)
{
    return info.RBPoint.X != info.LTPoint.X && info.RBPoint.Y != info.LTPoint.Y;
}

TskFrameGeometry ComputeFrameGeometry(const TskFormInfo& info, int PictureWidth, int PictureHeight, int Width,
                                      int Height)
{
    const int dx = Width - PictureWidth, dy = Height - PictureHeight;
    TskFrameGeometry g;
    g.LTPoint = info.LTPoint;
    g.RTPoint = Moved(info.RTPoint, dx, 0);
    g.LBPoint = Moved(info.LBPoint, 0, dy);
    g.RBPoint = Moved(info.RBPoint, dx, dy);
    g.ClientRect = info.ClRect;
    g.ClientRect.Right += dx;
    g.ClientRect.Bottom += dy;
    g.CaptionRect = info.CaptionRect;
    if (!IsNullRect(g.CaptionRect))
        g.CaptionRect.Right += dx;
    // Buttons in the right half follow the right edge; the others stay put.
    g.ButtonsRect = info.ButtonsRect;
    if (g.ButtonsRect.Left > PictureWidth / 2)
        g.ButtonsRect = Moved(g.ButtonsRect, dx, 0);
    g.ButtonsInLeft = info.ButtonsInLeft;
    g.ButtonsOffset = info.ButtonsOffset;
    g.HitTestLTPoint = info.HitTestLTPoint;
    g.HitTestRTPoint = Moved(info.HitTestRTPoint, dx, 0);
    g.HitTestLBPoint = Moved(info.HitTestLBPoint, 0, dy);
    g.HitTestRBPoint = Moved(info.HitTestRBPoint, dx, dy);
    g.MaskRectArea = info.MaskRectArea;
    g.MaskRectArea.Right += dx;
    g.MaskRectArea.Bottom += dy;
    g.IconRect = MapSkinRect(info.IconRect, info, PictureWidth, PictureHeight, g.RBPoint);
    g.MainMenuRect = info.MainMenuRect;
    if (IsStretchableSkin(info))
        g.MainMenuRect.Right += dx;
    const TRect bottomLeft{0, info.LBPoint.Y, info.LBPoint.X, PictureHeight};
    if (PointInZone(bottomLeft, info.MainMenuRect.Left, info.MainMenuRect.Top))
        g.MainMenuRect = Moved(g.MainMenuRect, 0, dy);
    return g;
}

TRect MapSkinRect(const TRect& r, const TskFormInfo& info, int PictureWidth, int PictureHeight,
                  const TPoint& CurrentRB)
{
    const TPoint lt = info.LTPoint, rt = info.RTPoint, lb = info.LBPoint, rb = info.RBPoint;
    const TRect topLeft = CornerZone({0, 0, lt.X, lt.Y}, PictureWidth, PictureHeight);
    const TRect topRight = CornerZone({rt.X, 0, PictureWidth, rt.Y}, PictureWidth, PictureHeight);
    const TRect bottomLeft = CornerZone({0, lb.Y, lb.X, PictureHeight}, PictureWidth, PictureHeight);
    const TRect bottomRight = CornerZone({rb.X, rb.Y, PictureWidth, PictureHeight}, PictureWidth, PictureHeight);
    const int dx = CurrentRB.X - rb.X, dy = CurrentRB.Y - rb.Y;

    if (RectInRect(r, topLeft))
        return r;
    if (RectInRect(r, topRight))
        return Moved(r, dx, 0);
    if (RectInRect(r, bottomLeft))
        return Moved(r, 0, dy);
    if (RectInRect(r, bottomRight))
        return Moved(r, dx, dy);

    const TPoint a{r.Left, r.Top}, b{r.Right, r.Bottom};
    TRect m = r;
    if (PointInZone(topLeft, a) && PointInZone(bottomRight, b)) {
        m.Right += dx;
        m.Bottom += dy;
    } else if (PointInZone(topLeft, a) && PointInZone(topRight, b)) {
        m.Right += dx;
    } else if (PointInZone(bottomLeft, a) && PointInZone(bottomRight, b)) {
        m = Moved(m, 0, dy);
        m.Right += dx;
    } else if (PointInZone(topLeft, a) && PointInZone(bottomLeft, b)) {
        m.Bottom += dy;
    } else if (PointInZone(topRight, a) && PointInZone(bottomRight, b)) {
        m = Moved(m, dx, 0);
        m.Bottom += dy;
    }
    return m;
}

bool InsideFrameShape(const TskFrameGeometry& g, const TskMaskStrips& strips, bool HasMask, int Width, int Height,
                      int X, int Y)
{
    if (X < 0 || Y < 0 || X >= Width || Y >= Height)
        return false;
    if (!HasMask)
        return true;
    const TRect& a = g.MaskRectArea;
    if (PointInZone(a, X, Y))
        return true;
    if (Y < a.Top)
        return BlackAt(strips.Top, 0, 0, X, Y);
    if (Y >= a.Bottom)
        return BlackAt(strips.Bottom, 0, a.Bottom, X, Y);
    if (X < a.Left)
        return BlackAt(strips.Left, 0, a.Top, X, Y);
    return BlackAt(strips.Right, a.Right, a.Top, X, Y);
}

LRESULT FrameBorderCode(const TskFrameGeometry& g, int Width, int Height, int X, int Y)
{
    const TPoint lt = g.HitTestLTPoint, rt = g.HitTestRTPoint, lb = g.HitTestLBPoint, rb = g.HitTestRBPoint;
    if (X <= lt.X && Y <= lt.Y)
        return HTTOPLEFT;
    if (X >= rt.X && Y <= rt.Y)
        return HTTOPRIGHT;
    if (X <= lb.X && Y >= lb.Y)
        return HTBOTTOMLEFT;
    if (X >= rb.X && Y >= rb.Y)
        return HTBOTTOMRIGHT;
    const TRect& c = g.ClientRect;
    if (PointInZone(TRect{lt.X, 0, rt.X, c.Top}, X, Y))
        return HTTOP;
    if (PointInZone(TRect{lb.X, c.Bottom, rb.X, Height}, X, Y))
        return HTBOTTOM;
    if (PointInZone(TRect{0, lt.Y, c.Left, lb.Y}, X, Y))
        return HTLEFT;
    if (PointInZone(TRect{c.Right, rt.Y, Width, rb.Y}, X, Y))
        return HTRIGHT;
    return HTNOWHERE;
}

LRESULT DefaultBorderCode(int Width, int Height, int X, int Y)
{
    const bool left = X <= 2, top = Y <= 2, right = X >= Width - 2, bottom = Y >= Height - 2;
    if (left && top)
        return HTTOPLEFT;
    if (right && top)
        return HTTOPRIGHT;
    if (left && bottom)
        return HTBOTTOMLEFT;
    if (right && bottom)
        return HTBOTTOMRIGHT;
    if (left)
        return HTLEFT;
    if (top)
        return HTTOP;
    if (right)
        return HTRIGHT;
    if (bottom)
        return HTBOTTOM;
    return HTNOWHERE;
}

void SnapToArea(const TRect& Area, int Snap, int& Left, int& Top, int Height, int Width)
{
    auto within = [Snap](int a, int b) { return (a > b ? a - b : b - a) < Snap; };
    if (within(Left, Area.Left))
        Left = Area.Left;
    if (within(Top, Area.Top))
        Top = Area.Top;
    if (within(Left + Width, Area.Right))
        Left = Area.Right - Width;
    if (within(Top + Height, Area.Bottom))
        Top = Area.Bottom - Height;
}

gui::TSize SmallIconSize()
{
    gui::TSize size{::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)};
    if (size.cx == 0)
        size.cx = ::GetSystemMetrics(SM_CXSIZE);
    if (size.cy == 0)
        size.cy = ::GetSystemMetrics(SM_CYSIZE);
    return size;
}

}  // namespace sk
