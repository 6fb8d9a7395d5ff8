// Track file names from templates of placeholders and the active CDDB record:
// %1 artist, %2 track title, %3 album, %4 year, %5 genre, %6 track number in two
// digits, %7 nothing, %% a percent sign.
#pragma once

#include <string>

#include "cddb/cddb_match.h"
#include "cddb/cddb_record.h"

namespace velmora {

constexpr wchar_t kErrNoActiveRecord[] = L"No active CDDB record.";

// Expands the template for the track with the 0-based index; unknown placeholders
// stay as they are.
std::wstring ExpandFileNameTemplate(const std::wstring& templ, const CDDBRecordFields& fields,
                                    int trackIndex);

// Makes an expanded template safe as a relative path below the output folder:
// characters that Windows forbids in names, control characters and bidirectional
// overrides become "_", and so does each dot of a path part made only of dots, so
// that no value can climb out of the folder; leading and doubled separators are
// dropped; a part that names a device gets "_"; a folder loses the dots and blanks
// Windows would cut from its end; a very long part is cut, and folders beyond a
// bounded depth and length are left out. Slashes and backslashes stay: values may
// make sub-folders.
std::wstring MakeSafeFileName(std::wstring name);

// The file name of the track from the active record. Returns the error text ("No
// active CDDB record." without one), empty on success.
std::wstring GenerateFilename(const CDDBMatch* activeRecordOrNull, int trackIndex,
                              const std::wstring& templ, std::wstring& fileName);

}  // namespace velmora
