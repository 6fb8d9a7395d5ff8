// Reading folders from the disk for the folder tree. The program works with
// paths in the system's code page, so a folder is listed under a name that
// leads back to that very folder: its own name when the code page holds it
// exactly, else its short name, else not at all. A name that would turn into a
// wildcard ("?" for a character the code page lacks) or that the system would
// cut down (trailing dots and blanks) never becomes part of a path.
#pragma once

#include <string>
#include <vector>

namespace sk {

// True when the path's attributes can be read and include the directory bit.
bool DirectoryExists(const std::string& path);

// The subfolders of a folder ("." and ".." left out), in the order the system
// lists them; none when the folder cannot be read.
std::vector<std::string> SubFolders(const std::string& folder);

// Whether the folder has at least one subfolder that SubFolders would list.
bool HasSubFolders(const std::string& folder);

}  // namespace sk
