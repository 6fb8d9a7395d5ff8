// Reads one CD track as raw 2352-byte sectors, 26 at a time with READ CD. With
// jitter correction on, consecutive reads overlap by 7 sectors and every block's
// audio is placed against the audio verified before it; a block whose place that
// cannot show (it follows silence, it starts a track, the drive landed far off) is
// read again from other sectors until enough reads agree where it lies, and is
// reported when they do not.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "extract/block_vote.h"
#include "extract/landing_statistics.h"
#include "extract/read_placement.h"
#include "transport/drive_record.h"
#include "transport/scsi_command.h"

namespace velmora {

constexpr uint32_t kSectorSize = 2352;
constexpr int kBlockSectors = 26;
constexpr int kOverlapSectors = 7;
constexpr uint32_t kBlockSize = kBlockSectors * kSectorSize;  // 61152
constexpr int kReadAttempts = 3;  // a failed READ CD is tried twice more

// One pass of the block loop.
struct Block {
    enum class Result { Audio, Done, Error } result = Result::Done;
    const uint8_t* data = nullptr;  // the block's new audio
    uint32_t length = 0;
    // The drive did not deliver the block, or where its audio lies could not be
    // verified: its audio is not trustworthy (and is counted as unreadable).
    bool jitter = false;
};

class SectorReader {
public:
    // Computes the track's range from the drive's table (under the drive's lock) and
    // allocates the buffers. False (with StatusText) when the track is not on the disc;
    // buffers that cannot be had make the first ReadBlock fail.
    bool SetUp(DriveRecord& drive, int trackIndex);
    // Reads the next block; `jitterCorrection` is the control's setting now. Every
    // block of audio delivers something; an Error (with StatusText) ends the track.
    Block ReadBlock(bool jitterCorrection);
    void FreeBuffers();

    int Percent() const { return percent_; }
    const std::wstring& StatusText() const { return statusText_; }
    uint64_t BytesLeft() const { return bytesLeft_; }
    int32_t FirstLba() const { return firstLba_; }
    int32_t LastLba() const { return lastLba_; }
    // Sectors of this track delivered as silence because the drive could not read
    // them, or delivered without their place verified.
    int32_t UnreadableSectors() const { return unreadableSectors_; }
    // READ CD requests made for this track to verify blocks already read once.
    int32_t Rereads() const { return rereads_; }

private:
    enum class ReadResult { Read, Failed, MediumGone };
    ReadResult ReadSectors(std::unique_ptr<ScsiRequest>& request, int32_t lba, int count);
    bool HaveRequest(int index);
    Block ReadPlain();
    Block ReadVerified();
    // Hands out the read's audio from the next byte to `end`, taking the read to lie
    // at `landing`; audio not `verified` is reported and counted.
    Block Deliver(const ReadView& read, int64_t landing, int64_t end, bool verified);
    void CountUnreadable(uint64_t bytes);
    // The rest of a track that lies past the last byte the drive delivers before the
    // lead-out: silence, reported as jitter and counted as unreadable.
    Block SilentTail();
    VerifiedAudio Verified() const;
    void KeepVerified(const uint8_t* audio, uint64_t length);

    DriveRecord* drive_ = nullptr;
    int tocRow_ = -1;
    int32_t firstLba_ = 0;
    int32_t lastLba_ = 0;
    int32_t discEnd_ = 0;   // the lead-out: no sector at or beyond it is requested
    int32_t minStart_ = 0;  // reads of verified blocks stay within [minStart_, readLimit_):
    int32_t readLimit_ = 0; //   the track and the audio tracks joined to it, up to a lead-out
    int64_t next_ = 0;      // disc position of the track's next byte
    uint64_t bytesLeft_ = 0;
    bool tailBeyondReach_ = false;  // the track's last bytes lie where no read reaches
    int percent_ = 0;
    int32_t unreadableSectors_ = 0;
    int32_t rereads_ = 0;
    // [0] serves every block, the others the reads made again.
    std::array<std::unique_ptr<ScsiRequest>, kVerifyReads> requests_;

    // The last verified audio delivered, right-aligned in `verified_`; it may serve
    // the next track of the same disc when that begins where this one ended.
    std::vector<uint8_t> verified_;
    uint32_t verifiedLength_ = 0;
    bool verifiedCarried_ = false;  // from the track before, not yet confirmed
    const DriveRecord* verifiedDrive_ = nullptr;
    std::vector<int32_t> verifiedToc_;  // the table of the disc it came from
    LandingStatistics landings_;         // of the drive last read
    bool placedExactly_ = false;         // the block being delivered was placed by its sound

    std::wstring statusText_;
};

}  // namespace velmora
