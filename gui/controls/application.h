// The program as a whole: its title, what becomes of an exception that reaches a
// window procedure or a timer, the message pump for waiting callers, and which
// control the mouse cursor is over.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/hint_window.h"
#include "gui/controls/wnd_proc_chain.h"
#include "gui/core/component.h"

namespace gui {

class TControl;
class TForm;
class TTimer;
class TUtilityWindow;

// How one turn of a message loop ended.
enum class TMessageLoopStep {
    Handled,  // a message was handled; the loop goes on
    Quit,     // WM_QUIT came: the program is ending
    Failed,   // the thread's message queue could not be read
};

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // The program file's name without extension unless set.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }
    // The program's main window; none until set, and again when it is destroyed.
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* value);
    // Whether the main form is shown when the program starts.
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool value) { showMainForm_ = value; }

    // The program's own hidden window, made on first use. It stands for the
    // program as a whole: it hears the program minimized and restored (WM_SIZE)
    // and the broadcasts to top-level windows. Its messages enter WindowProc, where
    // components hook in; what none handles gets the default handling.
    HWND Handle();
    TWndProcChain& WindowProc() { return windowProc_; }
    // The program's icon: the first icon of the executable, else the system's
    // application icon, in the sizes of a large and of a small icon. The
    // application keeps them.
    HICON Icon();
    HICON SmallIcon();

    // Minimize sends the main form to the taskbar and tells the application
    // window (WM_SIZE, SIZE_MINIMIZED); Restore brings it back (SIZE_RESTORED).
    // Each does nothing when the program is already in that state. The main form
    // minimized or restored by the system changes the state the same way.
    void Minimize();
    void Restore();
    bool Minimized() const { return minimized_; }

    // Hints: the hint of the control under the mouse shows after HintPause
    // milliseconds (HintShortPause when the mouse comes from another hint) in a
    // window made by HintWindowClass, and goes after HintHidePause or when the
    // mouse leaves the control. Turning ShowHint off frees the hint window; the
    // next hint makes one of the class then in force.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    int HintPause() const { return hintPause_; }
    void SetHintPause(int value) { hintPause_ = value; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int value) { hintShortPause_ = value; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int value) { hintHidePause_ = value; }
    const THintWindowClass& HintWindowClass() const { return hintWindowClass_; }
    void SetHintWindowClass(THintWindowClass value);
    // The hint window, when a hint has made one.
    THintWindow* HintWindow() const { return hintWindow_; }
    // Hides a showing hint and forgets a pending one.
    void CancelHint();
    TShowHintEvent OnShowHint;

    // Command numbers of menu items (WM_COMMAND carries 16 bits): each item holds
    // one from its creation to its destruction. 0 when all are taken.
    WORD AllocateMenuCommand();
    void ReleaseMenuCommand(WORD command);

    // Replaces the message box of ShowException.
    std::function<void(TComponent* sender, const std::exception& error)> OnException;
    // Called inside a catch block: hands the exception being handled to
    // OnException, or shows it. An exception of no known kind is shown as one
    // without a message.
    void HandleException(TComponent* sender);
    // Runs a handler of a message that the system delivered: an exception must not
    // unwind through the system's frames, so it goes to HandleException and the
    // message is answered with 0.
    void DispatchGuarded(TComponent* sender, TMessage& message, const TWndMethod& handler);
    // A message box captioned with the title.
    void ShowException(const std::exception& error);

    // Dispatches every message waiting for this thread. A WM_QUIT found on the way
    // is posted again for the caller's loop and ends the call.
    void ProcessMessages();
    // One turn of a message loop of the program (the main one and those of modal
    // forms): waits for this thread's next message and handles it as
    // ProcessMessages does. WM_QUIT is not handled: Quit, with its exit code in
    // quitCode.
    TMessageLoopStep HandleNextMessage(int& quitCode);
    // The steps of a message loop before translation, in this order: OnMessage
    // sees every message; a key press or a mouse button ends the hint, shown or
    // pending; in a multiple-document program the children's keys (Ctrl+F4,
    // Ctrl+F6) go to the active child; a key press goes to the OnShortCut of its
    // window's form; a key or character for a window of the program is offered
    // to its control as a CN_ message. True when one of them used the message,
    // which must not be dispatched.
    bool IsKeyMsg(const MSG& msg);
    // Every message a loop of the program takes, before anything else sees it.
    // Setting Handled keeps it from being dispatched.
    std::function<void(MSG& msg, bool& handled)> OnMessage;

    // The topmost enabled control under the mouse cursor, as the last mouse
    // message left it.
    TControl* MouseControl() const { return mouseControl_; }

private:
    friend class TControl;
    friend class TWinControl;
    friend class TForm;
    void MainFormSized(WPARAM kind);
    // The mouse at a screen point over a control (or over none of the program's):
    // from every mouse move and leave of a window.
    void MouseAt(TControl* control, TPoint screen);
    void SetMouseControl(TControl* control, bool moved);
    void ControlDestroying(TControl* control);
    // Frees a form that asked for it with Release.
    void ReleaseForm(TMessage& message);
    // The system's keys of a multiple-document program's children.
    bool IsMDIMsg(const MSG& msg);
    // A message taken from the queue: the steps of IsKeyMsg, else translation and
    // dispatch.
    void Deliver(const MSG& msg);
    void Notification(TComponent* component, TOperation operation) override;
    void HintMouseChanged(TControl* control);
    static bool EndsHint(UINT message);
    void HintTimerTick();
    void ShowControlHint();
    void StartHintTimer(int interval);

    std::string title_;
    bool showMainForm_ = true;
    std::unique_ptr<TUtilityWindow> window_;
    TWndProcChain windowProc_;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool minimized_ = false;
    TControl* mouseControl_ = nullptr;
    TPoint mousePos_;                    // at the last mouse message
    bool mousePosKnown_ = false;
    bool hintAwaitsMove_ = false;        // the mouse control came under a still mouse
    TForm* mainForm_ = nullptr;
    bool showHint_ = true;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
    THintWindowClass hintWindowClass_ = HintWindowClassOf<THintWindow>();
    THintWindow* hintWindow_ = nullptr;  // owned
    TTimer* hintTimer_ = nullptr;        // owned
    TControl* hintControl_ = nullptr;    // whose hint shows or is pending
    bool hintShowing_ = false;
    std::vector<bool> menuCommands_;     // taken numbers, from 1
};

// The one application of the program.
TApplication& Application();

}  // namespace gui
