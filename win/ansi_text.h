// Conversions between wide text and the system's ANSI code page. A character the
// code page lacks becomes the code page's closest one (or its default character);
// ExactAnsi refuses such text instead, for names that must stay the same name.
#pragma once

#include <windows.h>

#include <climits>
#include <optional>
#include <string>
#include <string_view>

namespace win {

inline std::string WideToAnsi(std::wstring_view text)
{
    if (text.empty() || text.size() > INT_MAX)
        return std::string();
    const int length = static_cast<int>(text.size());
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string ansi(static_cast<size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, &ansi[0], needed, nullptr, nullptr);
    return ansi;
}

inline std::wstring AnsiToWide(std::string_view text)
{
    if (text.empty() || text.size() > INT_MAX)
        return std::wstring();
    const int length = static_cast<int>(text.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], needed);
    return wide;
}

// The text in the code page when the code page holds every character of it as it
// is; nothing when a character would be replaced by a look-alike or the default.
inline std::optional<std::string> ExactAnsi(std::wstring_view text)
{
    if (text.empty())
        return std::string();
    if (text.size() > INT_MAX)
        return std::nullopt;
    const int length = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    const int needed =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &lossy);
    if (needed <= 0 || lossy)
        return std::nullopt;
    std::string ansi(static_cast<size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, &ansi[0], needed, nullptr, &lossy);
    if (lossy)
        return std::nullopt;
    return ansi;
}

}  // namespace win
