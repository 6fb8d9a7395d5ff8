// The library's own messages between controls. CM_ messages tell a control that
// one of its properties changed or that the mouse came or went; they travel by
// Perform and never through a window's queue. CN_ messages are notifications that
// the system sends to a parent window (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...),
// handed back to the child control they concern: CN_BASE + the original number.
#pragma once

#include <windows.h>

namespace gui {

constexpr UINT CM_BASE = 0xB000;
// A key of dialog navigation (Enter, Esc, Tab, the arrows) that the focused control
// did not claim, and a character it does not take (an accelerator), offered to
// every control of its form; a control that acts on it answers 1. WParam: the key
// or character.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// To every control of a form when the keyboard focus moved; LParam: the control
// that has it now.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;  // to every child when its parent's font changed
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;    // WParam: the new Visible
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
// Asked of the focused control before a navigation key becomes a dialog key: an
// answer of 1 keeps the key (WParam) for the control.
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 16;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
// The control became, or stopped being, the topmost enabled control under the
// mouse cursor.
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
// Posted to the application's window by a form's Release; LParam: the form, freed
// when it still lives and still waits for it.
constexpr UINT CM_RELEASE = CM_BASE + 33;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
// Keys and characters for the focused control, before its window gets them; an
// answer other than 0 means they were used as dialog keys or accelerators.
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

}  // namespace gui
