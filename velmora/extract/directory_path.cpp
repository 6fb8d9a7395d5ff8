#include "extract/directory_path.h"

#include <windows.h>

#include "extract/target_path.h"

namespace velmora {
namespace {

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(FileSystemName(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Where the folders below the root begin: after "X:\", "\\server\share\" or
// "\\?\X:\", "\\?\UNC\server\share\".
size_t FirstFolder(const std::wstring& path)
{
    size_t at = 0;
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        at = 8;
    else if (path.compare(0, 4, L"\\\\?\\") == 0 || path.compare(0, 4, L"\\\\.\\") == 0)
        at = 4;
    else if (path.compare(0, 2, L"\\\\") == 0)
        at = 2;
    else
        return path.find(L'\\') == std::wstring::npos ? path.size() : path.find(L'\\') + 1;
    if (at == 4 && path.size() > 5 && path[5] == L':')  // "\\?\X:\"
        return path.size() > 6 ? 7 : path.size();
    // A server and a share.
    size_t end = path.find(L'\\', at);
    if (end != std::wstring::npos)
        end = path.find(L'\\', end + 1);
    return end == std::wstring::npos ? path.size() : end + 1;
}

}  // namespace

std::wstring DirectoryPart(const std::wstring& target)
{
    const size_t slash = target.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
}

void CreateDirectoryPath(const std::wstring& folder)
{
    std::wstring path = folder;
    if (!path.empty() && path.back() == L'\\')
        path.pop_back();
    if (path.empty() || IsFolder(path))
        return;
    // Each level in turn, from the first below the root.
    for (size_t at = FirstFolder(path); at <= path.size(); ++at) {
        if (at < path.size() && path[at] != L'\\')
            continue;
        const std::wstring level = path.substr(0, at);
        if (!IsFolder(level))
            ::CreateDirectoryW(FileSystemName(level).c_str(), nullptr);
    }
}

}  // namespace velmora
