// The CDDB disc identifier of a table of contents, and the command texts of the
// query and read requests.
#pragma once

#include <cstdint>
#include <string>

#include "disc/toc_table.h"

namespace velmora {

struct CDDBMatch;

// Frames between a logical block address and the disc's absolute time (two seconds).
constexpr int32_t kCddbFrameOffset = 150;

// ((digit sums of the track start seconds mod 255) << 24) | (playing seconds << 8) |
// track count, the last row of the table being the lead-out.
uint32_t ComputeDiscId(const TocTable& toc);

// "cddb query <id> <tracks> <frame offset of every track> <disc length in seconds>".
std::string QueryCommand(const TocTable& toc);

// "cddb read <category> <disc id>".
std::string ReadCommand(const CDDBMatch& match);

}  // namespace velmora
