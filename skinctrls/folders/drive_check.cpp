#include "skinctrls/folders/drive_check.h"

#include <windows.h>

#include "skinctrls/dialogs/skin_message.h"
#include "skinctrls/folders/quiet_errors.h"

namespace sk {

void ShowDriveMessage(const std::string& text, gui::TMsgDlgType type, TskSkinMessage* skinMessage)
{
    if (skinMessage)
        skinMessage->MessageDlg(text, type, {gui::mbOK}, 0);
    else
        gui::MessageDlg(text, type, {gui::mbOK});
}

bool CheckDriveReady(char drive, bool showMessages, TskSkinMessage* skinMessage)
{
    const char letter = drive >= 'a' && drive <= 'z' ? char(drive - 'a' + 'A') : drive;
    if (letter < 'A' || letter > 'Z')
        ShowDriveMessage("Not a valid Drive ID", gui::mtError, skinMessage);
    bool ready = false;
    {
        QuietCriticalErrors quiet;
        const char root[] = {letter, ':', '\\', '\0'};
        ULARGE_INTEGER total{};
        ready = letter >= 'A' && letter <= 'Z' && ::GetDiskFreeSpaceExA(root, nullptr, &total, nullptr);
    }
    if (!ready && showMessages) {
        ::MessageBeep(MB_ICONHAND);
        ShowDriveMessage("There is no disk in Drive or Drive is not ready", gui::mtWarning, skinMessage);
    }
    return ready;
}

}  // namespace sk
