#include "gui/controls/shortcut.h"

namespace gui {

namespace {

std::string KeyName(BYTE key)
{
    switch (key) {
    case VK_BACK:
        return "BkSp";
    case VK_TAB:
        return "Tab";
    case VK_RETURN:
        return "Enter";
    case VK_ESCAPE:
        return "Esc";
    case VK_SPACE:
        return "Space";
    case VK_PRIOR:
        return "PgUp";
    case VK_NEXT:
        return "PgDn";
    case VK_END:
        return "End";
    case VK_HOME:
        return "Home";
    case VK_LEFT:
        return "Left";
    case VK_UP:
        return "Up";
    case VK_RIGHT:
        return "Right";
    case VK_DOWN:
        return "Down";
    case VK_INSERT:
        return "Ins";
    case VK_DELETE:
        return "Del";
    default:
        break;
    }
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, char(key));
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return std::string(1, char('0' + key - VK_NUMPAD0));
    if (key >= VK_F1 && key <= VK_F24)
        return "F" + std::to_string(key - VK_F1 + 1);
    // Any other key by the name the keyboard layout gives it.
    const UINT scanCode = ::MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    char name[64] = {};
    const int n = scanCode ? ::GetKeyNameTextA(LONG(scanCode << 16), name, int(sizeof(name))) : 0;
    return std::string(name, n > 0 ? size_t(n) : 0);
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift)
{
    if (key > 0xFF)
        return scNone;
    TShortCut result = TShortCut(key);
    if (shift.Contains(ssShift))
        result |= scShift;
    if (shift.Contains(ssCtrl))
        result |= scCtrl;
    if (shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

std::string ShortCutToText(TShortCut shortCut)
{
    const std::string name = KeyName(BYTE(shortCut & 0xFF));
    if (shortCut == scNone || name.empty())
        return "";
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + name;
}

}  // namespace gui
