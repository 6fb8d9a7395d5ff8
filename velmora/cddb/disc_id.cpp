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

// The last sector of the disc's last track by the track extent rule. A disc whose
// tracks are not numbered 1..N has no track N: its lead-out row bounds it instead.
int64_t LastTrackEnd(const TocTable& toc)
{
    const int row = FindTrackRow(toc, TrackCount(toc));
    int32_t start = 0, end = 0;
    if (row >= 0 && TrackExtent(toc, row, start, end))
        return end;
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
