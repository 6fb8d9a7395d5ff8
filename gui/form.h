// A top-level window of the program. Every form is listed by Screen from its
// creation to its destruction, in creation order. A form starts hidden; its window
// is made on first use of Handle or when it is shown, and a form whose window was
// destroyed from outside makes a new one when next needed.
#pragma once

#include "gui/win_control.h"

namespace gui {

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Visible, and in front of the other windows.
    void Show();
    // Hides the form; its window and everything on it stay. The close box and
    // WM_CLOSE close the form this way.
    void Close() { Hide(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void CMVisibleChanged(TMessage& message);
    void WMClose(TMessage& message);
};

}  // namespace gui
