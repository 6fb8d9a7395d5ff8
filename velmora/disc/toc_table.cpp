#include "disc/toc_table.h"

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
    const bool kindChanges = table.adrControl[row] != table.adrControl[next];
    if (row >= 1 && kindChanges && table.trackNumber[next] != kLeadOutTrack)
        end = table.startAddress[next] - kSessionGapSectors;
    else
        end = table.startAddress[next];
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
