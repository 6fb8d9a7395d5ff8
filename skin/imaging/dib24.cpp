#include "skin/imaging/dib24.h"

namespace sk {

Dib24 CopyToDib24(HBITMAP source, HDC dc)
{
    Dib24 dib;
    BITMAP bm{};
    if (!source || !::GetObjectA(source, sizeof bm, &bm) || bm.bmWidth < 1 || bm.bmHeight < 1)
        return dib;
    BITMAPINFOHEADER& h = dib.info.bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = bm.bmWidth;
    h.biHeight = -bm.bmHeight;  // top-down
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    void* bits = nullptr;
    win::UniqueBitmap section(::CreateDIBSection(nullptr, &dib.info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits)
        return dib;
    if (::GetDIBits(dc, source, 0, UINT(bm.bmHeight), bits, &dib.info, DIB_RGB_COLORS) == 0)
        return dib;
    dib.handle = std::move(section);
    dib.bits = static_cast<uint8_t*>(bits);
    dib.width = bm.bmWidth;
    dib.height = bm.bmHeight;
    dib.stride = 3 * bm.bmWidth + bm.bmWidth % 4;
    return dib;
}

}  // namespace sk
