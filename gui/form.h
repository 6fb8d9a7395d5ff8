// A top-level window of the program. Every form is listed by Screen from its
// creation to its destruction, in creation order. A form starts hidden; its window
// is made on first use of Handle or when it is shown, and a form whose window was
// destroyed from outside makes a new one when next needed.
#pragma once

#include <functional>

#include "gui/modal_result.h"
#include "gui/win_control.h"

namespace gui {

// The frame of a top-level form: none, fixed, sizeable, or a dialog's frame.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
// Where a form appears when shown: where its bounds put it, or centred on the
// screen.
enum TPosition { poDesigned, poScreenCenter };

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
    // is hidden again and the result returned. The focus goes to the first
    // control in tab order unless a control of the form has it. EInvalidOperation
    // for a form that shows already.
    TModalResult ShowModal();

    // Takes effect on a window already made by making it anew.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    // Applied each time the form is shown.
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    // The form's key events see the keys of its controls before they do.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }

    // What the button that closes a modal form leaves here.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    // The control of the form that has the keyboard focus, if any.
    TWinControl* ActiveControl() const;
    // The control of the form that had the focus last; it gets it back when the
    // form is activated again (after a dialog it opened closes, say). A form
    // activated before any of its controls had the focus gives it to the first
    // tab stop.
    TWinControl* LastFocused() const { return lastFocused_; }

    // A key press (WM_KEYDOWN, WM_SYSKEYDOWN) for the form or one of its
    // controls, before the control sees it; setting Handled keeps it from them.
    std::function<void(TMessage& Msg, bool& Handled)> OnShortCut;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void CMVisibleChanged(TMessage& message);
    void CMDialogKey(TMessage& message);
    void CMFocusChanged(TMessage& message);
    void WMActivate(TMessage& message);
    void WMClose(TMessage& message);

    TModalResult modalResult_ = mrNone;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TPosition position_ = poDesigned;
    bool keyPreview_ = false;
    TWinControl* lastFocused_ = nullptr;
};

// The form a control lies on: its topmost parent, when that is a form.
TForm* GetParentForm(TControl* control);

}  // namespace gui
