// The library's own messages between controls. CM_ messages tell a control that
// one of its properties changed or that the mouse came or went; they travel by
// Perform and never through a window's queue. CN_ messages are notifications that
// the system sends to a parent window (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...),
// handed back to the child control they concern: CN_BASE + the original number.
#pragma once

#include <windows.h>

namespace gui {

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;  // to every child when its parent's font changed
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;    // WParam: the new Visible
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
// The control became, or stopped being, the topmost enabled control under the
// mouse cursor.
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

}  // namespace gui
