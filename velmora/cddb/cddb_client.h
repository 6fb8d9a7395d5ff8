// Looking a disc up on a CDDB server over HTTP/1.0: the one query, then one read per
// match, each request on a connection of its own. Errors come back as the texts the
// host is shown; an empty text means success.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cddb/cddb_match.h"
#include "cddb/cddb_request.h"
#include "cddb/cddb_response.h"
#include "cddb/cddb_system_calls.h"
#include "disc/toc_table.h"

namespace velmora {

struct CDDBClientSettings {
    CDDBServer server;
    int timeoutSeconds = 20;  // limit for resolving and connecting
    // Limit for a whole lookup, the query and every read, however slowly a server
    // answers: the caller's thread (a window's) is blocked meanwhile.
    int lookupSeconds = 60;
};

// One request. Query: empties `matches`, then fills them from the answer (empty
// again when the request fails). Read: stores the record of matches[index] in it.
// Ends with a time-out after settings.lookupSeconds.
std::wstring LookUpCDDB(CDDBRequestMode mode, size_t index, const TocTable& toc,
                        std::vector<CDDBMatch>& matches,
                        const CDDBClientSettings& settings = CDDBClientSettings(),
                        CDDBSystemCalls& calls = RealCDDBSystemCalls());

// The whole lookup of a disc: the query, then the record of every match it found,
// in order, stopping at the first failure. `recordsRead` counts the matches, from the
// first, whose records were read: all of them on success, and on a failed read the
// ones before it (they stay, with the matches). Blocks the calling thread, for
// settings.lookupSeconds at most: then it ends with a time-out.
std::wstring LoadCDDBData(const TocTable& toc, std::vector<CDDBMatch>& matches,
                          size_t& recordsRead,
                          const CDDBClientSettings& settings = CDDBClientSettings(),
                          CDDBSystemCalls& calls = RealCDDBSystemCalls());

}  // namespace velmora
