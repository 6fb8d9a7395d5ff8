// The system's text for an error code or HRESULT, as the system words it: its
// closing period and line break included, "" when the system has none. Callers
// trim it as their messages need.
#pragma once

#include <windows.h>

#include <string>

namespace win {

namespace detail {

template <typename Char>
std::basic_string<Char> SystemMessageOf(DWORD code)
{
    constexpr DWORD kFlags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    Char* text = nullptr;
    DWORD length = 0;
    if constexpr (sizeof(Char) == sizeof(wchar_t))
        length = ::FormatMessageW(kFlags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    else
        length = ::FormatMessageA(kFlags, nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::basic_string<Char> message;
    if (length > 0 && text)
        message.assign(text, length);
    if (text)
        ::LocalFree(text);
    return message;
}

}  // namespace detail

// In the ANSI code page.
inline std::string SystemMessageAnsi(DWORD code) { return detail::SystemMessageOf<char>(code); }

inline std::wstring SystemMessageWide(DWORD code) { return detail::SystemMessageOf<wchar_t>(code); }

}  // namespace win
