#include "extract/sector_reader.h"

#include <cstring>
#include <new>

#include "extract/overlap_match.h"
#include "transport/drive_commands.h"

namespace velmora {
namespace {

const wchar_t kDiskRemoved[] = L"The disk was removed.";
const wchar_t kDiskChanged[] = L"The disk was changed.";
const wchar_t kNoProgress[] = L"Read error: the drive delivers no new audio.";

}  // namespace

bool SectorReader::SetUp(DriveRecord& drive, int trackIndex)
{
    drive_ = &drive;
    statusText_.clear();
    // A track is the table's row of its index, whatever number the disc gives it.
    // One that is not on the disc (its place in the table is empty, lies beyond the
    // lead-out or on a disc longer than any CD) is not read: reading it would only
    // deliver failed reads, or another track's audio.
    TrackRange range;
    {
        std::lock_guard<std::mutex> guard(drive.lock);
        TocTable& toc = drive.toc;
        tocRow_ = -1;
        if (!TrackReadRange(toc, trackIndex, range)) {
            statusText_ = L"No such track on the disk";
            return false;
        }
        tocRow_ = trackIndex;
        toc.unreadableSectors[tocRow_] = 0;
    }
    discEnd_ = range.discEnd;
    firstLba_ = range.first;
    lastLba_ = range.last;
    bytesLeft_ = static_cast<uint64_t>(lastLba_ - firstLba_) * kSectorSize;
    currentLba_ = firstLba_;
    sectorsLeft_ = lastLba_ - firstLba_;
    firstBlock_ = true;
    previousOverlap_ = 0;
    overlapRead_ = false;
    tailBeyondReach_ = false;
    percent_ = 0;
    unreadableSectors_ = 0;

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

SectorReader::ReadResult SectorReader::ReadSectors(int32_t lba, int count)
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
            return ReadResult::Read;
        // No retry brings a disc back: without one the rest of the track is not there.
        const SenseCode sense = SenseOf(request_->srb);
        if (sense.key == 0x02 && sense.asc == 0x3A) {  // medium not present
            statusText_ = kDiskRemoved;
            return ReadResult::MediumGone;
        }
        if (sense.key == 0x06 && sense.asc == 0x28) {  // medium may have changed
            statusText_ = kDiskChanged;
            return ReadResult::MediumGone;
        }
    }
    return ReadResult::Failed;
}

void SectorReader::CountUnreadable(uint32_t bytes)
{
    const int32_t sectors = static_cast<int32_t>((bytes + kSectorSize - 1) / kSectorSize);
    unreadableSectors_ += sectors;
    std::lock_guard<std::mutex> guard(drive_->lock);
    if (tocRow_ >= 0 && tocRow_ < drive_->toc.count)
        drive_->toc.unreadableSectors[tocRow_] = unreadableSectors_;
}

Block SectorReader::ReadBlock(bool jitterCorrection)
{
    Block block;
    if (!request_) {
        statusText_ = L"Internal Error #7601";
        block.result = Block::Result::Error;
        return block;
    }
    if (bytesLeft_ == 0) {
        percent_ = 100;
        block.result = Block::Result::Done;
        return block;
    }
    if (tailBeyondReach_)
        return SilentTail();
    const uint32_t overlap = jitterCorrection ? kOverlapSectors : 0;

    // Where the next byte of the track lies on the disc. The read starts far enough
    // before it to hold the sectors the previous read shares with it; a drive that
    // delivered a few bytes off leaves it inside a sector.
    const int64_t next = int64_t(lastLba_) * kSectorSize - int64_t(bytesLeft_);
    if (!firstBlock_) {
        currentLba_ = static_cast<int32_t>(next / kSectorSize) - static_cast<int32_t>(previousOverlap_);
        if (currentLba_ < 0)
            currentLba_ = 0;
        sectorsLeft_ = lastLba_ - currentLba_;
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
    // After a drift the track's end lies inside a sector: one more covers a drive
    // that lands early again.
    if (next % kSectorSize != 0)
        ++count;
    if (count > kBlockSectors)
        count = kBlockSectors;
    // Never ask for sectors at or beyond the lead-out.
    if (currentLba_ + count > discEnd_)
        count = discEnd_ - currentLba_;
    if (count < 1)
        count = 1;

    const uint32_t length = count * kSectorSize;
    const ReadResult read = ReadSectors(currentLba_, count);
    if (read == ReadResult::MediumGone) {
        block.result = Block::Result::Error;
        return block;
    }
    const uint8_t* data = request_->Data();

    // The new audio begins where the next byte would lie had the drive delivered
    // exactly what was asked: after the sectors the previous read already delivered.
    int64_t expected = firstBlock_ ? 0 : next - int64_t(currentLba_) * kSectorSize;
    if (expected > length)
        expected = length;
    uint32_t offset = static_cast<uint32_t>(expected);
    if (!firstBlock_ && jitterCorrection) {
        if (previousOverlap_ > 0 && overlapRead_ && read == ReadResult::Read)
            offset = FindJitterOffset(data, length, overlap_.data(), offset, block.jitter);
        else
            block.jitter = true;  // nothing to match: where this audio lies is not known
    }
    block.jitter = block.jitter || read != ReadResult::Read;
    firstBlock_ = false;
    previousOverlap_ = overlap;
    overlapRead_ = read == ReadResult::Read;

    const uint32_t tail = length < kSectorSize ? length : kSectorSize;
    std::memcpy(overlap_.data(), data + length - tail, tail);

    uint64_t valid = length - offset;
    if (valid > bytesLeft_)
        valid = bytesLeft_;
    if (valid == 0) {
        statusText_ = kNoProgress;
        block.result = Block::Result::Error;
        return block;
    }
    if (read != ReadResult::Read)
        CountUnreadable(static_cast<uint32_t>(valid));
    // A drive that lands early delivers the disc's last bytes never: a read that
    // already reaches the lead-out and was found where it belongs ends that many bytes
    // short of the track's end, and no read may go further.
    if (read == ReadResult::Read && !block.jitter && currentLba_ + count == discEnd_ &&
        valid < bytesLeft_)
        tailBeyondReach_ = true;
    sectorsLeft_ -= count - static_cast<int32_t>(overlap);
    currentLba_ += count - static_cast<int32_t>(overlap);
    bytesLeft_ -= valid;

    block.result = Block::Result::Audio;
    block.data = data + offset;
    block.length = static_cast<uint32_t>(valid);
    return block;
}

Block SectorReader::SilentTail()
{
    Block block;
    const uint32_t length = bytesLeft_ < kBlockSize ? static_cast<uint32_t>(bytesLeft_) : kBlockSize;
    std::memset(request_->Data(), 0, length);
    CountUnreadable(length);
    bytesLeft_ -= length;
    block.result = Block::Result::Audio;
    block.data = request_->Data();
    block.length = length;
    block.jitter = true;
    return block;
}

}  // namespace velmora
