// What the shell shows for drives and folders: display names and the indexes of
// their small icons in the system's image list, which the program shares and
// never destroys.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace sk {

struct TShellLook {
    std::string Name;
    int Image = 0;
    int OpenImage = 0;
};

// The system's list of small icons.
HIMAGELIST SystemSmallImages();

// The computer's folder of drives.
TShellLook DrivesFolderLook();

// A drive or folder by its path; the name is the shell's display name.
TShellLook PathLook(const std::string& path);

}  // namespace sk
