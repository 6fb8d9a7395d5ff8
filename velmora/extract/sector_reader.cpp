#include "extract/sector_reader.h"

#include <cstring>
#include <new>

#include "transport/drive_commands.h"

namespace velmora {
namespace {

constexpr uint32_t kMaxSearchWindow = 30576;
// No CD holds more than 100 minutes: a table that says otherwise is not believed.
constexpr int32_t kMaxDiscSectors = 100 * 60 * 75;
constexpr uint32_t kSearchStep = 4;

}  // namespace

bool SectorReader::SetUp(DriveRecord& drive, int trackIndex)
{
    drive_ = &drive;
    statusText_.clear();
    int32_t start = 0, end = 0;
    {
        std::lock_guard<std::mutex> guard(drive.lock);
        const TocTable& toc = drive.toc;
        const int row = FindTrackRow(toc, trackIndex + 1);
        if (row < 0 || !TrackExtent(toc, row, start, end)) {
            statusText_ = L"No such track on the disk";
            return false;
        }
        discEnd_ = toc.startAddress[toc.count - 1];
    }
    // A track that starts at or beyond the lead-out, or on a disc longer than any CD,
    // is not on the disc: reading it would only deliver failed reads.
    if ((start > 0 ? start : 0) >= discEnd_ || discEnd_ > kMaxDiscSectors) {
        statusText_ = L"No such track on the disk";
        return false;
    }
    lastLba_ = end;
    if (static_cast<int64_t>(start) + kMinimumRangeSectors > end)
        lastLba_ = start + kMinimumRangeSectors;
    firstLba_ = start > 0 ? start : 0;
    // Nothing lies beyond the lead-out: a range that reaches past it ends there.
    if (lastLba_ > discEnd_ && discEnd_ > firstLba_)
        lastLba_ = discEnd_;
    if (lastLba_ < firstLba_)
        lastLba_ = firstLba_;
    bytesLeft_ = static_cast<uint64_t>(lastLba_ - firstLba_) * kSectorSize;
    firstBlock_ = true;
    previousOverlap_ = 0;
    percent_ = 0;

    try {
        request_ = std::make_unique<ScsiRequest>(kBlockSize);
        overlap_.assign(kSectorSize, 0);
    } catch (const std::bad_alloc&) {
        FreeBuffers();
    }
    // Without buffers the track still starts; its first block reports the failure.
    if (!request_ || !request_->HasEvent())
        FreeBuffers();
    return true;
}

void SectorReader::FreeBuffers()
{
    request_.reset();
    overlap_.clear();
    overlap_.shrink_to_fit();
}

bool SectorReader::ReadSectors(int32_t lba, int count)
{
    const uint32_t length = count * kSectorSize;
    const uint8_t cdb[12] = {kOpReadCd,
                             static_cast<uint8_t>(drive_->lun << 5),
                             static_cast<uint8_t>(lba >> 24),
                             static_cast<uint8_t>(lba >> 16),
                             static_cast<uint8_t>(lba >> 8),
                             static_cast<uint8_t>(lba),
                             0,
                             static_cast<uint8_t>(count >> 8),
                             static_cast<uint8_t>(count & 0xFF),
                             0xF8,
                             0,
                             0};
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        std::memset(request_->Data(), 0, length);
        if (SendScsiCommand(*drive_, SRB_DIR_IN, cdb, sizeof cdb, request_, length) == SS_COMP)
            return true;
    }
    return false;
}

Block SectorReader::ReadBlock(bool jitterCorrection)
{
    Block block;
    if (!request_) {
        statusText_ = L"Internal Error #7601";
        block.result = Block::Result::Error;
        return block;
    }
    const int overlap = jitterCorrection ? kOverlapSectors : 0;
    if (firstBlock_) {
        currentLba_ = firstLba_;
        sectorsLeft_ = lastLba_ - firstLba_;
    }
    if (bytesLeft_ == 0) {
        percent_ = 100;
        block.result = Block::Result::Done;
        return block;
    }
    const int32_t range = lastLba_ - firstLba_;
    percent_ = range > 0 ? static_cast<int>(100.0 - sectorsLeft_ * 100.0 / range) : 0;

    int count;
    if (sectorsLeft_ >= kBlockSectors)
        count = kBlockSectors;
    else if (sectorsLeft_ > kOverlapSectors)
        count = sectorsLeft_;
    else
        count = sectorsLeft_ + kOverlapSectors;
    if (count > kBlockSectors)
        count = kBlockSectors;
    // Never ask for sectors at or beyond the lead-out.
    if (currentLba_ + count > discEnd_ && discEnd_ > currentLba_)
        count = discEnd_ - currentLba_;
    if (count < 1)
        count = 1;

    const uint32_t length = count * kSectorSize;
    const bool delivered = ReadSectors(currentLba_, count);
    const uint8_t* read = request_->Data();

    // The new audio begins after the sectors that the previous read already
    // delivered: none for the first block, or when the previous read did not overlap
    // (correction was off then), so switching correction on or off mid-track neither
    // loses nor repeats audio.
    uint32_t offset = firstBlock_ ? 0 : previousOverlap_ * kSectorSize;
    if (offset > length)
        offset = length;
    if (!firstBlock_ && jitterCorrection)
        offset = FindJitterOffset(read, length, overlap_.data(), offset, block.jitter);
    firstBlock_ = false;
    previousOverlap_ = overlap;
    block.jitter = block.jitter || !delivered;

    const uint32_t tail = length < kSectorSize ? length : kSectorSize;
    std::memcpy(overlap_.data(), read + length - tail, tail);

    uint64_t valid = length - offset;
    if (valid > bytesLeft_)
        valid = bytesLeft_;
    currentLba_ += count - overlap;
    sectorsLeft_ -= count - overlap;
    bytesLeft_ -= valid;

    block.result = Block::Result::Audio;
    block.data = read + offset;
    block.length = static_cast<uint32_t>(valid);
    return block;
}

uint32_t SectorReader::FindJitterOffset(const uint8_t* read, uint32_t length,
                                        const uint8_t* overlap, uint32_t expectedOffset,
                                        bool& jitter)
{
    jitter = false;
    if (length > kSectorSize) {
        uint32_t window = length - kSectorSize;
        if (window > kMaxSearchWindow)
            window = kMaxSearchWindow;
        const uint32_t half = window / 2;
        for (uint32_t k = 0; k < half; k += kSearchStep) {
            if (std::memcmp(read + half - k, overlap, kSectorSize) == 0)
                return half - k + kSectorSize;
            if (std::memcmp(read + half + k, overlap, kSectorSize) == 0)
                return half + k + kSectorSize;
        }
    }
    // No match: take the new audio from where it belongs when the drive did not drift.
    jitter = true;
    return expectedOffset;
}

}  // namespace velmora
