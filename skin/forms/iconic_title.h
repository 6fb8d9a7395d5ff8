// The form minimized by the system. Where no taskbar takes minimized windows (a
// display without a window manager), the system keeps a minimized window as a
// small title at the bottom of the screen: the engine paints it from the skin's
// title bar, lets it be dragged, restores it on a double click, and opens the
// system menu (with Restore) on a click or a right click.
#pragma once

#include "gui/controls/message.h"

namespace sk {

class TskEngineParts;

// Which columns of the skin picture make a minimized title Width pixels wide: the
// picture's left corner (Corner pixels), its stretching middle (MiddleLeft to
// MiddleRight) repeated, and its right edge (Edge pixels) at the title's end.
struct TskIconicTitleParts {
    int Corner = 0, Edge = 0;
    int MiddleLeft = 0, MiddleRight = 0;
};
TskIconicTitleParts IconicTitleParts(int width, int pictureWidth, int clientRight, int leftX, int rightX);

class TskIconicTitle {
public:
    explicit TskIconicTitle(TskEngineParts& parts) : parts_(parts) {}
    TskIconicTitle(const TskIconicTitle&) = delete;
    TskIconicTitle& operator=(const TskIconicTitle&) = delete;

    // The system keeps the form minimized.
    bool Iconic() const;
    // Back from the system's minimized state; the main form brings the program back.
    void Restore();
    // The messages of the minimized title (hit test, painting, the mouse): true
    // when the message was handled here.
    bool Handle(gui::TMessage& message);

private:
    void Paint();
    bool Mouse(gui::TMessage& message);
    void OpenSystemMenu();

    TskEngineParts& parts_;
    bool menuOpened_ = false;  // the system menu opened during the current click
};

}  // namespace sk
