#include "gui/graphics/image_list.h"

#include "win/gdi_handles.h"

namespace gui {

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList()
{
    // A control showing the pictures lets the handle go before it is destroyed.
    NotifyFreeNotifications();
    if (handle_)
        ::ImageList_Destroy(handle_);
}

void TImageList::SetSize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    Clear();
    if (handle_)
        ::ImageList_SetIconSize(handle_, width_, height_);  // empties it too
}

HIMAGELIST TImageList::Handle()
{
    if (handle_ || width_ <= 0 || height_ <= 0)
        return handle_;
    handle_ = ::ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, Count(), 4);
    if (handle_)
        for (auto& image : images_)
            AddNative(*image);
    return handle_;
}

void TImageList::AddNative(TBitmap& image)
{
    // The system list takes a bitmap of its own: the picture's stays selected
    // into its canvas, and the list may black out the transparent pixels of
    // what it is given.
    win::WindowDC screen;
    win::UniqueBitmap copy(::CreateCompatibleBitmap(screen.Get(), width_, height_));
    win::UniqueDC copyDC(::CreateCompatibleDC(screen.Get()));
    if (!copy || !copyDC)
        return;
    {
        win::SelectedObject select(copyDC.Get(), copy.Get());
        ::BitBlt(copyDC.Get(), 0, 0, width_, height_, image.Canvas().Handle(), 0, 0, SRCCOPY);
    }
    ::ImageList_AddMasked(handle_, copy.Get(), COLORREF(ColorToRGB(image.TransparentColor())));
}

int TImageList::AddMasked(TBitmap& bitmap, TColor transparent)
{
    if (bitmap.Empty() || width_ <= 0 || height_ <= 0)
        return -1;
    const TColor key = transparent == clDefault ? bitmap.Canvas().Pixels(0, bitmap.Height() - 1) : transparent;
    const int first = Count();
    for (int left = 0; left + width_ <= bitmap.Width(); left += width_) {
        auto image = std::make_unique<TBitmap>();
        image->SetSize(width_, height_);
        image->Canvas().CopyRect(Rect(0, 0, width_, height_), bitmap.Canvas(), Bounds(left, 0, width_, height_));
        image->SetTransparentColor(key);
        image->SetTransparent(true);
        if (handle_)
            AddNative(*image);
        images_.push_back(std::move(image));
    }
    return Count() > first ? first : -1;
}

void TImageList::Clear()
{
    images_.clear();
    if (handle_)
        ::ImageList_RemoveAll(handle_);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled)
{
    if (index < 0 || index >= Count())
        return;
    TBitmap& image = *images_[size_t(index)];
    if (enabled) {
        canvas.Draw(x, y, image);
        return;
    }
    const TColor key = image.TransparentColor();
    const uint32_t keyRGB = ColorToRGB(key);
    for (int pass = 0; pass < 2; ++pass) {
        // The highlight one pixel down and right, the shadow over it.
        const int offset = pass == 0 ? 1 : 0;
        const TColor colour = pass == 0 ? clBtnHighlight : clBtnShadow;
        for (int py = 0; py < height_; ++py)
            for (int px = 0; px < width_; ++px)
                if (uint32_t(image.Canvas().Pixels(px, py)) != keyRGB)
                    canvas.SetPixels(x + px + offset, y + py + offset, colour);
    }
}

void TImageList::GetIcon(int index, TIcon& icon)
{
    if (index < 0 || index >= Count())
        return;
    TBitmap& image = *images_[size_t(index)];
    const uint32_t key = ColorToRGB(image.TransparentColor());
    // The colour part black where the mask lets the background through, as icons
    // are drawn: background AND mask, then XOR colour.
    win::UniqueBitmap colour;
    {
        win::WindowDC screen;
        colour.Reset(::CreateCompatibleBitmap(screen.Get(), width_, height_));
    }
    win::UniqueBitmap mask(::CreateBitmap(width_, height_, 1, 1, nullptr));
    win::UniqueDC colourDC(::CreateCompatibleDC(nullptr));
    win::UniqueDC maskDC(::CreateCompatibleDC(nullptr));
    if (!colour || !mask || !colourDC || !maskDC)
        return;
    {
        win::SelectedObject selectColour(colourDC.Get(), colour.Get());
        win::SelectedObject selectMask(maskDC.Get(), mask.Get());
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const auto pixel = uint32_t(image.Canvas().Pixels(x, y));
                const bool see = pixel == key;
                ::SetPixelV(colourDC.Get(), x, y, see ? RGB(0, 0, 0) : COLORREF(pixel));
                ::SetPixelV(maskDC.Get(), x, y, see ? RGB(255, 255, 255) : RGB(0, 0, 0));
            }
    }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour.Get();
    info.hbmMask = mask.Get();
    if (HICON made = ::CreateIconIndirect(&info))
        icon.SetHandle(made);
}

}  // namespace gui
