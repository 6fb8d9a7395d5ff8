// Placing a read against the audio verified before it, what silence proves by
// itself, when two reads agree, how many agreeing reads a drive's landings demand,
// and the vote among reads: over audio that places a read in one place (music), in many (silence, a
// constant sample, a repeated period), and nowhere (a read of somewhere else).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "extract/block_vote.h"
#include "extract/landing_statistics.h"
#include "extract/overlap_match.h"
#include "extract/read_placement.h"
#include "extract/sector_reader.h"
#include "sim_audio.h"

using namespace velmora;
using simdrive::AudioRegion;
using simdrive::DiscAudio;

namespace {

constexpr int64_t S = kSectorSize;
constexpr int64_t kNext = 1007 * S;  // where the verified audio ends
constexpr int64_t kBase = 1000 * S;  // where a block's read is asked to start

DiscAudio With(std::vector<AudioRegion> regions)
{
    DiscAudio audio;
    for (const AudioRegion& r : regions)
        audio.AddRegion(r);
    return audio;
}

AudioRegion Region(AudioRegion::Kind kind, int32_t from, int32_t to, int32_t frames = 1)
{
    AudioRegion r;
    r.kind = kind;
    r.from = from;
    r.to = to;
    r.frames = frames;
    return r;
}

// The audio of a disc as the reader keeps it, and as a drive delivers a read.
struct Disc {
    DiscAudio audio;
    std::vector<uint8_t> verified = std::vector<uint8_t>((kOverlapSectors + 1) * S);
    std::vector<uint8_t> reads[2];

    VerifiedAudio Before(uint32_t length = 8 * S)
    {
        audio.Fill(kNext - length, verified.data(), length);
        return VerifiedAudio{verified.data(), length, kNext};
    }
    // A read of `sectors` asked for at `base` that landed `landing` bytes off.
    ReadView Read(int64_t landing, int64_t base = kBase, int sectors = kBlockSectors, int slot = 0)
    {
        reads[slot].resize(size_t(sectors) * S);
        audio.Fill(base + landing, reads[slot].data(), reads[slot].size());
        return ReadView{reads[slot].data(), uint32_t(reads[slot].size()), base};
    }
};

}  // namespace

TEST(ReadPlacement, ReadsArePlacedByTheLastSoundOfTheVerifiedAudio)
{
    using Kind = Placement::Kind;
    const AudioRegion tailSilent = Region(AudioRegion::Kind::Silence, 1004, 1006);  // music fades out 3 sectors before
    const AudioRegion allSilent = Region(AudioRegion::Kind::Silence, 900, 1010);    // silence, then music from 1011
    const AudioRegion looped = Region(AudioRegion::Kind::Period, 900, 1100, 100);   // 400 bytes over and over
    const AudioRegion constant = [] {
        AudioRegion r = Region(AudioRegion::Kind::Constant, 900, 1010);
        r.word = 0x0123FEDC;
        return r;
    }();
    struct Case {
        const char* what;
        std::vector<AudioRegion> regions;
        int64_t landing;
        uint32_t verified;  // bytes of verified audio
        Kind kind;
        int64_t placed;
    };
    const Case cases[] = {
        {"music", {}, 0, 8 * S, Kind::Unique, 0},
        {"music, early", {}, -1200, 8 * S, Kind::Unique, -1200},
        {"music, a sector late", {}, 2352, 8 * S, Kind::Unique, 2352},
        {"music, far beyond the search", {}, 20000, 8 * S, Kind::None, 0},
        // Silence after the last sound does not blind the search: its end places the read.
        {"silence after music, late", {tailSilent}, 400, 8 * S, Kind::Unique, 400},
        {"silence after music, early", {tailSilent}, -2000, 8 * S, Kind::Unique, -2000},
        // Verified audio that is one sample throughout places nothing.
        {"silence", {allSilent}, 0, 8 * S, Kind::Uniform, 0},
        {"silence, landed early", {allSilent}, -1600, 8 * S, Kind::Uniform, 0},
        {"silence, late into the music", {allSilent}, 12000, 8 * S, Kind::None, 0},
        {"a constant sample", {constant}, 0, 8 * S, Kind::Uniform, 0},
        {"a repeated period", {looped}, 8, 8 * S, Kind::Several, 8},
        {"nothing verified", {}, 300, 0, Kind::Unanchored, 0},
    };
    for (const Case& c : cases) {
        Disc disc;
        disc.audio = With(c.regions);
        const Placement p = PlaceRead(disc.Before(c.verified), disc.Read(c.landing));
        EXPECT_EQ(int(p.kind), int(c.kind)) << c.what;
        EXPECT_EQ(p.landing, c.placed) << c.what;
    }
    // A read of somewhere else entirely.
    Disc disc;
    const VerifiedAudio before = disc.Before();
    EXPECT_EQ(int(PlaceRead(before, disc.Read(4000 * S)).kind), int(Kind::None));
}

TEST(ReadPlacement, SilenceProvesItselfUpToALandingsReachBeforeTheFirstSound)
{
    Disc disc;
    // Silence from 900 to 1020, music after it.
    disc.audio = With({Region(AudioRegion::Kind::Silence, 900, 1020)});
    const VerifiedAudio before = disc.Before();
    struct Case {
        int64_t landing;
        int64_t base;
        int sectors;
        bool startEdge, endEdge;
        int64_t reach;
    };
    const Case cases[] = {
        {0, kBase, 26, false, false, 1021 * S - kMaxLanding},         // up to the sound, less a reach
        {-3000, kBase, 26, false, false, 1021 * S + 3000 - kMaxLanding},  // as this read shows it
        {0, kBase, 15, false, false, 1015 * S - kMaxLanding},         // silent throughout: its end, less a reach
        {0, kBase, 15, false, true, 1015 * S},                       // up to the lead-out
        {0, 1004 * S, 26, false, false, kNext},                      // starts too late to show what follows
        {0, kNext, 26, true, false, 1021 * S - kMaxLanding},         // unless nothing before it can be read
        {20000, kBase, 26, false, false, kNext},                     // starts in the music: nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(UniformReach(before, disc.Read(c.landing, c.base, c.sectors), c.startEdge, c.endEdge), c.reach)
            << c.landing << " " << c.base / S << " " << c.sectors;
    // Verified music where the read surely overlaps it: silence proves nothing.
    disc.audio = DiscAudio();
    const VerifiedAudio music = disc.Before();
    disc.audio = With({Region(AudioRegion::Kind::Silence, 0, 9999)});
    EXPECT_EQ(UniformReach(music, disc.Read(0), false, false), kNext);
}

TEST(ReadPlacement, ReadsAgreeWhenTheySoundTheSameInTheSamePlace)
{
    Disc disc;
    disc.audio = With({Region(AudioRegion::Kind::Silence, 900, 1012)});  // music from 1013
    int64_t end = 0;
    const ReadView a = disc.Read(0, kBase, 26, 0);
    EXPECT_TRUE(Agree(a, 0, disc.Read(0, kBase - S, 26, 1), 0, kNext, end));
    EXPECT_EQ(end, 1025 * S);
    EXPECT_FALSE(Agree(a, 0, disc.Read(8, kBase - S, 26, 1), 0, kNext, end));  // the sound 8 bytes off
    EXPECT_TRUE(Agree(a, 0, disc.Read(8, kBase - S, 26, 1), 8, kNext, end));   // unless placed there
    // Silence agrees with silence, but shows no place.
    disc.audio = With({Region(AudioRegion::Kind::Silence, 0, 9999)});
    EXPECT_FALSE(Agree(disc.Read(0, kBase, 26, 0), 0, disc.Read(400, kBase, 26, 1), 0, kNext, end));
}

TEST(ReadPlacement, AVoteConvincesAsFarAsTheDrivesLandingsAllow)
{
    struct Case {
        const char* drive;
        std::vector<int64_t> landings;  // consecutive reads placed by their sound
        int votes, rival;
        bool convincing;
    };
    std::vector<int64_t> exact(300, 0), twoPlaces, wandering;
    for (int i = 0; i < 300; ++i) {
        twoPlaces.push_back(i % 2 ? 4 : 0);                    // lands a frame late every other time
        wandering.push_back(i % 5 ? 0 : (i * 7919) % 2000 * 4);  // a fifth far off, all over
    }
    const Case cases[] = {
        {"unknown", {}, 3, 0, false},
        {"unknown", {}, 4, 0, true},
        {"unknown", {}, 5, 1, true},
        {"exact", exact, 2, 0, true},
        {"exact", exact, 2, 1, false},
        {"exact", exact, 3, 1, true},
        {"wandering", wandering, 3, 0, true},
        {"two places", twoPlaces, 8, 0, false},
        {"two places", twoPlaces, 1, 0, false},
    };
    for (const Case& c : cases) {
        LandingStatistics statistics;
        for (int64_t landing : c.landings)
            statistics.Add(landing);
        EXPECT_EQ(statistics.Convincing(c.votes, c.rival), c.convincing)
            << c.drive << " " << c.votes << ":" << c.rival;
    }
}

TEST(BlockVote, AReadAllOthersAgreeWithDecidesWhatItHolds)
{
    // A period of 400 bytes up to sector 1099, music after it. A read that landed
    // exactly six periods off matches the period where it was asked to lie: it agrees
    // with an exact read as far as the period goes, and differs where the music
    // begins. A read that ends before the music agrees with both: what it holds is
    // the same in either place, and so is decided, up to its end.
    Disc disc;
    disc.audio = With({Region(AudioRegion::Kind::Period, 500, 1099, 100)});
    const int64_t from = 1083 * S;
    std::vector<std::vector<uint8_t>> held(3, std::vector<uint8_t>(size_t(26) * S));
    auto read = [&](int slot, int32_t start, int64_t landing) {
        disc.audio.Fill(int64_t(start) * S + landing, held[slot].data(), held[slot].size());
        return ReadView{held[slot].data(), uint32_t(held[slot].size()), int64_t(start) * S};
    };
    LandingStatistics drive;
    for (int i = 0; i < 300; ++i)
        drive.Add(0);
    BlockVote vote(drive, from);
    EXPECT_FALSE(vote.Add(read(0, 1076, 2400), 0));
    EXPECT_FALSE(vote.Add(read(1, 1076, 0), 0));
    ASSERT_TRUE(vote.Add(read(2, 1072, 0), 0));
    EXPECT_EQ(vote.Decided().read.base, 1072 * S);
    EXPECT_EQ(vote.Decided().end, 1098 * S);
    std::vector<uint8_t> expected(size_t(vote.Decided().end - from));
    disc.audio.Fill(from, expected.data(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), vote.Decided().read.data + (from - 1072 * S)));
    // The wrong read and the exact one alone decide nothing: each has one vote.
    BlockVote split(drive, from);
    EXPECT_FALSE(split.Add(read(0, 1076, 2400), 0));
    EXPECT_FALSE(split.Add(read(1, 1076, 0), 0));
    BlockVote::Choice first;
    ASSERT_TRUE(split.First(first));
    EXPECT_EQ(first.read.data, held[0].data());
}
