#include "gui/graphics/icon.h"

#include "win/gdi_handles.h"

namespace gui {

namespace {

SIZE IconSize(HICON icon)
{
    SIZE size{0, 0};
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info))
        return size;
    win::UniqueBitmap colour(info.hbmColor);
    win::UniqueBitmap mask(info.hbmMask);
    BITMAP bm{};
    if (colour && ::GetObjectA(colour.Get(), sizeof bm, &bm)) {
        size = {bm.bmWidth, bm.bmHeight};
    } else if (mask && ::GetObjectA(mask.Get(), sizeof bm, &bm)) {
        // A monochrome icon: the mask holds the AND and the XOR halves.
        size = {bm.bmWidth, bm.bmHeight / 2};
    }
    return size;
}

}  // namespace

void TIcon::Assign(const TIcon& other)
{
    if (&other != this)
        AssignHandle(other.Handle());
}

void TIcon::AssignHandle(HICON shared) { handle_.Reset(shared ? ::CopyIcon(shared) : nullptr); }

int TIcon::Width() const { return int(IconSize(Handle()).cx); }

int TIcon::Height() const { return int(IconSize(Handle()).cy); }

}  // namespace gui
