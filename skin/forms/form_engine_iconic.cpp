// The form minimized by the system. Where no taskbar takes minimized windows
// (a display without a window manager), the system keeps a minimized window as a
// small title at the bottom of the screen: the engine paints it from the skin's
// title bar, lets it be dragged, restores it on a double click, and opens the
// system menu (with Restore) on a click or a right click.
#include <algorithm>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/graphics/canvas.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_objects.h"
#include "win/gdi_handles.h"

namespace sk {

bool TskFormSkinEngine::Iconic() const { return form_->HandleAllocated() && ::IsIconic(form_->Handle()); }

void TskFormSkinEngine::RestoreIconic()
{
    if (gui::Application().MainForm() == form_)
        gui::Application().Restore();
    if (Iconic())
        ::ShowWindow(form_->Handle(), SW_RESTORE);
}

// The skin's title bar as wide as the title: its left corner, the stretching
// middle repeated, the frame's right edge (not the caption buttons, which do
// nothing here); the icon and the caption text over it.
void TskFormSkinEngine::PaintIconicTitle()
{
    const HWND window = form_->Handle();
    RECT wr;
    ::GetWindowRect(window, &wr);
    const int W = wr.right - wr.left, H = wr.bottom - wr.top;
    gui::TBitmap& picture = skinData_->Picture();
    if (W < 1 || H < 1 || picture.Empty())
        return;
    const TskFormInfo& info = skinData_->FormInfo;
    const int PW = picture.Width();
    const int edge = std::clamp<int>(PW - info.ClRect.Right, 0, W);
    const int corner = std::clamp<int>(info.LTPoint.X, 0, W - edge);
    const int middleLeft = std::clamp<int>(info.LTPoint.X, 0, PW), middleRight = std::clamp<int>(info.RTPoint.X, 0, PW);
    const int rows = std::min(H, picture.Height());
    gui::TBitmap title;
    title.SetSize(W, H);
    gui::TCanvas& canvas = title.Canvas();
    canvas.CopyRect(gui::Rect(0, 0, corner, rows), picture.Canvas(), gui::Rect(0, 0, corner, rows));
    for (int x = corner; middleRight > middleLeft && x < W - edge; x += middleRight - middleLeft) {
        const int w = std::min(middleRight - middleLeft, W - edge - x);
        canvas.CopyRect(gui::Rect(x, 0, x + w, rows), picture.Canvas(),
                        gui::Rect(middleLeft, 0, middleLeft + w, rows));
    }
    canvas.CopyRect(gui::Rect(W - edge, 0, W, rows), picture.Canvas(), gui::Rect(PW - edge, 0, PW, rows));
    // The caption text and the window's icon go over it; an icon whose look the
    // picture holds is there already and draws nothing more.
    for (auto& object : objects_) {
        if (!object->Visible || !ShownInRollState(*object))
            continue;
        auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get());
        if (IsCaptionObject(object.get()) || (button && button->Command == cmSysMenu))
            object->Draw(title.Canvas(), false);
    }
    win::WindowFrameDC dc(window);
    gui::TCanvas(dc.Get()).Draw(0, 0, title);
}

// Mouse messages on the minimized title, instead of the frame objects: true
// when the message was handled here.
bool TskFormSkinEngine::IconicMouse(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_NCLBUTTONDBLCLK:
        RestoreIconic();
        message.Result = 0;
        return true;
    case WM_NCLBUTTONDOWN: {
        // The system drags the title; a click that does not move it opens the
        // system menu, as on a minimized window of the system's.
        RECT before, after;
        ::GetWindowRect(form_->Handle(), &before);
        CallSaved(message);
        ::GetWindowRect(form_->Handle(), &after);
        if (Iconic() && ::EqualRect(&before, &after))
            OpenSystemMenu(gui::Point(before.left, before.top));
        return true;
    }
    case WM_NCRBUTTONDOWN:
        OpenSystemMenu(gui::MousePos(message));
        message.Result = 0;
        return true;
    case WM_NCMOUSEMOVE: case WM_NCLBUTTONUP: case WM_NCRBUTTONUP: case WM_NCRBUTTONDBLCLK:
        CallSaved(message);
        return true;
    default:
        return false;
    }
}

}  // namespace sk
