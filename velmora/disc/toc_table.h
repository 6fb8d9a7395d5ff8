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
// Sectors between the last audio track of the first session and a following data
// track that belong to neither: the first session's lead-out (6,750), the second
// one's lead-in (4,500) and the data track's pre-gap (150). Drives refuse to read
// them, or return noise.
constexpr int32_t kSessionGapSectors = 11400;
// No CD holds more than 100 minutes: a table that says otherwise is not believed.
constexpr int32_t kMaxDiscSectors = 100 * 60 * 75;
// The fewest sectors a rip reads from a track's start (into the next track).
constexpr int32_t kMinimumRangeSectors = 10;

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

// The sectors of the track in row `row` as the table gives them: [start, end), end
// being the next row's start, or kSessionGapSectors before it when the next row is a
// track of the other kind (its data bit differs; never for row 0, never before the
// lead-out), so end - start counts every sector of the track. False when the row has
// no following row. Nothing is checked: end may lie before start.
bool TrackExtent(const TocTable& table, int row, int32_t& start, int32_t& end);

// What a rip of the track in row `row` reads: the sectors [first, last), never
// beyond the disc's end (the start of its lead-out). A track shorter than
// kMinimumRangeSectors is read for that many from its start; one that starts before
// sector 0 is read from 0. The track's Size and Duration are this range's.
struct TrackRange {
    int32_t first = 0;
    int32_t last = 0;
    int32_t discEnd = 0;  // no sector at or beyond it is on the disc
    int32_t Sectors() const { return last - first; }
};
// False when the row is no track (the lead-out, or no row follows it) or its extent
// is empty or lies outside the disc: a table that puts a track before its own
// start, beyond the lead-out or on a disc longer than any CD describes no audio
// that can be read.
bool TrackReadRange(const TocTable& table, int row, TrackRange& range);

// The row whose track number is `trackNumber`, or -1.
int FindTrackRow(const TocTable& table, int trackNumber);

}  // namespace velmora
