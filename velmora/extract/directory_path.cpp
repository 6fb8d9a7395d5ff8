#include "extract/directory_path.h"

#include <windows.h>
#include <winternl.h>

#include <vector>

#include "extract/target_path.h"
#include "win/unique_handle.h"

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

bool Cancelled(const volatile LONG* cancelRequested)
{
    return cancelRequested && *cancelRequested;
}

// A folder that exists, opened for making folders inside it.
win::UniqueFile OpenFolder(const std::wstring& path)
{
    return win::UniqueFile(::CreateFileW(FileSystemName(path).c_str(), FILE_TRAVERSE | SYNCHRONIZE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// Opens the folder `name` inside `parent`, making it when it is missing. Only the
// one name is looked up: the path above it was resolved when `parent` was opened.
win::UniqueFile OpenOrCreateChild(HANDLE parent, const std::wstring& name)
{
    if (name.empty() || name.size() * sizeof(wchar_t) > 0xFFFE)
        return win::UniqueFile();
    UNICODE_STRING text;
    text.Buffer = const_cast<wchar_t*>(name.c_str());
    text.Length = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    text.MaximumLength = text.Length;
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, parent, nullptr);
    IO_STATUS_BLOCK io{};
    HANDLE child = nullptr;
    const NTSTATUS status = ::NtCreateFile(
        &child, FILE_TRAVERSE | SYNCHRONIZE, &attributes, &io, nullptr, FILE_ATTRIBUTE_NORMAL,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_OPEN_IF,
        FILE_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
    return status >= 0 ? win::UniqueFile(child) : win::UniqueFile();
}

}  // namespace

std::wstring DirectoryPart(const std::wstring& target)
{
    const size_t slash = target.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
}

void CreateDirectoryPath(const std::wstring& folder, const volatile LONG* cancelRequested)
{
    std::wstring path = folder;
    if (!path.empty() && path.back() == L'\\')
        path.pop_back();
    if (path.empty() || !WithinPathLimit(path) || IsFolder(path))
        return;
    // The end of each level below the root, the last one being the folder itself.
    const size_t root = FirstFolder(path);
    std::vector<size_t> levels;
    for (size_t at = root; at < path.size(); ++at)
        if (path[at] == L'\\')
            levels.push_back(at);
    levels.push_back(path.size());

    // The deepest level that exists, found by halving: a level exists only when
    // every level above it does. -1 stands for the root.
    int present = -1, missing = static_cast<int>(levels.size()) - 1;
    while (missing - present > 1) {
        const int middle = present + (missing - present) / 2;
        if (IsFolder(path.substr(0, levels[middle])))
            present = middle;
        else
            missing = middle;
    }
    win::UniqueFile parent = OpenFolder(path.substr(0, present < 0 ? root : levels[present]));
    for (size_t level = static_cast<size_t>(present + 1); level < levels.size(); ++level) {
        if (Cancelled(cancelRequested))
            return;
        if (!parent) {
            // A folder that cannot be opened may still take new folders by name.
            ::CreateDirectoryW(FileSystemName(path.substr(0, levels[level])).c_str(), nullptr);
            continue;
        }
        const size_t begin = level == 0 ? root : levels[level - 1] + 1;
        parent = OpenOrCreateChild(parent.Get(), path.substr(begin, levels[level] - begin));
        if (!parent)
            return;
    }
}

}  // namespace velmora
