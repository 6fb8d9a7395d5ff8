#include "skin/model/geometry.h"

namespace sk {

int RectWidth(const TRect& rect) { return rect.Right - rect.Left; }

int RectHeight(const TRect& rect) { return rect.Bottom - rect.Top; }

void ClearRect(TRect& rect) { rect = TRect{}; }

bool IsNullRect(const TRect& rect) { return rect.Right - rect.Left < 1 || rect.Bottom - rect.Top < 1; }

bool RectInPicture(const TRect& rect, int PictureWidth, int PictureHeight)
{
    return !IsNullRect(rect) && rect.Left >= 0 && rect.Top >= 0 && rect.Right <= PictureWidth &&
           rect.Bottom <= PictureHeight;
}

bool UnsetOrInPicture(const TRect& rect, int PictureWidth, int PictureHeight)
{
    return IsNullRect(rect) || RectInPicture(rect, PictureWidth, PictureHeight);
}

bool IsNullPoint(const TPoint& point) { return point.X == 0 || point.Y == 0; }

bool IsPointInRect(const TRect& rect, const TPoint& point)
{
    return point.X >= rect.Left && point.X <= rect.Right && point.Y >= rect.Top && point.Y <= rect.Bottom;
}

namespace {

bool PointInRectExclusive(const TRect& rect, const TPoint& point)
{
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
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
