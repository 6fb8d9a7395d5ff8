#include "gui/controls/control_canvas.h"

#include "gui/controls/win_control.h"
#include "gui/core/scope_exit.h"

namespace gui {

void TControlCanvas::CreateHandle()
{
    FreeHandle();
    if (auto* window = dynamic_cast<TWinControl*>(&control_)) {
        window_ = window->Handle();
        fetched_ = ::GetDCEx(window_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    } else if (TWinControl* parent = control_.Parent()) {
        window_ = parent->Handle();
        fetched_ = ::GetDCEx(window_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
        if (fetched_) {
            ::SetViewportOrgEx(fetched_, control_.Left(), control_.Top(), nullptr);
            ::IntersectClipRect(fetched_, 0, 0, control_.Width(), control_.Height());
        }
    }
    if (fetched_)
        AttachHandle(fetched_);
}

void TControlCanvas::FreeHandle()
{
    if (fetched_) {
        DeselectObjects();
        AttachHandle(nullptr);
        ::ReleaseDC(window_, fetched_);
        fetched_ = nullptr;
        window_ = nullptr;
    } else {
        SetHandle(nullptr);
    }
}

void TControlCanvas::PaintOn(HDC dc, const std::function<void()>& paint)
{
    FreeHandle();
    SetHandle(dc);
    const auto painted = ScopeExit([this] { SetHandle(nullptr); });
    paint();
}

}  // namespace gui
