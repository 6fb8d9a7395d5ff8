// A drive that lands somewhere else on every try, over music-like audio: sound after
// digital silence at a track's start, in its middle, after a two-second pregap and in
// the last track; gapless joins; long silence ending a track before one that starts
// with sound; a track whose first read always lands off; last blocks of 1 to 26
// sectors. Every track comes out byte-exact and unreported, in a bounded number of
// reads, and blocks placed by their sound are never read twice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/music_image.h"
#include "support/temp_dir.h"
#include "velmora/reading_fixture.h"

using namespace testsupport;

namespace {

// Four tracks of 1,500 sectors (20 seconds).
constexpr int32_t kLength = 1500;
constexpr int kTracks = 4;
const char kWander[] = "wander 0 99999 20 588";  // a fifth of the reads, up to a sector off

struct Layout {
    const char* what;
    bool gapless;                     // music across the track boundaries, else silent edges
    std::vector<std::string> extra;   // laid over the image, and landings of its own
    bool carried;                     // one reader for all tracks, each following on from the last
};

}  // namespace

TEST_F(Reading, SoundAfterSilenceAndGaplessJoinsComeOutExactFromAWanderingDrive)
{
    TempDir folder;
    const std::string edges = folder.File("edges.bin"), gapless = folder.File("gapless.bin");
    ASSERT_TRUE(WriteMusicImage(edges, {0, 1500, 3000, 4500}, kTracks * kLength));
    ASSERT_TRUE(WriteMusicImage(gapless, {0}, kTracks * kLength));
    const Layout layouts[] = {
        {"every track opens with a second of silence, the last one too", false, {}, false},
        {"every track opens with a second of silence, carried", false, {}, true},
        {"gapless joins", true, {}, false},
        {"gapless joins, carried", true, {}, true},
        {"silence in the middle of tracks, long and short", true,
         {"silence 700 760", "silence 2400 2401", "silence 3600 3610", "silence 5000 5300"}, true},
        {"a two-second pregap before sound at a track's first sector", true,
         {"silence 1350 1499", "silence 4350 4499"}, false},
        {"long silence ending a track before one that starts with sound", true, {"silence 2600 2999"}, true},
        {"the first read of a track always lands off", true, {"wander 2993 2993 100 588"}, false},
        {"the first read of a track always lands off after silence", false, {"wander 2993 2993 100 588"}, true},
    };
    int seed = 0;
    for (const Layout& layout : layouts) {
        SimDevice disc = AudioCd(kTracks, kLength);
        disc.extra = {"image \"" + (layout.gapless ? gapless : edges) + "\""};
        disc.extra.insert(disc.extra.end(), layout.extra.begin(), layout.extra.end());
        disc.extra.insert(disc.extra.end(), {kWander, "seed " + std::to_string(++seed)});
        Insert(disc);
        SectorReader shared;
        for (int track = 0; track < kTracks; ++track) {
            const Rip rip = Read(track, true, layout.carried ? &shared : nullptr);
            EXPECT_FALSE(rip.error);
            EXPECT_EQ(rip.jitters, 0) << layout.what << ", track " << track + 1;
            EXPECT_EQ(Compare(rip, track * kLength, (track + 1) * kLength), "") << layout.what << ", track " << track + 1;
        }
        // About 19 new sectors a read, a few reads again where silence hides a place.
        EXPECT_LT(Reads().size(), size_t(kTracks * kLength / 19 + 120)) << layout.what;
    }
}

TEST_F(Reading, LastBlocksOfOneToTwentySixSectorsLandingEarlyAndLate)
{
    // 26 tracks whose lengths leave last blocks of 1 to 26 new sectors; the reads near
    // every track's end land off half the time, the others a fifth.
    std::vector<int32_t> starts;
    SimDevice disc;
    int32_t at = 0;
    for (int r = 1; r <= 26; ++r) {
        starts.push_back(at);
        disc.tracks.push_back({r, at, false});
        at += 26 + 19 * 6 + r;
        disc.extra.push_back("wander " + std::to_string(at - 33) + " " + std::to_string(at) + " 50 588");
    }
    disc.leadOut = at;
    disc.extra.push_back(kWander);
    TempDir folder;
    for (bool gapless : {true, false}) {
        const std::string image = folder.File(gapless ? "gapless.bin" : "edges.bin");
        ASSERT_TRUE(WriteMusicImage(image, gapless ? std::vector<int32_t>{0} : starts, disc.leadOut));
        SimDevice described = disc;
        described.extra.insert(described.extra.begin(), "image \"" + image + "\"");
        Insert(described);
        SectorReader shared;
        for (int track = 0; track < 26; ++track) {
            const int32_t end = track + 1 < 26 ? starts[track + 1] : disc.leadOut;
            const Rip rip = Read(track, true, gapless ? &shared : nullptr);
            EXPECT_EQ(rip.jitters, 0) << track + 1;
            EXPECT_EQ(Compare(rip, starts[track], end), "") << "gapless " << gapless << ", track " << track + 1;
        }
        for (const auto& read : Reads())
            EXPECT_LE(read.first + read.second, disc.leadOut);
    }
}

TEST_F(Reading, BlocksPlacedByTheirSoundAreNeverReadAgain)
{
    // Gapless music with a second of silence at either end of the disc: only where
    // the first sound follows the opening silence is a block read more than once;
    // the tracks after it follow on from each other, up to the silent lead-out.
    TempDir folder;
    const std::string image = folder.File("music.bin");
    ASSERT_TRUE(WriteMusicImage(image, {0}, kTracks * kLength));
    for (const char* drive : {"wander 0 0 0 1", kWander}) {
        SimDevice disc = AudioCd(kTracks, kLength);
        disc.extra = {"image \"" + image + "\"", drive};
        Insert(disc);
        SectorReader reader;
        for (int track = 0; track < kTracks; ++track) {
            const Rip rip = Read(track, true, &reader);
            EXPECT_EQ(Compare(rip, track * kLength, (track + 1) * kLength), "") << drive;
            if (track == 0)
                EXPECT_LE(rip.rereads, velmora::kVerifyReads - 1) << drive;
            else
                EXPECT_EQ(rip.rereads, 0) << drive << ", track " << track + 1;
        }
    }
}
