#include "skin/forms/iconic_title.h"

#include <algorithm>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/graphics/canvas.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_objects.h"
#include "win/gdi_handles.h"

namespace sk {

TskIconicTitleParts IconicTitleParts(int width, int pictureWidth, int clientRight, int leftX, int rightX)
{
    TskIconicTitleParts parts;
    parts.Edge = std::clamp<int>(pictureWidth - clientRight, 0, width);
    parts.Corner = std::clamp<int>(leftX, 0, width - parts.Edge);
    parts.MiddleLeft = std::clamp<int>(leftX, 0, pictureWidth);
    parts.MiddleRight = std::clamp<int>(rightX, 0, pictureWidth);
    return parts;
}

bool TskIconicTitle::Iconic() const
{
    gui::TForm& form = parts_.Form();
    return form.HandleAllocated() && ::IsIconic(form.Handle());
}

void TskIconicTitle::Restore()
{
    if (gui::Application().MainForm() == &parts_.Form())
        gui::Application().Restore();
    if (Iconic())
        ::ShowWindow(parts_.Form().Handle(), SW_RESTORE);
}

bool TskIconicTitle::Handle(gui::TMessage& message)
{
    if (!Iconic())
        return false;
    if (message.Msg == WM_NCHITTEST) {
        message.Result = HTCAPTION;
        return true;
    }
    // The system's move loop asks for its own menu after a click that did not
    // move the title: a menu it draws without the skin (and with entries of its
    // own). The skin's system menu opens instead.
    if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_MOUSEMENU) {
        OpenSystemMenu();
        message.Result = 0;
        return true;
    }
    if (message.Msg == WM_NCPAINT && parts_.Frame().SkinUsable()) {
        Paint();
        message.Result = 0;
        return true;
    }
    return Mouse(message);
}

// The skin's title bar as wide as the title: its left corner, the stretching
// middle repeated, the frame's right edge (not the caption buttons, which do
// nothing here); the icon and the caption text over it.
void TskIconicTitle::Paint()
{
    const HWND window = parts_.Form().Handle();
    RECT bounds;
    ::GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    TskSkinData& skin = *parts_.Engine().SkinData();
    gui::TBitmap& picture = skin.Picture();
    if (width < 1 || height < 1 || picture.Empty())
        return;
    const TskFormInfo& info = skin.FormInfo;
    const int pictureWidth = picture.Width();
    const TskIconicTitleParts part =
        IconicTitleParts(width, pictureWidth, info.ClRect.Right, info.LTPoint.X, info.RTPoint.X);
    const int rows = std::min(height, picture.Height());
    const int middle = part.MiddleRight - part.MiddleLeft;
    gui::TBitmap title;
    title.SetSize(width, height);
    gui::TCanvas& canvas = title.Canvas();
    canvas.CopyRect(gui::Rect(0, 0, part.Corner, rows), picture.Canvas(), gui::Rect(0, 0, part.Corner, rows));
    for (int x = part.Corner; middle > 0 && x < width - part.Edge; x += middle) {
        const int piece = std::min(middle, width - part.Edge - x);
        canvas.CopyRect(gui::Rect(x, 0, x + piece, rows), picture.Canvas(),
                        gui::Rect(part.MiddleLeft, 0, part.MiddleLeft + piece, rows));
    }
    canvas.CopyRect(gui::Rect(width - part.Edge, 0, width, rows), picture.Canvas(),
                    gui::Rect(pictureWidth - part.Edge, 0, pictureWidth, rows));
    // The caption text and the window's icon go over it; an icon whose look the
    // picture holds is there already and draws nothing more.
    TskFrameObjectList& objects = parts_.Objects();
    for (const auto& object : objects.All()) {
        if (!object->Visible() || !objects.ShownInRollState(*object))
            continue;
        auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get());
        if (TskFrameObjectList::IsCaption(object.get()) || (button && button->Command() == cmSysMenu))
            object->Draw(title.Canvas(), false);
    }
    win::WindowFrameDC dc(window);
    gui::TCanvas(dc.Get()).Draw(0, 0, title);
}

// The system menu at the title's top-left corner.
void TskIconicTitle::OpenSystemMenu()
{
    RECT bounds;
    ::GetWindowRect(parts_.Form().Handle(), &bounds);
    menuOpened_ = true;
    parts_.SystemMenu().Open(gui::Point(bounds.left, bounds.top));
}

// Mouse messages on the minimized title, instead of the frame objects.
bool TskIconicTitle::Mouse(gui::TMessage& message)
{
    gui::TForm& form = parts_.Form();
    switch (message.Msg) {
    case WM_NCLBUTTONDBLCLK:
        Restore();
        message.Result = 0;
        return true;
    case WM_NCLBUTTONDOWN: {
        // The system drags the title; a click that does not move it opens the
        // system menu, as on a minimized window of the system's (once: the
        // system's move loop may have asked for it already).
        RECT before, after;
        ::GetWindowRect(form.Handle(), &before);
        menuOpened_ = false;
        parts_.CallFormProc(message);
        ::GetWindowRect(form.Handle(), &after);
        if (Iconic() && !menuOpened_ && ::EqualRect(&before, &after))
            OpenSystemMenu();
        return true;
    }
    case WM_NCRBUTTONDOWN:
        parts_.SystemMenu().Open(gui::MousePos(message));
        message.Result = 0;
        return true;
    case WM_NCMOUSEMOVE: case WM_NCLBUTTONUP: case WM_NCRBUTTONUP: case WM_NCRBUTTONDBLCLK:
        parts_.CallFormProc(message);
        return true;
    default:
        return false;
    }
}

}  // namespace sk
