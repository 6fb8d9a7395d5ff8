// Regions from mask pictures: runs, offsets, what counts as black, palettes, a
// mask with more runs than the first run list held, and regions at a new size.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "gui/graphics/win_types.h"
#include "picture_fixtures.h"
#include "skin/imaging/mask_region.h"

using namespace sk;
using namespace skintest;
using gui::Point;
using gui::Rect;

namespace {

RGNDATAHEADER Header(const std::vector<uint8_t>& data)
{
    RGNDATAHEADER h{};
    std::memcpy(&h, data.data(), sizeof h);
    return h;
}

RECT RunAt(const std::vector<uint8_t>& data, size_t i)
{
    RECT r{};
    std::memcpy(&r, data.data() + 32 + 16 * i, sizeof r);
    return r;
}

bool Inside(const win::UniqueRegion& region, int x, int y) { return ::PtInRegion(region.Get(), x, y) != 0; }

}  // namespace

TEST(MaskRegion, EachRunOfBlackInARowIsOneRectangle)
{
    gui::TBitmap mask;
    MakeMask(mask, {"##..###",
                    ".......",
                    "#######",
                    ".g#.#g."});
    std::vector<uint8_t> data;
    const uint32_t length = CreateMaskRegionData(mask, 0, 30, data);
    ASSERT_EQ(length, 32u + 16u * 5u);
    ASSERT_EQ(data.size(), length);
    const RGNDATAHEADER h = Header(data);
    EXPECT_EQ(h.dwSize, 32u);
    EXPECT_EQ(h.iType, DWORD(RDH_RECTANGLES));
    EXPECT_EQ(h.nCount, 5u);
    EXPECT_EQ(h.nRgnSize, 0u);
    EXPECT_EQ(gui::FromRECT(h.rcBound), Rect(0, 30, 7, 34));
    EXPECT_EQ(gui::FromRECT(RunAt(data, 0)), Rect(0, 30, 2, 31));
    EXPECT_EQ(gui::FromRECT(RunAt(data, 1)), Rect(4, 30, 7, 31));
    EXPECT_EQ(gui::FromRECT(RunAt(data, 2)), Rect(0, 32, 7, 33));  // a full row: one run
    EXPECT_EQ(gui::FromRECT(RunAt(data, 3)), Rect(2, 33, 3, 34));  // (1, 1, 1) is outside
    EXPECT_EQ(gui::FromRECT(RunAt(data, 4)), Rect(4, 33, 5, 34));
}

TEST(MaskRegion, AnyChannelAboveZeroIsOutside)
{
    gui::TBitmap mask;
    MakePicture(mask, 4, 1, 24, {}, [](int x, int) {
        const uint32_t colours[] = {0x000000, 0x010000, 0x000100, 0x000001};
        return colours[x];
    });
    const win::UniqueRegion region = MaskToRegion(mask);
    EXPECT_TRUE(Inside(region, 0, 0));
    for (int x = 1; x < 4; ++x)
        EXPECT_FALSE(Inside(region, x, 0)) << x;
}

TEST(MaskRegion, AllWhiteGivesAnEmptyRegionAndNoMaskNone)
{
    gui::TBitmap mask;
    MakeMask(mask, {"...", "..."});
    std::vector<uint8_t> data;
    EXPECT_EQ(CreateMaskRegionData(mask, 0, 0, data), 32u);
    EXPECT_EQ(Header(data).nCount, 0u);
    const win::UniqueRegion region = MaskToRegion(mask);
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(::GetRgnBox(region.Get(), &box), NULLREGION);

    gui::TBitmap empty;
    EXPECT_EQ(CreateMaskRegionData(empty, 0, 0, data), 0u);
    EXPECT_TRUE(data.empty());
    EXPECT_FALSE(MaskToRegion(empty));
}

TEST(MaskRegion, PaletteMasksGoThroughTheirPalette)
{
    // A 1-bit mask whose palette is inverted: index 0 white, index 1 black.
    gui::TBitmap mask;
    MakePicture(mask, 9, 2, 1, {0xFFFFFF, 0x000000}, [](int x, int y) { return uint32_t(x < 3 + y); });
    const win::UniqueRegion region = MaskToRegion(mask);
    EXPECT_TRUE(Inside(region, 2, 0));
    EXPECT_FALSE(Inside(region, 3, 0));
    EXPECT_TRUE(Inside(region, 3, 1));
    EXPECT_FALSE(Inside(region, 8, 1));

    gui::TBitmap eightBit;
    MakePicture(eightBit, 3, 1, 8, {0x010101, 0x000000}, [](int x, int) { return uint32_t(x == 1); });
    const win::UniqueRegion region8 = MaskToRegion(eightBit);
    EXPECT_FALSE(Inside(region8, 0, 0));
    EXPECT_TRUE(Inside(region8, 1, 0));
}

TEST(MaskRegion, ACheckerboardWithTwentyThousandRunsIsWhole)
{
    gui::TBitmap mask;
    MakePicture(mask, 200, 200, 1, {0x000000, 0xFFFFFF}, [](int x, int y) { return uint32_t((x + y) % 2); });
    std::vector<uint8_t> data;
    CreateMaskRegionData(mask, 0, 0, data);
    EXPECT_EQ(Header(data).nCount, 20000u);
    const win::UniqueRegion region = MaskToRegion(mask);
    ASSERT_TRUE(region);
    int wrong = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            wrong += Inside(region, x, y) != ((x + y) % 2 == 0);
    EXPECT_EQ(wrong, 0);
}

TEST(MaskRegion, SkinRegionAtANewSize)
{
    // A 20 x 20 mask with three cut corners, frame 5 wide, edge middles 5..15.
    std::vector<std::string> rows(20, std::string(20, '#'));
    rows[0][0] = rows[0][19] = rows[19][0] = '.';
    gui::TBitmap mask;
    MakeMask(mask, rows);
    const SkinGeometry skin{Point(5, 5), Point(15, 5), Point(5, 15), Point(15, 15), Rect(5, 5, 15, 15)};
    const SkinGeometry larger{Point(5, 5), Point(35, 5), Point(5, 25), Point(35, 25), Rect(5, 5, 35, 25)};
    const win::UniqueRegion region = MakeSkinRegion(skin, larger, mask, 40);
    ASSERT_TRUE(region);
    RECT box;
    ::GetRgnBox(region.Get(), &box);
    EXPECT_EQ(gui::FromRECT(box), Rect(0, 0, 40, 30));
    EXPECT_FALSE(Inside(region, 0, 0));
    EXPECT_FALSE(Inside(region, 39, 0));
    EXPECT_FALSE(Inside(region, 0, 29));
    EXPECT_TRUE(Inside(region, 39, 29));
    for (const auto& p : {Point(1, 0), Point(20, 0), Point(38, 0), Point(2, 12), Point(37, 12), Point(20, 15),
                          Point(20, 29), Point(1, 29)})
        EXPECT_TRUE(Inside(region, p.X, p.Y)) << p.X << "," << p.Y;

    SkinGeometry inverted = larger;
    inverted.RTPoint.X = 4;
    EXPECT_FALSE(MakeSkinRegion(skin, inverted, mask, 40));
    SkinGeometry noClient = larger;
    noClient.ClRect = Rect(5, 5, 5, 25);
    EXPECT_FALSE(MakeSkinRegion(skin, noClient, mask, 40));
}
