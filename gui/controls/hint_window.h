// The small window that shows a control's hint next to the mouse cursor, and what
// the application tells a handler before it shows one. The application makes its
// hint window from HintWindowClass, so a program can install a window of its own
// kind.
#pragma once

#include <functional>
#include <string>

#include "gui/controls/custom_control.h"

namespace gui {

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);

    // Shows the text in the rectangle (screen coordinates), above every window,
    // without taking the activation.
    virtual void ActivateHint(TRect rect, const std::string& hint);
    // The size the text needs, lines broken at maxWidth, as a rectangle at (0, 0).
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Hides the window.
    void ReleaseHandle();

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    void CMVisibleChanged(TMessage& message);
};

// What a show-hint handler may change before a hint shows.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos;      // screen point of the mouse
    TPoint HintPos;        // screen point of the hint's top-left corner
    int HintMaxWidth = 0;  // where lines of the text break
    int HideTimeout = 0;   // milliseconds until the hint goes
    std::string HintStr;
};

// Runs before a hint shows: the handler may change the text, forbid the hint
// (canShow false) or move it.
using TShowHintEvent = std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo)>;

// Makes the application's hint window.
using THintWindowClass = std::function<THintWindow*(TComponent* owner)>;

template <typename T>
THintWindowClass HintWindowClassOf()
{
    return [](TComponent* owner) -> THintWindow* { return new T(owner); };
}

}  // namespace gui

namespace gui {

// How far below the mouse position a hint goes: from the hot spot of the current
// cursor down to the last row its picture covers (the system's cursor height for
// a colour cursor, or when the cursor cannot be read).
int CursorHeightMargin();

}  // namespace gui
