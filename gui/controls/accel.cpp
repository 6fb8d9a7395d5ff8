#include "gui/controls/accel.h"

#include <windows.h>

namespace gui {

namespace {

// Upper case as the system's code page has it.
char Upper(char letter)
{
    ::CharUpperBuffA(&letter, 1);
    return letter;
}

}  // namespace

bool IsAccel(char key, const std::string& caption)
{
    // The last single "&" counts, as the system underlines it.
    char hotkey = '\0';
    for (size_t i = 0; i < caption.size(); ++i) {
        if (::IsDBCSLeadByte(static_cast<BYTE>(caption[i]))) {
            ++i;
        } else if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&')
                hotkey = caption[i];
        }
    }
    return hotkey != '\0' && Upper(hotkey) == Upper(key);
}

char AccelChar(unsigned key)
{
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ? char(key) : '\0';
}

}  // namespace gui
