// One match that a CDDB server reported for a disc, and the record text read for it.
#pragma once

#include <string>

namespace velmora {

struct CDDBMatch {
    std::string category;     // first word of the match line: the CDDB category
    std::string discId;       // second word: the disc id as the server sent it
    std::string description;  // the rest, usually "artist / album"
    std::wstring recordText;  // the record as read, lines ended by LF; empty until read
};

}  // namespace velmora
