#include "disc/toc_table.h"

#include <climits>

namespace velmora {
namespace {

constexpr size_t kHeaderSize = 4;
constexpr size_t kDescriptorSize = 8;

}  // namespace

void ParseTocAnswer(const uint8_t* answer, TocTable& table)
{
    table.Clear();
    const int dataLength = (answer[0] << 8) | answer[1];
    const int descriptors = (dataLength - 2) / static_cast<int>(kDescriptorSize);
    for (int i = 0; i < descriptors && i < kMaxTocRows; ++i) {
        const size_t at = kHeaderSize + i * kDescriptorSize;
        if (at + kDescriptorSize > kTocAnswerSize)
            break;
        const uint8_t* d = answer + at;
        table.adrControl[i] = d[1];
        table.trackNumber[i] = d[2];
        table.startAddress[i] = static_cast<int32_t>((uint32_t(d[4]) << 24) |
                                                     (uint32_t(d[5]) << 16) |
                                                     (uint32_t(d[6]) << 8) | uint32_t(d[7]));
        table.count = i + 1;
    }
}

bool HasAudioTrack(const TocTable& table)
{
    for (int row = 0; row + 1 < table.count; ++row)
        if (table.IsAudioRow(row))
            return true;
    return false;
}

bool TrackExtent(const TocTable& table, int row, int32_t& start, int32_t& end)
{
    if (row < 0 || row + 1 >= table.count)
        return false;
    const int next = row + 1;
    start = table.startAddress[row];
    // Only the data bit makes a track of the other kind: copy permission and
    // pre-emphasis vary from track to track on audio discs.
    const bool kindChanges = ((table.adrControl[row] ^ table.adrControl[next]) & kDataTrackBit) != 0;
    if (row >= 1 && kindChanges && table.trackNumber[next] != kLeadOutTrack) {
        const int64_t gapStart = int64_t(table.startAddress[next]) - kSessionGapSectors;
        end = gapStart < INT32_MIN ? INT32_MIN : static_cast<int32_t>(gapStart);
    } else {
        end = table.startAddress[next];
    }
    return true;
}

bool TrackReadRange(const TocTable& table, int row, TrackRange& range)
{
    int32_t start = 0, end = 0;
    if (!TrackExtent(table, row, start, end) || table.trackNumber[row] == kLeadOutTrack)
        return false;
    // The disc ends where its lead-out begins: the row the drive numbers as such,
    // else the last row.
    int leadOut = table.count - 1;
    for (int r = 0; r < table.count; ++r)
        if (table.trackNumber[r] == kLeadOutTrack) {
            leadOut = r;
            break;
        }
    range.discEnd = table.startAddress[leadOut];
    range.first = start > 0 ? start : 0;
    if (end <= range.first || range.first >= range.discEnd || range.discEnd > kMaxDiscSectors)
        return false;
    range.last = end;
    if (int64_t(range.first) + kMinimumRangeSectors > range.last)
        range.last = range.first + kMinimumRangeSectors;
    if (range.last > range.discEnd)
        range.last = range.discEnd;
    return true;
}

int FindTrackRow(const TocTable& table, int trackNumber)
{
    for (int row = 0; row < table.count; ++row)
        if (table.trackNumber[row] == trackNumber)
            return row;
    return -1;
}

}  // namespace velmora
