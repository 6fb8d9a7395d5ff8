// The messages by which the form skinning engines of a multiple-document program
// keep the parent and its children in step; wParam and lParam are 0.
#pragma once

#include <windows.h>

namespace sk {

// To each child from its parent: a maximized child fills the client area anew.
constexpr UINT WM_MDICHILDREFIT = 1230;
// To the parent (the application's main form) when a child was maximized: its
// caption names the child and its menu bar shows the child's buttons.
constexpr UINT WM_MDICHILDMAXIMIZED = 1231;
// To the parent when a child was restored, minimized or destroyed.
constexpr UINT WM_MDICHILDRESTORED = 1232;

}  // namespace sk
