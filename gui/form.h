// A top-level window of the program. Every form is listed by Screen from its
// creation to its destruction, in creation order. A form starts hidden; its window
// is made on first use of Handle or when it is shown, and a form whose window was
// destroyed from outside makes a new one when next needed.
#pragma once

#include "gui/modal_result.h"
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
    // Shows the form with every other window of the program disabled and runs
    // messages until ModalResult is set (closing the form sets mrCancel); the form
    // is hidden again and the result returned. EInvalidOperation for a form that
    // shows already.
    TModalResult ShowModal();

    // What the button that closes a modal form leaves here.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    // The control of the form that has the keyboard focus, if any.
    TWinControl* ActiveControl() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void CMVisibleChanged(TMessage& message);
    void WMClose(TMessage& message);

    TModalResult modalResult_ = mrNone;
};

// The form a control lies on: its topmost parent, when that is a form.
TForm* GetParentForm(TControl* control);

}  // namespace gui
