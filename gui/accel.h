// Accelerator characters of captions: the character after a single "&" ("&&"
// stands for an "&" itself).
#pragma once

#include <string>

namespace gui {

// Whether Key (in either case) is the accelerator of Caption.
bool IsAccel(char Key, const std::string& Caption);

}  // namespace gui
