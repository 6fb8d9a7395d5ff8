#include "cddb/device_names.h"

namespace velmora {
namespace {

wchar_t Upper(wchar_t letter)
{
    return letter >= L'a' && letter <= L'z' ? wchar_t(letter - L'a' + L'A') : letter;
}

bool SameLetters(const std::wstring& text, size_t length, const wchar_t* name)
{
    for (size_t i = 0; i < length; ++i)
        if (!name[i] || Upper(text[i]) != name[i])
            return false;
    return !name[length];
}

// The length of the device name that `part` begins with, or 0.
size_t DeviceNameLength(const std::wstring& part)
{
    // The name is what comes before the first dot, blanks at its end not counted.
    size_t end = part.find(L'.');
    if (end == std::wstring::npos)
        end = part.size();
    while (end > 0 && part[end - 1] == L' ')
        --end;
    for (const wchar_t* name : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
        if (SameLetters(part, end, name))
            return end;
    if (end == 4 && (SameLetters(part, 3, L"COM") || SameLetters(part, 3, L"LPT"))) {
        const wchar_t digit = part[3];
        if ((digit >= L'1' && digit <= L'9') || digit == L'\u00B9' || digit == L'\u00B2' ||
            digit == L'\u00B3')
            return end;
    }
    return 0;
}

}  // namespace

bool IsDeviceName(const std::wstring& part)
{
    return DeviceNameLength(part) != 0;
}

std::wstring MendDeviceName(const std::wstring& part)
{
    const size_t length = DeviceNameLength(part);
    if (length == 0)
        return part;
    return part.substr(0, length) + L"_" + part.substr(length);
}

}  // namespace velmora
