#include "cddb/ansi_text.h"

#include <windows.h>

#include <climits>

namespace velmora {

std::wstring AnsiToWide(const std::string& text)
{
    if (text.empty() || text.size() > INT_MAX)
        return std::wstring();
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], needed);
    return wide;
}

std::string WideToAnsi(const std::wstring& text)
{
    if (text.empty() || text.size() > INT_MAX)
        return std::string();
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string ansi(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, &ansi[0], needed, nullptr, nullptr);
    return ansi;
}

}  // namespace velmora
