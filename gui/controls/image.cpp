#include "gui/controls/image.h"

namespace gui {

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(Left(), Top(), 105, 105);
}

void TImage::SetIcon(const TIcon& value)
{
    icon_.Assign(value);
    Invalidate();
}

void TImage::SetIconHandle(HICON shared)
{
    icon_.AssignHandle(shared);
    Invalidate();
}

void TImage::Paint()
{
    if (!icon_.Empty())
        ::DrawIconEx(Canvas().Handle(), 0, 0, icon_.Handle(), 0, 0, 0, nullptr, DI_NORMAL);
}

}  // namespace gui
