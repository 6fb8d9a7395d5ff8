#include "skin/model/geometry.h"

namespace sk {

int RectWidth(const TRect& r) { return r.Right - r.Left; }

int RectHeight(const TRect& r) { return r.Bottom - r.Top; }

void ClearRect(TRect& r) { r = TRect{}; }

bool IsNullRect(const TRect& r) { return r.Right - r.Left < 1 || r.Bottom - r.Top < 1; }

bool RectInPicture(const TRect& r, int PictureWidth, int PictureHeight)
{
    return !IsNullRect(r) && r.Left >= 0 && r.Top >= 0 && r.Right <= PictureWidth && r.Bottom <= PictureHeight;
}

bool UnsetOrInPicture(const TRect& r, int PictureWidth, int PictureHeight)
{
    return IsNullRect(r) || RectInPicture(r, PictureWidth, PictureHeight);
}

bool IsNullPoint(const TPoint& p) { return p.X == 0 || p.Y == 0; }

bool IsPointInRect(const TRect& r, const TPoint& p)
{
    return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}

namespace {

bool PointInRectExclusive(const TRect& r, const TPoint& p)
{
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

}  // namespace

bool RectInRect(const TRect& inner, const TRect& outer)
{
    return PointInRectExclusive(outer, TPoint{inner.Left, inner.Top}) &&
           PointInRectExclusive(outer, TPoint{inner.Right, inner.Bottom});
}

TRect CornerZone(const TRect& zone, int PictureWidth, int PictureHeight)
{
    TRect r = zone;
    if (r.Right >= PictureWidth)
        r.Right = PictureWidth + 1;
    if (r.Bottom >= PictureHeight)
        r.Bottom = PictureHeight + 1;
    return r;
}

}  // namespace sk
