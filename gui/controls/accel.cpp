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

bool IsAccel(char Key, const std::string& Caption)
{
    // The last single "&" counts, as the system underlines it.
    char hotkey = '\0';
    for (size_t i = 0; i < Caption.size(); ++i) {
        if (::IsDBCSLeadByte(static_cast<BYTE>(Caption[i]))) {
            ++i;
        } else if (Caption[i] == '&' && i + 1 < Caption.size()) {
            ++i;
            if (Caption[i] != '&')
                hotkey = Caption[i];
        }
    }
    return hotkey != '\0' && Upper(hotkey) == Upper(Key);
}

char AccelChar(unsigned Key)
{
    return (Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z') ? char(Key) : '\0';
}

}  // namespace gui
