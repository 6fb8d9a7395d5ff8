#include "skinctrls/folders/shell_look.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include "skinctrls/folders/quiet_errors.h"

namespace sk {

namespace {

// A path too long for the shell's buffers is shown with the plain folder look.
bool ShellCanTake(const std::string& path) { return !path.empty() && path.size() < MAX_PATH; }

int IconOf(LPCSTR path, UINT flags, DWORD attributes)
{
    SHFILEINFOA info{};
    if (!::SHGetFileInfoA(path, attributes, &info, sizeof(info), flags | SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return 0;
    return info.iIcon;
}

}  // namespace

HIMAGELIST SystemSmallImages()
{
    SHFILEINFOA info{};
    QuietCriticalErrors quiet;
    return reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

TShellLook DrivesFolderLook()
{
    TShellLook look;
    LPITEMIDLIST drives = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives)) || !drives)
        return look;
    const auto path = reinterpret_cast<LPCSTR>(drives);
    SHFILEINFOA info{};
    if (::SHGetFileInfoA(path, 0, &info, sizeof(info), SHGFI_PIDL | SHGFI_DISPLAYNAME))
        look.Name = info.szDisplayName;
    look.Image = IconOf(path, SHGFI_PIDL, 0);
    look.OpenImage = IconOf(path, SHGFI_PIDL | SHGFI_OPENICON, 0);
    ::CoTaskMemFree(drives);
    return look;
}

TShellLook PathLook(const std::string& path)
{
    TShellLook look;
    QuietCriticalErrors quiet;
    if (!ShellCanTake(path)) {
        // The icons of any folder, without touching the disk.
        look.Image = IconOf("folder", SHGFI_USEFILEATTRIBUTES, FILE_ATTRIBUTE_DIRECTORY);
        look.OpenImage = IconOf("folder", SHGFI_USEFILEATTRIBUTES | SHGFI_OPENICON, FILE_ATTRIBUTE_DIRECTORY);
        return look;
    }
    SHFILEINFOA info{};
    if (::SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_DISPLAYNAME))
        look.Name = info.szDisplayName;
    look.Image = IconOf(path.c_str(), 0, 0);
    look.OpenImage = IconOf(path.c_str(), SHGFI_OPENICON, 0);
    return look;
}

}  // namespace sk
