// A top-level window of the program. Every form is listed by Screen from its
// creation to its destruction, in creation order. A form starts hidden; its window
// is made on first use of Handle or when it is shown, and a form whose window was
// destroyed from outside makes a new one when next needed.
//
// A multiple-document program has one parent form (fsMDIForm, the application's
// main form) whose client area holds a client window of the system's, and child
// forms (fsMDIChild) that live inside it, in front of one another, one of them
// active.
#pragma once

#include <functional>
#include <memory>

#include "gui/controls/modal_result.h"
#include "gui/controls/win_control.h"

namespace gui {

class TMDIClient;
class TMenuItem;

// The frame of a form: none, fixed, sizeable, a dialog's frame, or the small
// caption of a tool window, fixed or sizeable.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// An ordinary form, the parent of a multiple-document program, or one of its
// child forms.
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm };
// Where a form appears when shown: where its bounds put it, or centred on the
// screen.
enum TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Visible, and in front of the other windows.
    void Show();
    // The close box and WM_CLOSE close the form this way. An MDI child is freed
    // (Release); any other form is hidden, its window and everything on it
    // staying.
    void Close();
    // Frees the form once the message being handled is done: from the message
    // loop, where no handler of the form runs any more.
    void Release();
    // Shows the form with every other window of the program disabled and runs
    // messages until ModalResult is set (closing the form sets mrCancel); the form
    // is hidden again and the result returned. The focus goes to the first
    // control in tab order unless a control of the form has it. EInvalidOperation
    // for a form that shows already.
    TModalResult ShowModal();

    // Takes effect on a window already made by making it anew.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    // Takes effect on a window already made by making it anew. A child form
    // needs the application's main form to be an MDI parent when its window is
    // made (EInvalidOperation otherwise).
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle value);
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
    std::function<void(TMessage& msg, bool& handled)> OnShortCut;

    // --- MDI parent (form_mdi.cpp) ---
    // The client window that holds the child forms; none before the window is
    // made and for other forms.
    HWND ClientHandle() const;
    // The client window's messages enter here; handlers put in front of the
    // system's procedure stay for the form's life, across new windows.
    TWndProcChain& ClientWindowProc();
    // The menu item under which a window list of the child forms is kept (by a
    // form skinning engine); the form does not own it.
    TMenuItem* WindowMenu() const { return windowMenu_; }
    void SetWindowMenu(TMenuItem* value);
    // The child forms whose windows exist, in the system's order (front to
    // back), and the active one (none when there is none).
    int MDIChildCount() const;
    TForm* MDIChildren(int index) const;  // raises EListError outside the list
    TForm* ActiveMDIChild() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TApplication;
    void ShowProgramIcon();
    void CMVisibleChanged(TMessage& message);
    void CMDialogKey(TMessage& message);
    void WMActivate(TMessage& message);
    void WMClose(TMessage& message);
    // MDI (form_mdi.cpp).
    HWND ParentClientHandle();
    bool IsMDIChildWindow();
    void ShowMDIChild();
    void HideMDIChild();
    void MDIChildCreateParams(TCreateParams& params);
    void CMFocusChanged(TMessage& message);
    void WMMDIActivate(TMessage& message);

    TModalResult modalResult_ = mrNone;
    bool inModalLoop_ = false;  // ShowModal runs for this form
    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TPosition position_ = poDesigned;
    bool keyPreview_ = false;
    bool releasing_ = false;
    std::unique_ptr<TMDIClient> mdiClient_;
    TMenuItem* windowMenu_ = nullptr;
    // The control of the form that last had the keyboard focus: the form, or an
    // MDI child, gives it back the focus when it is activated again.
    TWinControl* lastFocused_ = nullptr;
};

// The form a control lies on: its topmost parent, when that is a form.
TForm* GetParentForm(TControl* control);

}  // namespace gui
