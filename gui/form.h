// A top-level window of the program. Every form is listed by Screen from its
// creation to its destruction, in creation order. The window itself is made on
// first use of Handle; its messages reach WndProc.
#pragma once

#include <windows.h>

#include "gui/component.h"
#include "gui/message.h"
#include "win/unique_window.h"

namespace gui {

class TForm : public TComponent {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    HWND Handle();
    bool HandleAllocated() const { return static_cast<bool>(window_); }

protected:
    // Handles one message of the form's window; what it leaves unanswered gets the
    // system's default processing.
    virtual void WndProc(TMessage& message);
    void DefaultHandler(TMessage& message);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateHandle();

    win::UniqueWindow window_;
};

}  // namespace gui
