// The system's message box as the library's standard message dialog: captioned
// with the application's title, owned by the active window of the program.
#pragma once

#include <string>

#include "gui/controls/modal_result.h"
#include "gui/core/set.h"

namespace gui {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = Set<TMsgDlgBtn>;

// Shows the message and returns the modal result of the button pressed.
TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);

}  // namespace gui
