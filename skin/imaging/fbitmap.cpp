#include "skin/imaging/fbitmap.h"

namespace sk {

TFBitmap::TFBitmap(HBITMAP source)
{
    {
        win::WindowDC screen;
        dib_ = CopyToDib24(source, screen.Get());
    }
    rows_.reserve(size_t(dib_.height));
    for (int y = 0; y < dib_.height; ++y)
        rows_.push_back(dib_.Row(y));
    dc_.Reset(::CreateCompatibleDC(nullptr));
    if (dc_ && dib_.handle)
        oldBitmap_ = ::SelectObject(dc_.Get(), dib_.handle.Get());
}

TFBitmap::~TFBitmap()
{
    if (oldBitmap_)
        ::SelectObject(dc_.Get(), oldBitmap_);
}

}  // namespace sk
