// Where an extraction task writes. The caller's name is made absolute once, when
// the task is queued, against the current directory of that moment; from then on
// the task works with that name only, whatever the process's current directory
// becomes.
#pragma once

#include <string>

namespace velmora {

// The absolute name of a target: "/" taken as the separator it is on Windows, blanks
// around folder names and empty folder names dropped, a path part that names a
// device given "_" ("CON" -> "CON_", so that a file is made, not a device opened),
// then resolved against the current directory ("." and ".." included). A file name
// of dots and blanks only is dropped, leaving the folder with its final "\". A name
// in the "\\?\" or "\\.\" form is taken as it stands. A name that cannot be
// resolved, or is longer than kMaxSystemPath, is returned as given.
std::wstring ResolveTarget(const std::wstring& target);

// The longest name the file functions take, "\\?\" prefix included. Longer ones
// the system would cut short, and open something else.
constexpr size_t kMaxSystemPath = 32767;

// False for a target without a file name: empty, or ending in a separator.
bool NamesAFile(const std::wstring& target);

// The form of an absolute name that the file functions take at any length: names of
// MAX_PATH characters or more get the "\\?\" prefix ("\\?\UNC\" for a share).
std::wstring FileSystemName(const std::wstring& absolute);
// True when the system takes FileSystemName(absolute) whole.
bool WithinPathLimit(const std::wstring& absolute);

}  // namespace velmora
