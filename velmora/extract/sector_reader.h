// Reads one CD track as raw 2352-byte sectors, 26 at a time with READ CD. With
// jitter correction on, consecutive reads overlap by 7 sectors and the start of the
// new audio is found by matching the previous read's last sector in the new one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
    // The overlap was not found, or the drive did not deliver the block: its audio
    // is not trustworthy.
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
    // Sectors of this track delivered as silence because the drive could not read them.
    int32_t UnreadableSectors() const { return unreadableSectors_; }

private:
    enum class ReadResult { Read, Failed, MediumGone };
    ReadResult ReadSectors(int32_t lba, int count);
    void CountUnreadable(uint32_t bytes);
    // The rest of a track that lies past the last byte the drive delivers before the
    // lead-out: silence, reported as jitter and counted as unreadable.
    Block SilentTail();

    DriveRecord* drive_ = nullptr;
    int tocRow_ = -1;
    int32_t currentLba_ = 0;
    int32_t firstLba_ = 0;
    int32_t lastLba_ = 0;
    int32_t discEnd_ = 0;  // the lead-out: no sector at or beyond it is requested
    int32_t sectorsLeft_ = 0;
    uint64_t bytesLeft_ = 0;
    bool firstBlock_ = true;
    uint32_t previousOverlap_ = 0;  // sectors the previous read shares with the next one
    bool overlapRead_ = false;      // the overlap buffer holds audio the drive delivered
    bool tailBeyondReach_ = false;  // the track's last bytes lie where no read reaches
    int percent_ = 0;
    int32_t unreadableSectors_ = 0;
    std::unique_ptr<ScsiRequest> request_;  // its buffer is the read buffer
    std::vector<uint8_t> overlap_;
    std::wstring statusText_;
};

}  // namespace velmora
