#include "extract/sector_reader.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "extract/overlap_match.h"
#include "transport/drive_commands.h"

namespace velmora {
namespace {

// Reads of one block start at one of this many sectors.
constexpr int kRereadSpread = 4;
// Verified audio kept before the next byte: all a read can share with it.
constexpr uint32_t kVerifiedBytes = (kOverlapSectors + 1) * kSectorSize;

const wchar_t kDiskRemoved[] = L"The disk was removed.";
const wchar_t kDiskChanged[] = L"The disk was changed.";
const wchar_t kNoProgress[] = L"Read error: the drive delivers no new audio.";

// Rows `row` and `row + 1` hold tracks of the same kind that meet without a gap, in
// order, so a read may run from one into the other.
bool Joined(const TocTable& toc, int row)
{
    int32_t start = 0, end = 0;
    return row >= 0 && row + 1 < toc.count && toc.trackNumber[row] != kLeadOutTrack &&
           toc.trackNumber[row + 1] != kLeadOutTrack && TrackExtent(toc, row, start, end) &&
           start < end && end == toc.startAddress[row + 1];
}

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
    int32_t runStart = 0, runEnd = 0;
    std::vector<int32_t> table;
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
        // A block may start inside the tracks before and end inside the ones after, when
        // they join this one: only the start of the disc or of a session, and a lead-out,
        // stop reads.
        int first = tocRow_;
        while (Joined(toc, first - 1))
            --first;
        runStart = toc.startAddress[first];
        int last = tocRow_;
        while (Joined(toc, last))
            ++last;
        int32_t unused = 0;
        TrackExtent(toc, last, unused, runEnd);
        table.assign(toc.startAddress, toc.startAddress + toc.count);
        table.insert(table.end(), toc.adrControl, toc.adrControl + toc.count);
    }
    discEnd_ = range.discEnd;
    firstLba_ = range.first;
    lastLba_ = range.last;
    minStart_ = std::min(std::max(runStart, 0), firstLba_);
    readLimit_ = std::min(std::max(runEnd, lastLba_), discEnd_);
    if (readLimit_ < lastLba_)
        readLimit_ = lastLba_;

    // The verified audio of the track before serves this one when it ended where this
    // one begins, on the same drive and disc.
    const int64_t first = int64_t(firstLba_) * kSectorSize;
    verifiedCarried_ = verifiedLength_ > 0 && verifiedDrive_ == &drive && next_ == first &&
                       table == verifiedToc_;
    if (!verifiedCarried_)
        verifiedLength_ = 0;
    if (verifiedDrive_ != &drive)
        landings_.Clear();
    verifiedDrive_ = &drive;
    verifiedToc_.swap(table);

    next_ = first;
    bytesLeft_ = static_cast<uint64_t>(lastLba_ - firstLba_) * kSectorSize;
    tailBeyondReach_ = false;
    percent_ = 0;
    unreadableSectors_ = 0;
    rereads_ = 0;

    FreeBuffers();
    try {
        verified_.resize(kVerifiedBytes);
    } catch (const std::bad_alloc&) {
        verifiedLength_ = 0;
    }
    // Without buffers the track still starts; its first block reports the failure.
    if (verified_.size() != kVerifiedBytes || !HaveRequest(0))
        FreeBuffers();
    return true;
}

void SectorReader::FreeBuffers()
{
    for (auto& request : requests_)
        request.reset();
}

bool SectorReader::HaveRequest(int index)
{
    if (!requests_[index]) {
        try {
            requests_[index] = std::make_unique<ScsiRequest>(kBlockSize);
        } catch (const std::bad_alloc&) {
            return false;
        }
        if (!requests_[index]->HasEvent()) {
            requests_[index].reset();
            return false;
        }
    }
    return true;
}

SectorReader::ReadResult SectorReader::ReadSectors(std::unique_ptr<ScsiRequest>& request, int32_t lba,
                                                   int count)
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
        std::memset(request->Data(), 0, length);
        if (SendScsiCommand(*drive_, SRB_DIR_IN, cdb, sizeof cdb, request, length) == SS_COMP)
            return ReadResult::Read;
        // No retry brings a disc back: without one the rest of the track is not there.
        const SenseCode sense = SenseOf(request->Srb());
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

void SectorReader::CountUnreadable(uint64_t bytes)
{
    const int32_t sectors = static_cast<int32_t>((bytes + kSectorSize - 1) / kSectorSize);
    unreadableSectors_ += sectors;
    std::lock_guard<std::mutex> guard(drive_->lock);
    if (tocRow_ >= 0 && tocRow_ < drive_->toc.count)
        drive_->toc.unreadableSectors[tocRow_] = unreadableSectors_;
}

VerifiedAudio SectorReader::Verified() const
{
    VerifiedAudio audio;
    audio.data = verified_.data() + verified_.size() - verifiedLength_;
    audio.length = verifiedLength_;
    audio.end = next_;
    return audio;
}

void SectorReader::KeepVerified(const uint8_t* audio, uint64_t length)
{
    const uint32_t size = static_cast<uint32_t>(verified_.size());
    if (length >= size) {
        std::memcpy(verified_.data(), audio + (length - size), size);
        verifiedLength_ = size;
        return;
    }
    const uint32_t n = static_cast<uint32_t>(length);
    std::memmove(verified_.data(), verified_.data() + n, size - n);
    std::memcpy(verified_.data() + size - n, audio, n);
    verifiedLength_ = std::min(size, verifiedLength_ + n);
}

Block SectorReader::ReadBlock(bool jitterCorrection)
{
    Block block;
    if (!requests_[0]) {
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
    return jitterCorrection ? ReadVerified() : ReadPlain();
}

Block SectorReader::Deliver(const ReadView& read, int64_t landing, int64_t end, bool verified)
{
    Block block;
    if (!placedExactly_)
        landings_.Interrupt();
    placedExactly_ = false;
    end = std::min<int64_t>(end, next_ + int64_t(bytesLeft_));
    const uint64_t length = uint64_t(end - next_);
    block.result = Block::Result::Audio;
    block.data = read.data + (next_ - read.base - landing);
    block.length = static_cast<uint32_t>(length);
    if (verified) {
        KeepVerified(block.data, length);
    } else {
        // What comes after audio of unknown place is placed afresh, never against it.
        verifiedLength_ = 0;
        block.jitter = true;
        CountUnreadable(length);
    }
    verifiedCarried_ = false;
    next_ = end;
    bytesLeft_ -= length;
    return block;
}

// Without correction every read starts where the next byte lies and is taken as the
// drive delivered it.
Block SectorReader::ReadPlain()
{
    Block block;
    verifiedLength_ = 0;
    const int32_t start = static_cast<int32_t>(next_ / kSectorSize);
    const int32_t sectorsLeft = lastLba_ - start;
    const int32_t range = lastLba_ - firstLba_;
    percent_ = range > 0 ? static_cast<int>(100.0 - sectorsLeft * 100.0 / range) : 0;

    int count;
    if (sectorsLeft >= kBlockSectors)
        count = kBlockSectors;
    else if (sectorsLeft > kOverlapSectors)
        count = sectorsLeft;
    else
        count = sectorsLeft + kOverlapSectors;
    // After corrected blocks the next byte may lie inside a sector.
    if (next_ % kSectorSize != 0)
        ++count;
    count = std::min(count, kBlockSectors);
    // Never ask for sectors at or beyond the lead-out.
    count = std::max(1, std::min(count, discEnd_ - start));

    const ReadResult read = ReadSectors(requests_[0], start, count);
    if (read == ReadResult::MediumGone) {
        block.result = Block::Result::Error;
        return block;
    }
    const int64_t end = std::min<int64_t>(int64_t(start + count) * kSectorSize, next_ + int64_t(bytesLeft_));
    if (end <= next_) {
        statusText_ = kNoProgress;
        block.result = Block::Result::Error;
        return block;
    }
    block.result = Block::Result::Audio;
    block.data = requests_[0]->Data() + (next_ - int64_t(start) * kSectorSize);
    block.length = static_cast<uint32_t>(end - next_);
    block.jitter = read != ReadResult::Read;
    if (block.jitter)
        CountUnreadable(block.length);
    landings_.Interrupt();
    next_ = end;
    bytesLeft_ -= block.length;
    return block;
}

Block SectorReader::ReadVerified()
{
    // Each read starts far enough before the next byte to share the last sectors
    // delivered. Reads made again start up to three sectors earlier, a different
    // sector each time: all of them still hold what the first one held from the
    // next byte to a landing's reach after it, where the sound whose place decides
    // the vote begins (any earlier, the silence before it proves itself).
    const int32_t first = std::max(minStart_, static_cast<int32_t>(next_ / kSectorSize) - kOverlapSectors);
    const int32_t range = lastLba_ - firstLba_;
    const int32_t sectorsLeft = lastLba_ - std::max(first, firstLba_);
    percent_ = range > 0 ? std::max(0, static_cast<int>(100.0 - sectorsLeft * 100.0 / range)) : 0;

    // Reads whose place nothing verified shows vote on it.
    BlockVote vote(landings_, next_);
    ReadView firstRead;
    VerifiedAudio before = Verified();
    bool landedShort = false;
    for (int t = 0; t < kVerifyReads && HaveRequest(t); ++t) {
        const int32_t start = std::max(minStart_, first - t % kRereadSpread);
        const int count = std::min(kBlockSectors, readLimit_ - start);
        const ReadResult result = ReadSectors(requests_[t], start, count);
        if (t > 0)
            ++rereads_;
        if (result == ReadResult::MediumGone) {
            Block block;
            block.result = Block::Result::Error;
            return block;
        }
        const ReadView view{requests_[t]->Data(), count * kSectorSize, int64_t(start) * kSectorSize};
        if (t == 0)
            firstRead = view;
        if (result != ReadResult::Read) {
            // A block the drive cannot read is silence, as far as it did not fill it.
            if (t == 0)
                return Deliver(view, 0, view.base + view.length, false);
            // Nor is it asked again and again (each failure may cost a time-out):
            // the reads made so far decide.
            break;
        }
        Placement placement = PlaceRead(before, view);
        // The track before may have come from another disc after all.
        if (placement.kind == Placement::Kind::None && verifiedCarried_ && t == 0) {
            verifiedLength_ = 0;
            verifiedCarried_ = false;
            before = Verified();
            placement = PlaceRead(before, view);
        }
        if (placement.kind == Placement::Kind::Unique) {
            landings_.Add(placement.landing);
            const int64_t end = view.base + placement.landing + view.length;
            placedExactly_ = end > next_;
            if (placedExactly_)
                return Deliver(view, placement.landing, end, true);
            landedShort = true;  // early, at the lead-out: nothing new in it
            continue;
        }
        const int64_t proven = UniformReach(before, view, start == minStart_, start + count == readLimit_);
        if (proven > next_)
            return Deliver(view, 0, proven, true);
        if (placement.kind == Placement::Kind::None)
            continue;
        if (vote.Add(view, placement.landing))
            return Deliver(vote.Decided().read, vote.Decided().landing, vote.Decided().end, true);
    }
    // Every read that showed where the track's last bytes lie ended before them.
    if (landedShort) {
        tailBeyondReach_ = true;
        return SilentTail();
    }
    // Nothing verifies the block: the first read that may lie where it was asked is
    // taken (else the first read, where it was asked to lie), and reported.
    BlockVote::Choice taken{firstRead, 0, firstRead.base + firstRead.length};
    vote.First(taken);
    return Deliver(taken.read, taken.landing, taken.end, false);
}

Block SectorReader::SilentTail()
{
    Block block;
    const uint32_t length = bytesLeft_ < kBlockSize ? static_cast<uint32_t>(bytesLeft_) : kBlockSize;
    std::memset(requests_[0]->Data(), 0, length);
    const ReadView view{requests_[0]->Data(), length, next_};
    return Deliver(view, 0, next_ + length, false);
}

}  // namespace velmora
