#include "gui/controls/message_dlg.h"

#include <windows.h>

#include "gui/controls/application.h"

namespace gui {

namespace {

UINT ButtonFlags(TMsgDlgButtons buttons)
{
    if (buttons.Contains(mbYes) && buttons.Contains(mbNo))
        return buttons.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    if (buttons.Contains(mbAbort))
        return MB_ABORTRETRYIGNORE;
    if (buttons.Contains(mbRetry))
        return MB_RETRYCANCEL;
    if (buttons.Contains(mbCancel))
        return MB_OKCANCEL;
    return MB_OK;
}

UINT IconFlags(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return MB_ICONWARNING;
    case mtError:
        return MB_ICONERROR;
    case mtInformation:
        return MB_ICONINFORMATION;
    case mtConfirmation:
        return MB_ICONQUESTION;
    case mtCustom:
        break;
    }
    return 0;
}

}  // namespace

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons)
{
    HWND owner = ::GetActiveWindow();
    // The box's button identifiers are the modal results of the same names.
    return ::MessageBoxA(owner, message.c_str(), Application().Title().c_str(),
                         ButtonFlags(buttons) | IconFlags(type) | MB_TASKMODAL);
}

}  // namespace gui
