#include "skinctrls/folders/folder_scan.h"

#include <windows.h>

#include "win/ansi_text.h"
#include "win/unique_handle.h"

namespace sk {

namespace {

struct FindTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { ::FindClose(handle); }
};

// The name in the code page, or empty when the code page cannot hold it exactly.
std::string Narrow(const wchar_t* name)
{
    return win::ExactAnsi(name).value_or(std::string());
}

bool UsableName(const std::string& name)
{
    if (name.empty() || name.back() == '.' || name.back() == ' ')
        return false;
    return name.find_first_of("?*\\/:\"<>|") == std::string::npos;
}

// The name under which the folder is listed, or empty to leave it out.
std::string ListedName(const WIN32_FIND_DATAW& entry)
{
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..")
        return std::string();
    std::string narrow = Narrow(entry.cFileName);
    if (UsableName(narrow))
        return narrow;
    narrow = entry.cAlternateFileName[0] ? Narrow(entry.cAlternateFileName) : std::string();
    return UsableName(narrow) ? narrow : std::string();
}

// Calls `take` with each listed subfolder until it answers false.
template <typename Take>
void ForEachSubFolder(const std::string& folder, Take take)
{
    // A wildcard in the folder's own path would list other folders.
    if (folder.find_first_of("?*") != std::string::npos)
        return;
    std::string pattern = folder;
    if (pattern.empty() || pattern.back() != '\\')
        pattern += '\\';
    pattern += "*.*";
    // Longer paths are beyond what the rest of the program can open.
    if (pattern.size() >= MAX_PATH)
        return;
    const std::wstring widePattern = win::AnsiToWide(pattern);
    if (widePattern.empty())
        return;
    WIN32_FIND_DATAW entry;
    const win::UniqueResource<FindTraits> found(::FindFirstFileW(widePattern.c_str(), &entry));
    if (!found)
        return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        const std::string name = ListedName(entry);
        if (!name.empty() && !take(name))
            return;
    } while (::FindNextFileW(found.Get(), &entry));
}

}  // namespace

bool DirectoryExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> SubFolders(const std::string& folder)
{
    std::vector<std::string> names;
    ForEachSubFolder(folder, [&names](const std::string& name) {
        names.push_back(name);
        return true;
    });
    return names;
}

bool HasSubFolders(const std::string& folder)
{
    bool any = false;
    ForEachSubFolder(folder, [&any](const std::string&) {
        any = true;
        return false;
    });
    return any;
}

}  // namespace sk
