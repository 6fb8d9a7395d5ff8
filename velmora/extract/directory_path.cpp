#include "extract/directory_path.h"

#include <windows.h>

#include <vector>

namespace velmora {
namespace {

std::wstring TrimBlanks(const std::wstring& name)
{
    const size_t first = name.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return std::wstring();
    const size_t last = name.find_last_not_of(L' ');
    return name.substr(first, last - first + 1);
}

// `path` is absolute here, so that entering a parent never changes what a name
// means. Returns the folder's path as it exists afterwards (names trimmed).
std::wstring CreateAbsolutePath(std::wstring path)
{
    if (!path.empty() && path.back() == L'\\')
        path.pop_back();
    if (path.empty() || ::SetCurrentDirectoryW(path.c_str()))
        return path;  // it exists

    const size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos || slash == 0)
        return path;
    const size_t colon = path.rfind(L':');
    const bool onRoot = colon != std::wstring::npos && colon + 1 == slash;  // "X:\name"
    const std::wstring parent = onRoot ? path.substr(0, slash) : CreateAbsolutePath(path.substr(0, slash));
    const std::wstring name = TrimBlanks(path.substr(slash + 1));
    if (name.empty())
        return parent;
    const std::wstring full = parent + L"\\" + name;
    if (::CreateDirectoryW(full.c_str(), nullptr))
        ::SetCurrentDirectoryW(full.c_str());
    return full;
}

}  // namespace

std::wstring TrimFolderNames(const std::wstring& target)
{
    const size_t last = target.rfind(L'\\');
    if (last == std::wstring::npos)
        return target;
    std::wstring result;
    size_t begin = 0;
    while (begin <= last) {
        const size_t end = target.find(L'\\', begin);
        const std::wstring part = target.substr(begin, end - begin);
        // A drive ("X:") or the empty names of "\\server" stay as they are.
        result += (part.empty() || part.back() == L':') ? part : TrimBlanks(part);
        result += L'\\';
        begin = end + 1;
    }
    return result + target.substr(last + 1);
}

std::wstring DirectoryPart(const std::wstring& target)
{
    const size_t slash = target.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
}

void CreateDirectoryPath(std::wstring path)
{
    if (path.empty())
        return;
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return;
    std::vector<wchar_t> full(size + 1);
    const DWORD length = ::GetFullPathNameW(path.c_str(), size + 1, full.data(), nullptr);
    if (length == 0 || length > size)
        return;
    CreateAbsolutePath(std::wstring(full.data(), length));
}

}  // namespace velmora
