#include "cddb/disc_id.h"

#include <cstdio>

#include "cddb/cddb_match.h"

namespace velmora {
namespace {

constexpr int64_t kFramesPerSecond = 75;

int TrackCount(const TocTable& toc)
{
    return toc.count > 1 ? toc.count - 1 : 0;
}

// Start of a row in seconds of absolute disc time. 64-bit, so that no start address
// a drive reports can overflow.
int64_t StartSeconds(const TocTable& toc, int row)
{
    return (int64_t(toc.startAddress[row]) + kCddbFrameOffset) / kFramesPerSecond;
}

uint32_t DigitSum(int64_t value)
{
    uint32_t sum = 0;
    for (; value > 0; value /= 10)
        sum += static_cast<uint32_t>(value % 10);
    return sum;
}

// The end term of the query's disc length, as CDDB servers compute it: one sector
// before the row that follows track N, or 11,251 sectors before it when that row is
// a track of the other kind (not the lead-out, and track N is not the first row).
// Servers and other clients derive the same figure from the same table, so this is
// its own arithmetic, apart from how many sectors a rip reads. A disc whose tracks
// are not numbered 1..N has no track N: its lead-out row bounds it instead.
int64_t LastTrackEnd(const TocTable& toc)
{
    const int row = FindTrackRow(toc, TrackCount(toc));
    if (row >= 0 && row + 1 < toc.count) {
        const int next = row + 1;
        const bool kindChanges = toc.adrControl[row] != toc.adrControl[next];
        if (row >= 1 && kindChanges && toc.trackNumber[next] != kLeadOutTrack)
            return int64_t(toc.startAddress[next]) - 11251;
        return int64_t(toc.startAddress[next]) - 1;
    }
    if (toc.count > 0)
        return int64_t(toc.startAddress[toc.count - 1]) - 1;
    return -1;
}

}  // namespace

uint32_t ComputeDiscId(const TocTable& toc)
{
    const int tracks = TrackCount(toc);
    uint32_t digitSums = 0;
    int64_t seconds = 0;
    for (int i = 0; i < tracks; ++i) {
        const int64_t start = StartSeconds(toc, i);
        digitSums += DigitSum(start);
        seconds += StartSeconds(toc, i + 1) - start;
    }
    return ((digitSums % 255) << 24) | (static_cast<uint32_t>(seconds) << 8) |
           static_cast<uint32_t>(tracks);
}

std::string QueryCommand(const TocTable& toc)
{
    const int tracks = TrackCount(toc);
    char number[32];
    std::snprintf(number, sizeof number, "%08lx %d",
                  static_cast<unsigned long>(ComputeDiscId(toc)), tracks);
    std::string command = "cddb query ";
    command += number;
    for (int i = 0; i < tracks; ++i) {
        std::snprintf(number, sizeof number, " %lld",
                      static_cast<long long>(int64_t(toc.startAddress[i]) + kCddbFrameOffset));
        command += number;
    }
    const int64_t length = (LastTrackEnd(toc) + kCddbFrameOffset + 1) / kFramesPerSecond;
    std::snprintf(number, sizeof number, " %lld", static_cast<long long>(length));
    command += number;
    return command;
}

std::string ReadCommand(const CDDBMatch& match)
{
    return "cddb read " + match.category + " " + match.discId;
}

}  // namespace velmora
