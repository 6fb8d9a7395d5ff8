// Whether a drive can be read now, asked without the system's own "insert a
// disk" boxes. The folder tree tells the user about a drive that is not ready in
// the skinned message box when it has one, else in the standard one.
#pragma once

#include <string>

#include "gui/controls/message_dlg.h"

namespace sk {

class TskSkinMessage;

// A message with an OK button, through the skinned box when one is given.
void ShowDriveMessage(const std::string& text, gui::TMsgDlgType type, TskSkinMessage* skinMessage);

// Whether the drive (a letter, either case) holds a readable medium. With
// showMessages a letter outside A-Z and a drive that is not ready are reported.
bool CheckDriveReady(char drive, bool showMessages, TskSkinMessage* skinMessage);

}  // namespace sk
