// Creating the folders of an output path, one level at a time.
#pragma once

#include <windows.h>

#include <string>

namespace velmora {

// Creates the missing folders of `folder`, an absolute name with or without a
// trailing "\" (as ResolveTarget gives it). Each missing level is made inside the
// one above it, opened already, so the work grows with the depth and no more; a
// set `*cancelRequested` stops it before the next level. The process's current
// directory is not touched. Failures are left for the file creation that follows to report.
void CreateDirectoryPath(const std::wstring& folder, const volatile LONG* cancelRequested = nullptr);

// The folder part of a target: up to and including its last "\", or "" when it has none.
std::wstring DirectoryPart(const std::wstring& target);

}  // namespace velmora
