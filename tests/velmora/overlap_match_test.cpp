// Overlap matching on its own: where the previous read's last sector is found in a
// new read that a drive delivered exactly, early or late, over audio that matches in
// one place only and over audio that matches in many (silence, a constant sample, a
// repeated period).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "extract/overlap_match.h"
#include "extract/sector_reader.h"
#include "sim_audio.h"

using namespace velmora;
using simdrive::AudioRegion;
using simdrive::DiscAudio;

namespace {

// A full block read from `lba` by a drive that lands `drift` bytes late (negative:
// early), and the sector that ended the previous read, six sectors into the block.
struct Reads {
    std::vector<uint8_t> block;
    std::vector<uint8_t> overlap;
};

Reads ReadAt(const DiscAudio& audio, int32_t lba, int drift, int sectors = kBlockSectors)
{
    Reads r{std::vector<uint8_t>(sectors * kSectorSize), std::vector<uint8_t>(kSectorSize)};
    audio.Fill(int64_t(lba) * kSectorSize + drift, r.block.data(), r.block.size());
    audio.Fill(int64_t(lba + kOverlapSectors - 1) * kSectorSize, r.overlap.data(), kSectorSize);
    return r;
}

DiscAudio With(AudioRegion::Kind kind, int32_t from, int32_t to, uint32_t word = 0, int32_t frames = 1)
{
    DiscAudio audio;
    AudioRegion region;
    region.kind = kind;
    region.from = from;
    region.to = to;
    region.word = word;
    region.frames = frames;
    audio.AddRegion(region);
    return audio;
}

constexpr uint32_t kExpected = kOverlapSectors * kSectorSize;  // 16464

uint32_t Match(const Reads& r, bool& jitter, uint32_t expected = kExpected)
{
    return FindJitterOffset(r.block.data(), static_cast<uint32_t>(r.block.size()), r.overlap.data(),
                            expected, jitter);
}

}  // namespace

TEST(OverlapMatch, FindsTheSectorWhereADriftingDriveDeliveredIt)
{
    const DiscAudio music;
    for (int drift : {0, 4, -4, 8, -8, 588, -588, 1200, -1200, 2352, -2352, 14112, -15288}) {
        bool jitter = true;
        EXPECT_EQ(Match(ReadAt(music, 1000, drift), jitter), kExpected - drift) << drift;
        EXPECT_FALSE(jitter) << drift;
    }
}

TEST(OverlapMatch, ASectorFarFromWhereItBelongsIsJitter)
{
    const DiscAudio music;
    bool jitter = false;
    // Beyond the search, or not there at all (a read of another place).
    EXPECT_EQ(Match(ReadAt(music, 1000, 15292), jitter), kExpected);
    EXPECT_TRUE(jitter);
    EXPECT_EQ(Match(ReadAt(music, 1000, -16000), jitter), kExpected);
    EXPECT_TRUE(jitter);
    Reads elsewhere = ReadAt(music, 1000, 0);
    music.Fill(int64_t(5000) * kSectorSize, elsewhere.block.data(), elsewhere.block.size());
    EXPECT_EQ(Match(elsewhere, jitter), kExpected);
    EXPECT_TRUE(jitter);
    // A read that failed and left zeros does not match audio.
    std::fill(elsewhere.block.begin(), elsewhere.block.end(), 0);
    EXPECT_EQ(Match(elsewhere, jitter), kExpected);
    EXPECT_TRUE(jitter);
}

TEST(OverlapMatch, UniformAudioIsTakenFromWhereItBelongs)
{
    // Silence or a constant sample all over the block matches everywhere: the
    // expected place wins, however the drive drifted (which cannot be seen).
    for (const DiscAudio& uniform : {With(AudioRegion::Kind::Silence, 900, 1100),
                                     With(AudioRegion::Kind::Constant, 900, 1100, 0x0123FEDC)}) {
        for (int drift : {0, 8, -8, 1200, -1200}) {
            bool jitter = true;
            EXPECT_EQ(Match(ReadAt(uniform, 1000, drift), jitter), kExpected) << drift;
            EXPECT_FALSE(jitter);
        }
    }
}

TEST(OverlapMatch, SilenceEndingOrBeginningAtTheOverlapIsFoundWhereItIs)
{
    bool jitter = true;
    // The overlap is silence and music follows it: a late drive shows where.
    const DiscAudio endsThere = With(AudioRegion::Kind::Silence, 0, 1006);
    EXPECT_EQ(Match(ReadAt(endsThere, 1000, 8), jitter), kExpected - 8);
    EXPECT_FALSE(jitter);
    // The overlap is the first sector of silence after music: an early drive shows where.
    const DiscAudio beginsThere = With(AudioRegion::Kind::Silence, 1006, 3000);
    EXPECT_EQ(Match(ReadAt(beginsThere, 1000, -8), jitter), kExpected + 8);
    EXPECT_FALSE(jitter);
    EXPECT_EQ(Match(ReadAt(beginsThere, 1000, 8), jitter), kExpected);  // silence on both sides
    EXPECT_FALSE(jitter);
}

TEST(OverlapMatch, ARepeatedPeriodIsMatchedNearestToWhereItBelongs)
{
    // 100 frames (400 bytes) over and over: every 400 bytes is a match; the nearest
    // is the right one for drifts below half the period.
    const DiscAudio looped = With(AudioRegion::Kind::Period, 900, 1100, 0, 100);
    for (int drift : {0, 4, -4, 8, -8, 196, -196}) {
        bool jitter = true;
        EXPECT_EQ(Match(ReadAt(looped, 1000, drift), jitter), kExpected - drift) << drift;
        EXPECT_FALSE(jitter);
    }
    // A drift of whole periods is invisible, and the audio is the same.
    bool jitter = true;
    EXPECT_EQ(Match(ReadAt(looped, 1000, 1200), jitter), kExpected);
    EXPECT_FALSE(jitter);
}

TEST(OverlapMatch, ASineIsMatchedWhereItBelongs)
{
    DiscAudio sine;
    AudioRegion tone;
    tone.kind = AudioRegion::Kind::Sine;
    tone.from = 900;
    tone.to = 1100;
    tone.hz = 1000;
    tone.amplitude = 12000;
    sine.AddRegion(tone);
    for (int drift : {0, 4, -4, 40, -40}) {
        bool jitter = true;
        EXPECT_EQ(Match(ReadAt(sine, 1000, drift), jitter), kExpected - drift) << drift;
        EXPECT_FALSE(jitter);
    }
}

TEST(OverlapMatch, EveryMatchLeavesNewAudio)
{
    // A short last block of 8 sectors whose whole content is silence, as is the
    // overlap: the expected place wins and one sector is new.
    const DiscAudio silent = With(AudioRegion::Kind::Silence, 0, 5000);
    bool jitter = true;
    const Reads last = ReadAt(silent, 1000, 0, 8);
    EXPECT_EQ(Match(last, jitter), kExpected);
    EXPECT_FALSE(jitter);
    // The overlap found only at the very end of the read would leave nothing new: no
    // match, and the audio is taken from where it belongs.
    const DiscAudio music;
    Reads stale = ReadAt(music, 1000, 0, 8);
    music.Fill(int64_t(5000) * kSectorSize, stale.block.data(), stale.block.size());
    std::copy(stale.overlap.begin(), stale.overlap.end(), stale.block.end() - kSectorSize);
    EXPECT_EQ(Match(stale, jitter), kExpected);
    EXPECT_TRUE(jitter);
    // Four bytes short of the end still leave one frame.
    std::copy(stale.overlap.begin(), stale.overlap.end(), stale.block.end() - kSectorSize - 4);
    EXPECT_EQ(Match(stale, jitter), 8 * kSectorSize - 4);
    EXPECT_FALSE(jitter);
}

// The key search against the plain definition: every place within reach whose bytes
// are the key, counted up to two, the nearest to the expected place first (the
// earlier of two as near). Reads are drawn from a few sample values, so that keys
// recur, and from a short period, so that places pass the first comparison by the
// hundred; windows start and end at every alignment.
TEST(OverlapMatch, KeySearchFindsWhatTheDefinitionFinds)
{
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int trial = 0; trial < 3000; ++trial) {
        const uint32_t length = 64 + next() % 4000 * 4;
        std::vector<uint8_t> read(length);
        const uint32_t values = 1 + next() % 3, period = trial % 3 == 0 ? 2 + next() % 5 : 0;
        for (uint32_t at = 0; at < length; at += 4) {
            const uint32_t word = period ? (at / 4) % period : next() % values;
            std::memcpy(&read[at], &word, 4);
        }
        const uint32_t keyLength = 8 + next() % 8 * 4;
        const int64_t keyAt = next() % (length - keyLength + 1) / 4 * 4;
        std::vector<uint8_t> key(read.begin() + keyAt, read.begin() + keyAt + keyLength);
        if (trial % 5 == 0)
            key[next() % keyLength] ^= 1;  // perhaps nowhere
        const int64_t expected = int64_t(next() % (length + 64)) - 32;
        const int64_t first = int64_t(next() % (length / 2)) - 8, last = first + next() % length;

        int count = 0;
        int64_t position = 0, best = INT64_MAX;
        const int64_t low = std::max<int64_t>({first, 0, expected - kMaxLanding});
        const int64_t high = std::min<int64_t>({last, int64_t(length) - keyLength, expected + kMaxLanding});
        for (int64_t p = low; p <= high; ++p) {
            if (((p - expected) % 4 + 4) % 4 != 0 || std::memcmp(&read[p], key.data(), keyLength) != 0)
                continue;
            ++count;
            const int64_t distance = p > expected ? p - expected : expected - p;
            if (distance < best)
                best = distance, position = p;
        }
        const KeyMatch match = FindKey(read.data(), length, key.data(), keyLength, expected, first, last);
        ASSERT_EQ(match.count, std::min(count, 2)) << "trial " << trial;
        if (count > 0) {
            ASSERT_EQ(match.position, position) << "trial " << trial;
        }
    }
}
