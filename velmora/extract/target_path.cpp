#include "extract/target_path.h"

#include <windows.h>

#include <vector>

#include "cddb/device_names.h"

namespace velmora {
namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix)
{
    return text.compare(0, std::char_traits<wchar_t>::length(prefix), prefix) == 0;
}

// A folder name as Windows makes it: without blanks around it and without dots at
// its end ("." and ".." stay: they name folders that exist).
std::wstring FolderName(const std::wstring& name)
{
    const size_t first = name.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return std::wstring();
    std::wstring folder = name.substr(first, name.find_last_not_of(L' ') - first + 1);
    if (folder == L"." || folder == L"..")
        return folder;
    const size_t last = folder.find_last_not_of(L". ");
    folder.erase(last == std::wstring::npos ? 0 : last + 1);
    return MendDeviceName(folder);
}

// How many characters of `path` name its root and stay untouched: "X:\", "X:",
// "\\server\share\", "\", or nothing for a relative name.
size_t RootLength(const std::wstring& path)
{
    if (path.size() >= 2 && path[1] == L':')
        return path.size() >= 3 && path[2] == L'\\' ? 3 : 2;
    if (StartsWith(path, L"\\\\")) {
        size_t at = path.find(L'\\', 2);  // after the server
        if (at != std::wstring::npos)
            at = path.find(L'\\', at + 1);  // after the share
        return at == std::wstring::npos ? path.size() : at + 1;
    }
    return StartsWith(path, L"\\") ? 1 : 0;
}

std::wstring FullPathName(const std::wstring& path)
{
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::vector<wchar_t> full(size + 1);
    const DWORD length = ::GetFullPathNameW(path.c_str(), size + 1, full.data(), nullptr);
    if (length == 0 || length > size)
        return path;
    return std::wstring(full.data(), length);
}

}  // namespace

std::wstring ResolveTarget(const std::wstring& target)
{
    if (StartsWith(target, L"\\\\?\\") || StartsWith(target, L"\\\\.\\") ||
        target.size() > kMaxSystemPath)
        return target;
    std::wstring path = target;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';

    const size_t root = RootLength(path);
    std::wstring result = path.substr(0, root);
    const size_t last = path.rfind(L'\\');
    size_t begin = root;
    while (last != std::wstring::npos && last >= begin) {
        const size_t end = path.find(L'\\', begin);
        const std::wstring folder = FolderName(path.substr(begin, end - begin));
        if (!folder.empty())
            result += folder + L'\\';
        begin = end + 1;
    }
    // The file's own name keeps the dots and blanks at its end: the extension that
    // follows makes them part of the name, so only the folders are resolved (the
    // system would cut them off). A name of nothing but dots and blanks names no
    // file ("." and ".." would climb the folders, the rest Windows cuts to nothing):
    // it is left out, and the target names its folder only.
    std::wstring file;
    if (begin < path.size() && path.find_first_not_of(L". ", begin) != std::wstring::npos)
        file = MendDeviceName(path.substr(begin));
    std::wstring folder = FullPathName(result.empty() ? std::wstring(L".\\") : result);
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder + file;
}

bool NamesAFile(const std::wstring& target)
{
    return !target.empty() && target.back() != L'\\' && target.back() != L'/';
}

std::wstring FileSystemName(const std::wstring& absolute)
{
    if (absolute.size() < MAX_PATH || StartsWith(absolute, L"\\\\?\\") ||
        StartsWith(absolute, L"\\\\.\\"))
        return absolute;
    if (StartsWith(absolute, L"\\\\"))
        return L"\\\\?\\UNC\\" + absolute.substr(2);
    return L"\\\\?\\" + absolute;
}

bool WithinPathLimit(const std::wstring& absolute)
{
    return FileSystemName(absolute).size() <= kMaxSystemPath;
}

}  // namespace velmora
