// Points and rectangles in pixels. A rectangle is Left, Top, Right, Bottom with
// the right and bottom edges outside it. Both are laid out as the platform's
// POINT and RECT, so they convert without copying field by field.
#pragma once

#include <cstdint>

namespace gui {

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

constexpr TPoint Point(int32_t x, int32_t y) { return TPoint{x, y}; }
constexpr TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return TRect{left, top, right, bottom};
}
constexpr TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return TRect{left, top, left + width, top + height};
}

constexpr bool operator==(TPoint a, TPoint b) { return a.X == b.X && a.Y == b.Y; }
constexpr bool operator!=(TPoint a, TPoint b) { return !(a == b); }
constexpr bool operator==(const TRect& a, const TRect& b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
constexpr bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }

}  // namespace gui
