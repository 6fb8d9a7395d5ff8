#include "skin/imaging/mask_region.h"

#include <cstring>

#include "skin/imaging/fbitmap.h"
#include "skin/imaging/frame_strips.h"

namespace sk {

namespace {

constexpr size_t kHeaderSize = sizeof(RGNDATAHEADER);
static_assert(kHeaderSize == 32 && sizeof(RECT) == 16, "region data layout");

bool IsBlack(const uint8_t* pixel) { return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0; }

win::UniqueRegion RegionFromData(const std::vector<uint8_t>& data)
{
    if (data.empty())
        return win::UniqueRegion();
    return win::UniqueRegion(
        ::ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace

uint32_t CreateMaskRegionData(gui::TBitmap& mask, int dx, int dy, std::vector<uint8_t>& data)
{
    data.clear();
    if (mask.Empty())
        return 0;
    // The run list grows as needed: a busy mask (a checkerboard) has far more runs
    // than rows.
    std::vector<RECT> runs;
    {
        TFBitmap pixels(mask.Handle());
        for (int y = 0; y < pixels.Height(); ++y) {
            const uint8_t* row = pixels.Row(y);
            int x = 0;
            while (x < pixels.Width()) {
                if (!IsBlack(row + 3 * x)) {
                    ++x;
                    continue;
                }
                const int x1 = x;
                while (x < pixels.Width() && IsBlack(row + 3 * x))
                    ++x;
                runs.push_back(RECT{dx + x1, dy + y, dx + x, dy + y + 1});
            }
        }
    }
    data.assign(kHeaderSize + runs.size() * sizeof(RECT), 0);
    RGNDATAHEADER header{};
    header.dwSize = DWORD(kHeaderSize);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(runs.size());
    header.nRgnSize = 0;
    header.rcBound = RECT{dx, dy, dx + mask.Width(), dy + mask.Height()};
    std::memcpy(data.data(), &header, kHeaderSize);
    if (!runs.empty())
        std::memcpy(data.data() + kHeaderSize, runs.data(), runs.size() * sizeof(RECT));
    return uint32_t(data.size());
}

win::UniqueRegion MaskToRegion(gui::TBitmap& mask)
{
    std::vector<uint8_t> data;
    CreateMaskRegionData(mask, 0, 0, data);
    return RegionFromData(data);
}

win::UniqueRegion MakeSkinRegion(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& mask,
                                 int newWidth)
{
    const SkinGeometry& n = resized;
    if (n.RTPoint.X < n.LTPoint.X || n.LBPoint.Y < n.LTPoint.Y || IsNullRect(n.ClRect))
        return win::UniqueRegion();

    gui::TBitmap top, left, right, bottom;
    MakeSkinFrameStrips(skin, resized, mask, top, left, right, bottom, newWidth);

    win::UniqueRegion result(::CreateRectRgn(n.ClRect.Left, n.ClRect.Top, n.ClRect.Right, n.ClRect.Bottom));
    const struct {
        gui::TBitmap& strip;
        int dx, dy;
    } strips[] = {
        {top, 0, 0},
        {bottom, 0, n.ClRect.Bottom},
        {left, 0, n.ClRect.Top},
        {right, n.ClRect.Right, n.ClRect.Top},
    };
    for (const auto& s : strips) {
        if (s.strip.Width() < 1 || s.strip.Height() < 1)
            continue;
        std::vector<uint8_t> data;
        CreateMaskRegionData(s.strip, s.dx, s.dy, data);
        win::UniqueRegion part = RegionFromData(data);
        if (part && result)
            ::CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR);
    }
    return result;
}

}  // namespace sk
