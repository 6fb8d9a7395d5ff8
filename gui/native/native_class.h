// The system's own controls (EDIT, SysListView32, SysTreeView32...) used as the
// window classes of library controls. A wrapper's CreateParams calls
// CreateSubClass: its window class becomes a copy of the system class under a
// name of the library's own, so the control's window procedure sees every message
// from WM_NCCREATE on (a list view makes its header inside its own WM_CREATE) and
// passes what it leaves to the system's procedure.
#pragma once

#include "gui/controls/create_params.h"

namespace gui {

// Raises EOutOfResources when the system has no class of that name. The common
// controls are registered first.
void CreateSubClass(TCreateParams& params, const char* nativeClassName);

}  // namespace gui
