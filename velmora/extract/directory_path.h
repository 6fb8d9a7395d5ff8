// Creating the folders of an output path, one level at a time.
#pragma once

#include <string>

namespace velmora {

// Creates the missing folders of `folder`, an absolute name with or without a
// trailing "\" (as ResolveTarget gives it). The process's current directory is not
// touched. Failures are left for the file creation that follows to report.
void CreateDirectoryPath(const std::wstring& folder);

// The folder part of a target: up to and including its last "\", or "" when it has none.
std::wstring DirectoryPart(const std::wstring& target);

}  // namespace velmora
