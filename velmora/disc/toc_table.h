// The parsed table of contents of a disc, as READ TOC (format 0, LBA addresses)
// reports it, and the rule that turns two table rows into a track's extent.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

constexpr size_t kTocAnswerSize = 2048;
constexpr int kMaxTocRows = 100;  // 99 tracks and the lead-out
constexpr uint8_t kLeadOutTrack = 0xAA;
constexpr uint8_t kDataTrackBit = 0x04;
// Sectors between the last audio track of a session and a following data track
// that belong to neither (the session's lead-out, the next one's lead-in and pre-gap).
constexpr int32_t kSessionGapSectors = 11250;

struct TocTable {
    int32_t count = 0;  // rows in use, the lead-out row included
    uint8_t adrControl[kMaxTocRows] = {};
    uint8_t trackNumber[kMaxTocRows] = {};
    int32_t startAddress[kMaxTocRows] = {};
    // Sectors of each row's track that its last extraction could not read and
    // delivered as silence. Kept with the table, so a new disc starts with none.
    int32_t unreadableSectors[kMaxTocRows] = {};

    void Clear() { *this = TocTable{}; }
    // A row that describes an audio track (not the lead-out, data bit clear).
    bool IsAudioRow(int row) const
    {
        return row >= 0 && row < count && trackNumber[row] != kLeadOutTrack &&
               !(adrControl[row] & kDataTrackBit);
    }
};

// Fills the table from a READ TOC answer of kTocAnswerSize bytes. Descriptors past
// the 100th or past the answer's end are not taken, whatever the length field says.
void ParseTocAnswer(const uint8_t* answer, TocTable& table);

// True when any row but the last is an audio track.
bool HasAudioTrack(const TocTable& table);

// The sectors of the track in row `row`: [start, end), end being the next row's
// start, or kSessionGapSectors before it when the next row is a track of the other
// kind (never for row 0), so end - start counts every sector of the track. False
// when the row has no following row.
bool TrackExtent(const TocTable& table, int row, int32_t& start, int32_t& end);

// The row whose track number is `trackNumber`, or -1.
int FindTrackRow(const TocTable& table, int trackNumber);

}  // namespace velmora
