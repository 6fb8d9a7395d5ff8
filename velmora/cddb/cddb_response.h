// Reading a CDDB server's answer: the HTTP status line and headers, then the CDDB
// status line and the match list or the record that follows it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "cddb/cddb_match.h"

namespace velmora {

enum class CDDBRequestMode { Query, Read };

// The most matches a query keeps. Every match costs a request of its own, made
// while the caller waits; servers list a few, and a list of thousands (a broken or
// hostile server) would keep the caller waiting for hours. Further lines are read
// to the list's end and dropped.
constexpr size_t kMaxMatches = 100;

// Gives the next line of the answer without its line end: 0 when a line was read,
// -1 on a receive error, -2 when no data came in time.
using LineSource = std::function<int(std::string& line)>;

// Cuts the text before the first blank off the line and returns it (the whole line,
// leaving it empty, when there is no blank); the line keeps the rest, trimmed.
std::string TakeFirstWord(std::string& line);

// Parses one answer. A query appends its matches to `matches`; a read sets
// `recordText`. Returns the error text, empty on success.
std::wstring ParseCDDBAnswer(const LineSource& nextLine, CDDBRequestMode mode,
                             std::vector<CDDBMatch>& matches, std::wstring& recordText);

}  // namespace velmora
