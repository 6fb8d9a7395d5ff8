#include "extract/failure_text.h"

#include <cwchar>

namespace velmora {
namespace {

// The system's text for a code, as it stands ("" when the system has none).
std::wstring FormattedMessage(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : std::wstring();
    ::LocalFree(text);
    return message;
}

// The text for an HRESULT as the system gives it, without its line break: its own,
// else that of the system error it carries.
std::wstring ReasonText(HRESULT reason)
{
    std::wstring text = FormattedMessage(static_cast<DWORD>(reason));
    if (text.empty() && HRESULT_FACILITY(reason) == FACILITY_WIN32)
        text = FormattedMessage(HRESULT_CODE(reason));
    const size_t end = text.find_last_not_of(L" \t\r\n");
    text.erase(end == std::wstring::npos ? 0 : end + 1);
    return text;
}

// A name as a message shows it: one longer than any the file functions take whole
// keeps its start and its end.
std::wstring ShownName(const std::wstring& name)
{
    constexpr size_t kLongest = MAX_PATH, kKept = 120;
    if (name.size() <= kLongest)
        return name;
    return name.substr(0, kKept) + L"..." + name.substr(name.size() - kKept);
}

}  // namespace

std::wstring SystemMessage(DWORD error)
{
    std::wstring message = FormattedMessage(error);
    message.resize(message.size() >= 3 ? message.size() - 3 : 0);
    return message;
}

std::wstring FailureText(const std::wstring& words, const std::wstring& fileName, HRESULT reason)
{
    wchar_t code[16];
    std::swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(reason));
    const std::wstring text = ReasonText(reason);
    const std::wstring failure = words + L" \"" + ShownName(fileName) + L"\": " + code;
    return text.empty() ? failure : failure + L" " + text;
}

}  // namespace velmora
