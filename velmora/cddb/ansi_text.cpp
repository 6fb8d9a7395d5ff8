#include "cddb/ansi_text.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace velmora {

std::wstring AnswerTextToWide(const std::string& text)
{
    const bool beyondAscii = std::any_of(text.begin(), text.end(),
                                         [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (!beyondAscii || text.size() > INT_MAX)
        return AnsiToWide(text);
    const int length = static_cast<int>(text.size());
    // Ill-formed UTF-8 (a lone Latin-1 letter, say) is refused here and read in the
    // code page instead.
    const int needed =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return AnsiToWide(text);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, &wide[0], needed);
    return wide;
}

}  // namespace velmora
