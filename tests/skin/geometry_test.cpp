// Rectangle and point tests of the skin engine, and the JPEG name test.
#include <gtest/gtest.h>

#include <utility>

#include "skin/model/geometry.h"
#include "skin/model/jpeg_name.h"

using namespace sk;
using gui::Point;
using gui::Rect;

TEST(Geometry, NullRectanglesAndPoints)
{
    EXPECT_TRUE(IsNullRect(Rect(5, 5, 5, 9)));
    EXPECT_TRUE(IsNullRect(Rect(5, 9, 8, 2)));  // inverted counts as unset
    EXPECT_FALSE(IsNullRect(Rect(0, 0, 1, 1)));
    EXPECT_TRUE(IsNullPoint(Point(0, 7)));
    EXPECT_TRUE(IsNullPoint(Point(7, 0)));
    EXPECT_FALSE(IsNullPoint(Point(-1, 1)));
    TRect r = Rect(1, 2, 3, 4);
    EXPECT_EQ(RectWidth(r), 2);
    EXPECT_EQ(RectHeight(Rect(0, 10, 0, 4)), -6);
    ClearRect(r);
    EXPECT_EQ(r, Rect(0, 0, 0, 0));
}

TEST(Geometry, PointInRectIncludesEveryEdgeButRectInRectNotTheFarOnes)
{
    const TRect r = Rect(10, 10, 20, 20);
    EXPECT_TRUE(IsPointInRect(r, Point(20, 20)));
    EXPECT_TRUE(IsPointInRect(r, Point(10, 15)));
    EXPECT_FALSE(IsPointInRect(r, Point(21, 15)));
    EXPECT_FALSE(RectInRect(r, r));
    EXPECT_TRUE(RectInRect(Rect(10, 10, 19, 19), r));
    EXPECT_FALSE(RectInRect(Rect(9, 10, 15, 15), r));
}

TEST(Geometry, JpegPicturesAreKnownByTheirExtensionInAnyCase)
{
    const std::pair<const char*, bool> names[] = {
        {"back.jpg", true},      {"back.jpeg", true}, {"BACK.JPG", true},    {"photo.Jpeg", true},
        {"dir.x\\a.JpG", true},  {"a.jpg.bmp", false}, {"back.bmp", false},   {"jpg", false},
        {"a.jpgx", false},       {"dir.jpg\\a", false}, {"dir.jpg/a.bmp", false}, {"", false},
    };
    for (const auto& name : names)
        EXPECT_EQ(IsJpegFileName(name.first), name.second) << name.first;
}
