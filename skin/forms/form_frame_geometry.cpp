#include "skin/forms/form_frame_geometry.h"

#include "gui/graphics/canvas.h"
#include "skin/model/geometry.h"

namespace sk {

namespace {

using gui::TPoint;
using gui::TRect;

TPoint Moved(TPoint point, int dx, int dy) { return TPoint{point.X + dx, point.Y + dy}; }

TRect Moved(const TRect& rect, int dx, int dy)
{
    return TRect{rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

bool PointInZone(const TRect& zone, int x, int y)
{
    return x >= zone.Left && x < zone.Right && y >= zone.Top && y < zone.Bottom;
}

bool PointInZone(const TRect& zone, TPoint point) { return PointInZone(zone, point.X, point.Y); }

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

TskFrameGeometry ComputeFrameGeometry(const TskFormInfo& info, int pictureWidth, int pictureHeight, int width,
                                      int height)
{
    const int dx = width - pictureWidth, dy = height - pictureHeight;
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
    if (g.ButtonsRect.Left > pictureWidth / 2)
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
    g.IconRect = MapSkinRect(info.IconRect, info, pictureWidth, pictureHeight, g.RBPoint);
    g.MainMenuRect = info.MainMenuRect;
    if (IsStretchableSkin(info))
        g.MainMenuRect.Right += dx;
    const TRect bottomLeft{0, info.LBPoint.Y, info.LBPoint.X, pictureHeight};
    if (PointInZone(bottomLeft, info.MainMenuRect.Left, info.MainMenuRect.Top))
        g.MainMenuRect = Moved(g.MainMenuRect, 0, dy);
    return g;
}

TRect MapSkinRect(const TRect& rect, const TskFormInfo& info, int pictureWidth, int pictureHeight,
                  const TPoint& currentRB)
{
    const TPoint lt = info.LTPoint, rt = info.RTPoint, lb = info.LBPoint, rb = info.RBPoint;
    const TRect topLeft = CornerZone({0, 0, lt.X, lt.Y}, pictureWidth, pictureHeight);
    const TRect topRight = CornerZone({rt.X, 0, pictureWidth, rt.Y}, pictureWidth, pictureHeight);
    const TRect bottomLeft = CornerZone({0, lb.Y, lb.X, pictureHeight}, pictureWidth, pictureHeight);
    const TRect bottomRight = CornerZone({rb.X, rb.Y, pictureWidth, pictureHeight}, pictureWidth, pictureHeight);
    const int dx = currentRB.X - rb.X, dy = currentRB.Y - rb.Y;

    if (RectInRect(rect, topLeft))
        return rect;
    if (RectInRect(rect, topRight))
        return Moved(rect, dx, 0);
    if (RectInRect(rect, bottomLeft))
        return Moved(rect, 0, dy);
    if (RectInRect(rect, bottomRight))
        return Moved(rect, dx, dy);

    const TPoint topLeftCorner{rect.Left, rect.Top}, bottomRightCorner{rect.Right, rect.Bottom};
    TRect mapped = rect;
    if (PointInZone(topLeft, topLeftCorner) && PointInZone(bottomRight, bottomRightCorner)) {
        mapped.Right += dx;
        mapped.Bottom += dy;
    } else if (PointInZone(topLeft, topLeftCorner) && PointInZone(topRight, bottomRightCorner)) {
        mapped.Right += dx;
    } else if (PointInZone(bottomLeft, topLeftCorner) && PointInZone(bottomRight, bottomRightCorner)) {
        mapped = Moved(mapped, 0, dy);
        mapped.Right += dx;
    } else if (PointInZone(topLeft, topLeftCorner) && PointInZone(bottomLeft, bottomRightCorner)) {
        mapped.Bottom += dy;
    } else if (PointInZone(topRight, topLeftCorner) && PointInZone(bottomRight, bottomRightCorner)) {
        mapped = Moved(mapped, dx, 0);
        mapped.Bottom += dy;
    }
    return mapped;
}

bool InsideFrameShape(const TskFrameGeometry& geometry, const TskMaskStrips& strips, bool hasMask, int width,
                      int height, int x, int y)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    if (!hasMask)
        return true;
    const TRect& area = geometry.MaskRectArea;
    if (PointInZone(area, x, y))
        return true;
    if (y < area.Top)
        return BlackAt(strips.Top, 0, 0, x, y);
    if (y >= area.Bottom)
        return BlackAt(strips.Bottom, 0, area.Bottom, x, y);
    if (x < area.Left)
        return BlackAt(strips.Left, 0, area.Top, x, y);
    return BlackAt(strips.Right, area.Right, area.Top, x, y);
}

LRESULT FrameBorderCode(const TskFrameGeometry& geometry, int width, int height, int x, int y)
{
    const TPoint lt = geometry.HitTestLTPoint, rt = geometry.HitTestRTPoint, lb = geometry.HitTestLBPoint,
                 rb = geometry.HitTestRBPoint;
    if (x <= lt.X && y <= lt.Y)
        return HTTOPLEFT;
    if (x >= rt.X && y <= rt.Y)
        return HTTOPRIGHT;
    if (x <= lb.X && y >= lb.Y)
        return HTBOTTOMLEFT;
    if (x >= rb.X && y >= rb.Y)
        return HTBOTTOMRIGHT;
    const TRect& client = geometry.ClientRect;
    if (PointInZone(TRect{lt.X, 0, rt.X, client.Top}, x, y))
        return HTTOP;
    if (PointInZone(TRect{lb.X, client.Bottom, rb.X, height}, x, y))
        return HTBOTTOM;
    if (PointInZone(TRect{0, lt.Y, client.Left, lb.Y}, x, y))
        return HTLEFT;
    if (PointInZone(TRect{client.Right, rt.Y, width, rb.Y}, x, y))
        return HTRIGHT;
    return HTNOWHERE;
}

LRESULT DefaultBorderCode(int width, int height, int x, int y)
{
    const bool left = x <= 2, top = y <= 2, right = x >= width - 2, bottom = y >= height - 2;
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

void SnapToArea(const TRect& area, int snap, int& left, int& top, int height, int width)
{
    auto within = [snap](int one, int other) { return (one > other ? one - other : other - one) < snap; };
    if (within(left, area.Left))
        left = area.Left;
    if (within(top, area.Top))
        top = area.Top;
    if (within(left + width, area.Right))
        left = area.Right - width;
    if (within(top + height, area.Bottom))
        top = area.Bottom - height;
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
