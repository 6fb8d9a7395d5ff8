// The tags an encoder writes for a track, taken key by key from the text of the
// active CDDB record.
#pragma once

#include <string>

namespace velmora {

// The value of the lines that start with `key` followed by "=" (keys match
// exactly), joined in order; empty when no line does.
std::string GetRecordField(const std::string& text, const std::string& key);

struct RecordTags {
    std::wstring title;   // TTITLE<track index>
    std::wstring artist;  // DTITLE before its first "/", trimmed; all of DTITLE without "/"
    std::wstring album;   // DTITLE after its first "/", trimmed
    std::wstring year;    // DYEAR
    std::wstring genre;   // DGENRE
    std::wstring trackNo; // track index + 1
};

RecordTags TagsFromRecord(const std::wstring& recordText, int trackIndex);

}  // namespace velmora
