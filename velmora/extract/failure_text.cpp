#include "extract/failure_text.h"

#include <cwchar>

#include "win/system_message.h"

namespace velmora {
namespace {

// The text for an HRESULT as the system gives it, without its line break: its own,
// else that of the system error it carries.
std::wstring ReasonText(HRESULT reason)
{
    std::wstring text = win::SystemMessageWide(static_cast<DWORD>(reason));
    if (text.empty() && HRESULT_FACILITY(reason) == FACILITY_WIN32)
        text = win::SystemMessageWide(HRESULT_CODE(reason));
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
    std::wstring message = win::SystemMessageWide(error);
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
