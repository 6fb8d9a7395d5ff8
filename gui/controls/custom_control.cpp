#include "gui/controls/custom_control.h"

namespace gui {

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(*this) {}

void TCustomControl::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.WinClassName = "TCustomControl";
}

void TCustomControl::PaintWindow(HDC dc)
{
    canvas_.PaintOn(dc, [this] { Paint(); });
}

void TCustomControl::DestroyWnd()
{
    canvas_.FreeHandle();
    TWinControl::DestroyWnd();
}

}  // namespace gui
