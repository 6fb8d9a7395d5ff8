// Accelerator characters of captions: the character after a single "&" ("&&"
// stands for an "&" itself).
#pragma once

#include <string>

namespace gui {

// Whether `key` (in either case) is the accelerator of `caption`.
bool IsAccel(char key, const std::string& caption);

// The character a virtual key stands for as an accelerator: letters and digits
// only, '\0' for any other key. Other keys' codes read as letters (F1 is 'p',
// the keypad's 5 is 'e') and must name none.
char AccelChar(unsigned key);

}  // namespace gui
