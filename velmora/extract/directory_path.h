// Creating the folders of an output path, one level at a time.
#pragma once

#include <string>

namespace velmora {

// Creates the missing directories of `path` (a folder, with or without a trailing
// "\"), leaving the deepest one entered as the process's current directory. Names
// are created without blanks around them. Failures are left for the file creation
// that follows to report.
void CreateDirectoryPath(std::wstring path);

// The target with blanks removed around each of its folder names, as
// CreateDirectoryPath creates them (the file name itself is kept).
std::wstring TrimFolderNames(const std::wstring& target);

// The folder part of a target: up to and including its last "\", or "" when it has none.
std::wstring DirectoryPart(const std::wstring& target);

}  // namespace velmora
