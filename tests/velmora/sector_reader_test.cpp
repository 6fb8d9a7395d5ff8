// The sector reader against the simulated drive: whole tracks read block by block
// come out byte-exact and exactly as long as the track, over digital silence, a
// constant sample, a repeated period and a sine, with drives that land early or late;
// no read reaches the lead-out; a disc that goes away ends the track with an error.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "velmora/reading_fixture.h"

using namespace velmora;
using namespace testsupport;

namespace {

// Tracks of 3000 sectors; track i (0-based) delivers [3000 i, 3000 (i + 1)), its last
// sector included.
constexpr int32_t kTrack = 3000;

}  // namespace

TEST_F(Reading, LongDigitalSilenceAtTheStartMiddleAndEndOfTracks)
{
    SimDevice disc = AudioCd(3, kTrack);
    disc.extra = {
        "silence 0 299",         // the first track begins silent
        "silence 1000 1039",     // 40 silent sectors in the middle
        "silence 2850 3149",     // the first track ends silent and so does the second begin
        "silence 4000 4299",     // 300 in the middle of the second
        "silence 8925 8999",     // the last track ends with 75
        // Drives landing off, where the overlap can show it and where all is silence.
        "jitter 304 304 12", "jitter 1500 1600 -8", "jitter 2831 2831 -16",
        "jitter 3988 3988 -4", "jitter 4100 4200 1200", "jitter 4311 4311 8",
        "jitter 8800 8900 8",
    };
    Insert(disc);
    for (int track = 0; track < 3; ++track) {
        const Rip rip = Read(track, true);
        EXPECT_FALSE(rip.error) << track;
        EXPECT_EQ(rip.jitters, 0) << track;
        EXPECT_EQ(Compare(rip, track * kTrack, (track + 1) * kTrack), "") << track;
    }
}

TEST_F(Reading, WholeTracksOfSilence)
{
    // Nothing but silence, the last track too: every block advances.
    SimDevice disc = AudioCd(2, kTrack);
    disc.extra = {"silence 0 5999", "jitter 500 600 -8", "jitter 3500 3600 8"};
    Insert(disc);
    for (int track = 0; track < 2; ++track) {
        for (bool correction : {true, false}) {
            const Rip rip = Read(track, correction);
            EXPECT_FALSE(rip.error);
            EXPECT_EQ(Compare(rip, track * kTrack, (track + 1) * kTrack), "") << track;
            // Without correction 26 sectors a block; with it silence is read once, and
            // each read shows all but a landing's reach at either end.
            if (correction) {
                EXPECT_EQ(rip.rereads, 0);
                EXPECT_LE(rip.blocks, kTrack / 12 + 1);
            } else {
                EXPECT_EQ(rip.blocks, (kTrack + 25) / 26);
            }
        }
    }
}

TEST_F(Reading, AConstantSampleARepeatedPeriodAndSines)
{
    SimDevice disc = AudioCd(3, kTrack);
    disc.extra = {
        "constant 200 899 0x0123FEDC", "jitter 300 800 -8",     // inside the stretch
        "period 3100 3999 100", "jitter 3200 3800 8",           // 100 frames over and over
        "period 4500 4999 7", "jitter 4600 4900 -4",            // 7 frames
        "sine 6000 6999 441 20000", "jitter 6100 6900 -12",     // 100 frames a cycle
        "sine 7500 8999 1000 9000", "jitter 7600 8900 16",      // 44.1 frames a cycle
        // Reads whose overlap is audio again after such a stretch.
        "jitter 912 912 -20", "jitter 4007 4007 24",
    };
    Insert(disc);
    for (int track = 0; track < 3; ++track) {
        const Rip rip = Read(track, true);
        EXPECT_FALSE(rip.error) << track;
        EXPECT_EQ(rip.jitters, 0) << track;
        EXPECT_EQ(Compare(rip, track * kTrack, (track + 1) * kTrack), "") << track;
    }
}

TEST_F(Reading, ADriveThatAlwaysLandsOffStillGivesTheTrackExactly)
{
    // Every read but the first ones of each track lands early (or late) by the same
    // amount: each block delivers a few bytes less (or more), and the track still
    // ends exactly.
    // The disc's last bytes are the exception: a drive that lands early delivers them
    // only from a read past the lead-out, which is never made, so they are silence,
    // reported and counted.
    for (int drift : {-8, 8, -2348, 2352}) {
        SimDevice disc = AudioCd(2, kTrack);
        disc.extra = {"jitter 1 2985 " + std::to_string(drift),
                      "jitter 3001 5999 " + std::to_string(drift)};
        Insert(disc);
        for (int track = 0; track < 2; ++track) {
            Rip rip = Read(track, true);
            EXPECT_FALSE(rip.error);
            const bool unreachable = track == 1 && drift < 0;
            EXPECT_EQ(rip.jitters, unreachable ? 1 : 0) << drift;
            ASSERT_EQ(rip.audio.size(), size_t(kTrack) * kSectorSize) << drift;
            if (unreachable) {
                const size_t tail = size_t(-drift);
                EXPECT_TRUE(std::all_of(rip.audio.end() - tail, rip.audio.end(), [](uint8_t b) { return b == 0; }));
                std::vector<uint8_t> real(tail);
                disc.Audio().Fill(int64_t(2 * kTrack) * kSectorSize - int64_t(tail), real.data(), real.size());
                std::copy(real.begin(), real.end(), rip.audio.end() - tail);
                std::lock_guard<std::mutex> guard(record->lock);
                EXPECT_EQ(record->toc.unreadableSectors[1], 1);
            }
            EXPECT_EQ(Compare(rip, track * kTrack, (track + 1) * kTrack), "")
                << "drift " << drift << ", track " << track;
        }
        for (const auto& read : Reads())
            EXPECT_LE(read.first + read.second, 2 * kTrack) << "drift " << drift;
    }
}

TEST_F(Reading, TheLastTrackReadsNothingAtOrPastTheLeadOut)
{
    // Last blocks of 1 to 7 new sectors, with correction on (blocks of 26, then 19)
    // and off (blocks of 26): none asks for the lead-out or beyond.
    for (int last = 1; last <= 7; ++last) {
        for (bool correction : {true, false}) {
            const int32_t sectors = correction ? 26 + 19 * 20 + last : 26 * 20 + last;
            SimDevice disc = AudioCd(1, 0);
            disc.tracks = {{1, 0, false}, {2, 1000, false}};
            disc.leadOut = 1000 + sectors;  // the track delivers every sector up to the lead-out
            disc.extra = {"silence " + std::to_string(1000 + sectors - 75) + " 99999"};
            Insert(disc);
            const Rip rip = Read(1, correction);
            EXPECT_FALSE(rip.error);
            EXPECT_EQ(Compare(rip, 1000, 1000 + sectors), "") << last << " " << correction;
            const auto reads = Reads();
            ASSERT_FALSE(reads.empty());
            for (const auto& read : reads)
                EXPECT_LE(read.first + read.second, disc.leadOut)
                    << "read " << read.first << "+" << read.second << ", last " << last;
        }
    }
}

TEST_F(Reading, ShortTracksAtTheEndOfTheDisc)
{
    // A last track shorter than a block, and shorter than the overlap.
    for (int32_t length : {3, 8, 12, 30}) {
        SimDevice disc = AudioCd(1, 0);
        disc.tracks = {{1, 0, false}, {2, 500, false}};
        disc.leadOut = 500 + length;
        disc.extra = {"silence 0 99999"};
        Insert(disc);
        for (bool correction : {true, false}) {
            ClearSimLog();
            const Rip rip = Read(1, correction);
            EXPECT_FALSE(rip.error);
            // The whole track: the 10-sector minimum never reaches past the lead-out.
            EXPECT_EQ(Compare(rip, 500, 500 + length), "") << length;
            for (const auto& read : Reads())
                EXPECT_LE(read.first + read.second, disc.leadOut) << length;
        }
    }
}

TEST_F(Reading, SwitchingCorrectionMidTrackNeitherLosesNorRepeatsAudio)
{
    SimDevice disc = AudioCd(1, 2000);
    disc.extra = {"silence 300 700"};
    Insert(disc);
    SectorReader reader;
    ASSERT_TRUE(reader.SetUp(*record, 0));
    Rip rip;
    for (int block = 0;; ++block) {
        ASSERT_LT(block, 200);
        // Off and on in turns of three blocks.
        const Block b = reader.ReadBlock((block / 3) % 2 == 0);
        if (b.result != Block::Result::Audio)
            break;
        rip.jitters += b.jitter;
        rip.audio.insert(rip.audio.end(), b.data, b.data + b.length);
    }
    EXPECT_EQ(Compare(rip, 0, 2000), "");
}

TEST_F(Reading, ADiscTakenOutEndsTheTrackWithAnError)
{
    SimDevice disc = AudioCd(2, kTrack);
    Insert(disc);
    SectorReader reader;
    ASSERT_TRUE(reader.SetUp(*record, 1));
    Block block = reader.ReadBlock(true);
    ASSERT_EQ(block.result, Block::Result::Audio);
    disc.disc = false;
    WriteSimDrive(1, {disc});
    ClearSimLog();
    block = reader.ReadBlock(true);
    EXPECT_EQ(block.result, Block::Result::Error);
    EXPECT_EQ(reader.StatusText(), L"The disk was removed.");
    EXPECT_EQ(Reads().size(), 1u);  // no retry brings the disc back
    reader.FreeBuffers();

    // A disc changed under the reader (unit attention, medium changed) ends it too.
    disc.disc = true;
    disc.extra = {"fault readcd fail 3026 3026 sense 6 0x28 0"};
    WriteSimDrive(1, {disc});
    const Rip rip = Read(1, true);
    EXPECT_TRUE(rip.error);
    EXPECT_EQ(rip.status, L"The disk was changed.");
    // What the first block delivered stays, exact; the failed read adds nothing.
    ASSERT_GT(rip.audio.size(), 0u);
    EXPECT_LT(rip.audio.size(), 26u * kSectorSize);
    EXPECT_EQ(Compare(rip, kTrack, kTrack + int32_t(rip.audio.size() / kSectorSize)), "");
}

TEST_F(Reading, UnreadableSectorsAreSilenceAndCounted)
{
    SimDevice disc = AudioCd(2, kTrack);
    disc.extra = {"fault readcd fail 100 100 sense 3 0x11 0", "silence 150 250"};
    Insert(disc);
    const Rip rip = Read(0, true);
    EXPECT_FALSE(rip.error);
    // Reads 76-101 and 95-120 fail whole: their new sectors (83-101 and 102-120) come
    // out as silence; the rest of the track stays in place.
    std::vector<uint8_t> expected(size_t(kTrack) * kSectorSize);
    disc.Audio().Fill(0, expected.data(), expected.size());
    std::fill(expected.begin() + 83 * kSectorSize, expected.begin() + 121 * kSectorSize, 0);
    EXPECT_TRUE(rip.audio == expected);
    // The two failed blocks; the one after them is placed afresh by two reads that agree.
    EXPECT_EQ(rip.jitters, 2);
    std::lock_guard<std::mutex> guard(record->lock);
    EXPECT_EQ(record->toc.unreadableSectors[0], 38);
    EXPECT_EQ(record->toc.unreadableSectors[1], 0);
}

// A block the drive did not deliver is reported as jitter whatever the correction
// setting. With correction on, the silence standing in for it is never taken as
// verified audio to place the next block by (it would match any silence there): the
// next block is placed afresh, by reads that agree, and is not reported.
TEST_F(Reading, FailedBlocksAndTheOverlapsTheyLeaveAreJitter)
{
    struct Case {
        const char* what;
        bool correction;
        std::vector<std::string> extra;
        int32_t silentFrom, silentTo;  // the failed read's sectors, delivered as silence
        int jitters;
    };
    const Case cases[] = {
        {"a failed block without correction", false, {"fault readcd fail 100 100 sense 3 0x11 0"}, 78, 104, 1},
        {"a failed first block, then silence", true,
         {"fault readcd fail 5 5 sense 3 0x11 0", "silence 12 45"}, 0, 26, 1},
        {"a failed block, then silence", true, {"fault readcd fail 100 100 sense 3 0x11 0", "silence 110 160"}, 83, 121,
         2},
    };
    for (const Case& c : cases) {
        SimDevice disc = AudioCd(2, kTrack);
        disc.extra = c.extra;
        Insert(disc);
        const Rip rip = Read(0, c.correction);
        EXPECT_FALSE(rip.error) << c.what;
        std::vector<uint8_t> expected(size_t(kTrack) * kSectorSize);
        disc.Audio().Fill(0, expected.data(), expected.size());
        std::fill(expected.begin() + c.silentFrom * kSectorSize, expected.begin() + c.silentTo * kSectorSize, 0);
        EXPECT_TRUE(rip.audio == expected) << c.what;
        EXPECT_EQ(rip.jitters, c.jitters) << c.what;
        std::lock_guard<std::mutex> guard(record->lock);
        EXPECT_EQ(record->toc.unreadableSectors[0], c.silentTo - c.silentFrom) << c.what;
    }
}

TEST_F(Reading, AReadMadeAgainThatFailsEndsTheVote)
{
    // The second track's first block has nothing verified before it: it is read again
    // from up to three sectors earlier. The sector just before its first read fails:
    // the first read made again fails, and the block is taken as first read, reported,
    // rather than asked for again and again (each failure may cost a time-out).
    SimDevice disc = AudioCd(2, 1000);
    disc.extra = {"fault readcd fail 992 992"};
    Insert(disc);
    SectorReader reader;
    ASSERT_TRUE(reader.SetUp(*record, 1));
    const Block block = reader.ReadBlock(true);
    ASSERT_EQ(block.result, Block::Result::Audio);
    EXPECT_TRUE(block.jitter);
    EXPECT_EQ(reader.UnreadableSectors(), int32_t(block.length / kSectorSize));
    const auto reads = Reads();
    ASSERT_EQ(reads.size(), 1u + velmora::kReadAttempts);
    EXPECT_EQ(reads[0].first, 993);
    EXPECT_EQ(reads[1].first, 992);
    // The rest of the track is placed afresh, and exact.
    Rip rip;
    rip.audio.assign(block.data, block.data + block.length);
    for (Block next = reader.ReadBlock(true); next.result == Block::Result::Audio; next = reader.ReadBlock(true)) {
        rip.jitters += next.jitter;
        rip.audio.insert(rip.audio.end(), next.data, next.data + next.length);
    }
    EXPECT_EQ(rip.jitters, 0);
    EXPECT_EQ(Compare(rip, 1000, 2000), "");
    reader.FreeBuffers();
}
