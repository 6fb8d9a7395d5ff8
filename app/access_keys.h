// Access keys for the items of a menu: each item whose caption marks no letter
// with "&" gets one of its own, so that the open menu shows an underlined letter
// for every command and the letter's key picks it.
#pragma once

#include <string>
#include <vector>

namespace gui {
class TMenuItem;
}

namespace brenvale {

// The captions with an access key each: a caption that has one keeps it; the
// others take the first letter or digit that no caption of the list has yet,
// trying the first letters of their words before their other letters. A caption
// with no free letter stays as it is. Separators ("-") are left alone.
std::vector<std::string> WithAccessKeys(const std::vector<std::string>& captions);

// The same for the items of a menu (one level, not their submenus).
void GiveAccessKeys(gui::TMenuItem& menu);

}  // namespace brenvale
