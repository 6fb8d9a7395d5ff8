// What a CDDB record says about a disc and one of its tracks, read from the record
// text of a match, and the views a record object offers on its match.
#pragma once

#include <string>
#include <vector>

#include "cddb/cddb_match.h"

namespace velmora {

// The record's fields that file-name templates use. A field the record does not set
// is empty.
struct CDDBRecordFields {
    std::wstring discId;
    std::wstring artist;  // DTITLE before its first "/"
    std::wstring album;   // DTITLE after its first "/"
    std::wstring year;
    std::wstring genre;
    std::wstring title;  // TTITLE<trackIndex>
};

// Reads KEY=value lines (after the leading "#" comment lines). Keys match exactly;
// the values of a key that comes again are joined in order.
CDDBRecordFields ParseRecordFields(const std::wstring& recordText, int trackIndex);

// The match that the active record index names; null when it names none.
const CDDBMatch* ActiveMatch(const std::vector<CDDBMatch>& matches, int activeIndex);

// The match line's description as the host sees it. (The raw data is the match's
// record text as it stands.)
std::wstring RecordDescription(const CDDBMatch& match);

}  // namespace velmora
