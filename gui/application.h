// The program as a whole: its title, what becomes of an exception that reaches a
// window procedure or a timer, the message pump for waiting callers, and which
// control the mouse cursor is over.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "gui/component.h"
#include "gui/wnd_proc_chain.h"

namespace gui {

class TControl;

class TApplication : public TComponent {
public:
    TApplication();

    // The program file's name without extension unless set.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }

    // Replaces the message box of ShowException.
    std::function<void(TComponent* Sender, const std::exception& E)> OnException;
    // Called inside a catch block: hands the exception being handled to
    // OnException, or shows it. An exception of no known kind is shown as one
    // without a message.
    void HandleException(TComponent* sender);
    // Runs a handler of a message that the system delivered: an exception must not
    // unwind through the system's frames, so it goes to HandleException and the
    // message is answered with 0.
    void DispatchGuarded(TComponent* sender, TMessage& message, const TWndMethod& handler);
    // A message box captioned with the title.
    void ShowException(const std::exception& e);

    // Dispatches every message waiting for this thread. A WM_QUIT found on the way
    // is posted again for the caller's loop and ends the call.
    void ProcessMessages();

    // The topmost enabled control under the mouse cursor, as the last mouse
    // message left it.
    TControl* MouseControl() const { return mouseControl_; }

private:
    friend class TControl;
    friend class TWinControl;
    void SetMouseControl(TControl* control);
    void ControlDestroying(TControl* control);

    std::string title_;
    TControl* mouseControl_ = nullptr;
};

// The one application of the program.
TApplication& Application();

}  // namespace gui
