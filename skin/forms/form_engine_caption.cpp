// A press on the caption. The system's move starts only once the pointer moves
// with the button held: under a window manager the move is the manager's, and a
// move begun at the press keeps the release and the next press for itself, so
// that a double click on the caption never arrives. A press that is let go where
// it was is a click, and the second of two is a double click.
#include <cstdlib>

#include "gui/controls/form.h"
#include "skin/forms/form_skin_engine.h"

namespace sk {

bool TskFormSkinEngine::CaptionPressMoves(const gui::TMessage& message)
{
    // A maximized form stays where it is.
    if (windowState_ == wsMaximized && !IsMDIChild())
        return false;
    const gui::TPoint start = gui::MousePos(message);
    const int reachX = ::GetSystemMetrics(SM_CXDRAG), reachY = ::GetSystemMetrics(SM_CYDRAG);
    const int button = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    // The pointer and the button as they are now, not as the messages queued
    // so far tell: the press stays the message being handled, and the move
    // that follows starts from where it was.
    for (;;) {
        if (!(::GetAsyncKeyState(button) & 0x8000))
            return false;
        POINT p;
        ::GetCursorPos(&p);
        if (std::abs(p.x - start.X) > reachX || std::abs(p.y - start.Y) > reachY)
            return true;
        if (!form_->HandleAllocated() || !::IsWindowVisible(form_->Handle()))
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_INPUT);
    }
}

}  // namespace sk
