// Ripping through the control from discs whose audio is like real discs': long
// digital silence at the start, middle and end of tracks, a constant sample, a short
// period repeated, sines, and a music-like image, read by a drive that lands a few
// bytes off now and then. Every track comes out byte-exact, in bounded time.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/music_image.h"
#include "velmora/com/ripping_fixture.h"

using namespace testsupport;

namespace {

constexpr int32_t kTrackLength = 3000;

// Four tracks of 3000 sectors; the last one's final block holds 3 new sectors.
SimDevice PatternDisc()
{
    SimDevice disc = AudioCd(4, kTrackLength);
    disc.leadOut = 3 * kTrackLength + 26 + 19 * 150 + 3;
    disc.extra = {
        "silence 0 299",                 // the first track opens with silence
        "silence 1000 1039",             // 40 silent sectors in the middle
        "silence 2850 3149",             // between the first two tracks
        "constant 3400 3899 0x0123FEDC", // a constant sample
        "silence 4000 4299",             // 300 in the middle of the second
        "period 6200 6999 100",          // a looped stretch of 100 frames
        "sine 7200 7999 1000 12000",     // a test tone
        "sine 9000 9499 441 20000",      // the last track opens with a tone
        "silence 11804 99999",           // and ends with 75 silent sectors
        // The drive lands off where the overlap shows it, and inside uniform stretches.
        "jitter 304 304 12", "jitter 1500 1600 -8", "jitter 2831 2831 -16",
        "jitter 3500 3800 8", "jitter 3988 3988 -4", "jitter 4100 4200 1200",
        "jitter 4311 4311 8", "jitter 6300 6900 -8", "jitter 7300 7900 16",
        "jitter 9100 9400 -12", "jitter 11000 11700 4",
    };
    return disc;
}

}  // namespace

TEST_F(Ripping, SilenceConstantSamplesLoopsAndTonesRipByteExact)
{
    const SimDevice disc = PatternDisc();
    Start({disc});
    control->put_JitterCorrection(VARIANT_TRUE);
    for (int track = 1; track <= 4; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle(60000));
    EXPECT_EQ(Count("OnExtractionEnd"), 4u);
    EXPECT_EQ(Count("OnJitterDetected"), 0u);
    EXPECT_EQ(Count("OnExtractionError"), 0u);
    const simdrive::DiscAudio audio = disc.Audio();
    for (int track = 1; track <= 4; ++track) {
        const int32_t first = (track - 1) * kTrackLength;
        const int32_t sectors = track < 4 ? kTrackLength : disc.leadOut - first;
        EXPECT_EQ(CompareWav(Target(track) + ".wav", audio, first, sectors), "") << track;
    }
}

TEST_F(Ripping, SilenceAndLoopsRipByteExactWithoutCorrectionToo)
{
    SimDevice disc = PatternDisc();
    disc.extra.erase(std::remove_if(disc.extra.begin(), disc.extra.end(),
                                    [](const std::string& line) { return line.rfind("jitter", 0) == 0; }),
                     disc.extra.end());
    Start({disc});
    control->put_JitterCorrection(VARIANT_FALSE);
    ClearSimLog();
    for (int track = 1; track <= 4; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle(60000));
    const simdrive::DiscAudio audio = disc.Audio();
    for (int track = 1; track <= 4; ++track) {
        const int32_t first = (track - 1) * kTrackLength;
        const int32_t sectors = track < 4 ? kTrackLength : disc.leadOut - first;
        EXPECT_EQ(CompareWav(Target(track) + ".wav", audio, first, sectors), "") << track;
    }
    // The last block of the last track asks for what lies before the lead-out only.
    int reads = 0;
    for (const std::string& line : SimLog()) {
        unsigned op = 0, b2 = 0, b3 = 0, b4 = 0, b5 = 0, b6 = 0, b7 = 0, b8 = 0;
        if (std::sscanf(line.c_str(), "CDB 0.0.0 %x %*x %x %x %x %x %x %x %x", &op, &b2, &b3, &b4, &b5,
                        &b6, &b7, &b8) == 8 &&
            op == 0xBE) {
            ++reads;
            EXPECT_LE(int32_t((b2 << 24) | (b3 << 16) | (b4 << 8) | b5) + int32_t((b7 << 8) | b8),
                      disc.leadOut)
                << line;
        }
    }
    EXPECT_EQ(reads, 4 * 116 - 5);  // 26 sectors a read; the last track is shorter
}

TEST_F(Ripping, AMusicLikeImageRipsByteExact)
{
    // Three tracks of 20 seconds with silence between them, served from an image.
    const std::vector<int32_t> starts = {0, 1500, 3000};
    const int32_t leadOut = 4500;
    const std::string image = out.File("disc image.bin");
    ASSERT_TRUE(WriteMusicImage(image, starts, leadOut));
    SimDevice disc = AudioCd(3, 1500);
    disc.extra = {"image \"" + image + "\"", "jitter 100 200 -8", "jitter 1700 1800 12",
                  "jitter 3100 3300 -2352", "jitter 3400 3500 600"};
    Start({disc});
    control->put_JitterCorrection(VARIANT_TRUE);
    for (int track = 1; track <= 3; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle(60000));
    EXPECT_EQ(Count("OnExtractionEnd"), 3u);
    EXPECT_EQ(Count("OnJitterDetected"), 0u);
    const simdrive::DiscAudio audio = disc.Audio();
    EXPECT_EQ(audio.ImagePath(), image);
    for (int track = 1; track <= 3; ++track)
        EXPECT_EQ(CompareWav(Target(track) + ".wav", audio, starts[track - 1], 1500), "") << track;
    // The image really is music: silence where tracks meet, sound between.
    const std::string first = ReadFileText(Target(1) + ".wav");
    EXPECT_EQ(first.substr(46, 75 * 2352), std::string(75 * 2352, '\0'));
    EXPECT_NE(first.substr(46 + 400 * 2352, 2352), std::string(2352, '\0'));
}

namespace {

// The bytes of sectors [first, end) of a raw image file.
std::string ImageSectors(const std::string& image, int32_t first, int32_t end)
{
    return ReadFileText(image).substr(size_t(first) * 2352, size_t(end - first) * 2352);
}

// "" when the WAV file holds exactly `audio` after a header with its exact sizes.
std::string WavHolds(const std::string& path, const std::string& audio)
{
    const std::string wav = ReadFileText(path);
    if (wav.size() != 46 + audio.size())
        return std::to_string(wav.size()) + " bytes, expected " + std::to_string(46 + audio.size());
    uint32_t riff = 0, data = 0;
    std::memcpy(&riff, wav.data() + 4, 4);
    std::memcpy(&data, wav.data() + 42, 4);
    if (riff != 38 + audio.size() || data != audio.size())
        return "header sizes " + std::to_string(riff) + " and " + std::to_string(data);
    const auto mismatch = std::mismatch(audio.begin(), audio.end(), wav.begin() + 46);
    if (mismatch.first != audio.end())
        return "first difference in sector " + std::to_string((mismatch.first - audio.begin()) / 2352);
    return std::string();
}

}  // namespace

TEST_F(Ripping, EveryTrackOfGaplessMusicRipsToTheNextTracksStart)
{
    // Music that runs on across the track boundaries (a live or gapless album): each
    // track's last sector is sound, and the next track begins right after it.
    const std::vector<int32_t> starts = {0, 1500, 3000};
    const int32_t leadOut = 4500;
    const std::string image = out.File("gapless.bin");
    ASSERT_TRUE(WriteMusicImage(image, {0}, leadOut));
    SimDevice disc = AudioCd(3, 1500);
    disc.extra = {"image \"" + image + "\""};
    Start({disc});
    for (VARIANT_BOOL correction : {VARIANT_TRUE, VARIANT_FALSE}) {
        // With correction on, the drive lands off near the boundaries too.
        disc.extra.resize(1);
        if (correction)
            disc.extra.insert(disc.extra.end(), {"jitter 1400 1499 -8", "jitter 2900 2999 12"});
        WriteSimDrive(1, {disc});
        log.clear();
        control->put_JitterCorrection(correction);
        ASSERT_EQ(control->ClearQueue(), S_OK);
        for (int track = 1; track <= 3; ++track)
            ASSERT_EQ(Queue(track), S_OK);
        ASSERT_EQ(control->RunQueue(), S_OK);
        ASSERT_TRUE(WaitIdle(60000));
        EXPECT_EQ(Count("OnExtractionEnd"), 3u);
        for (int track = 1; track <= 3; ++track) {
            const int32_t end = track < 3 ? starts[track] : leadOut;
            const std::string expected = ImageSectors(image, starts[track - 1], end);
            EXPECT_EQ(WavHolds(Target(track) + ".wav", expected), "")
                << "track " << track << ", correction " << correction;
            long size = 0;
            TrackOf(drive.Get(), track)->get_Size(&size);
            EXPECT_EQ(size_t(size), expected.size()) << track;
        }
    }
    // The sectors that meet at a boundary are sound, not a gap of silence.
    const std::string lastOfFirst = ImageSectors(image, 1499, 1500);
    EXPECT_NE(lastOfFirst, std::string(2352, '\0'));
    const std::string first = ReadFileText(Target(1) + ".wav");
    EXPECT_EQ(first.substr(first.size() - 2352), lastOfFirst);
}

TEST_F(Ripping, TheLastAudioTrackOfAnEnhancedCdEndsWhereTheFirstSessionEnds)
{
    // Two audio tracks of music, then a data track in a second session. The first
    // session's lead-out begins 11,400 sectors before the data track; the drive
    // refuses to read there and beyond. The second audio track comes out whole,
    // its last sector included, nothing of the lead-out read.
    SimDevice disc = EnhancedCd(2, 1500);
    const int32_t dataStart = disc.tracks.back().lba;
    const int32_t audioEnd = dataStart - 11400;
    ASSERT_EQ(audioEnd, 3000);
    const std::string image = out.File("enhanced.bin");
    ASSERT_TRUE(WriteMusicImage(image, {0}, audioEnd + 300));
    disc.extra = {"image \"" + image + "\"",
                  "fault readcd fail " + std::to_string(audioEnd) + " " + std::to_string(dataStart - 1) +
                      " sense 5 0x21 0"};
    Start({disc});
    control->put_JitterCorrection(VARIANT_TRUE);
    for (int track = 1; track <= 2; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle(60000));
    EXPECT_EQ(Count("OnExtractionEnd"), 2u);
    EXPECT_EQ(Count("OnExtractionError"), 0u);
    EXPECT_EQ(Count("OnJitterDetected"), 0u);
    EXPECT_EQ(WavHolds(Target(1) + ".wav", ImageSectors(image, 0, 1500)), "");
    const std::string second = ImageSectors(image, 1500, audioEnd);
    EXPECT_EQ(WavHolds(Target(2) + ".wav", second), "");
    EXPECT_NE(second.substr(second.size() - 2352), std::string(2352, '\0'));
    long size = 0, duration = 0, unreadable = -1;
    TrackOf(drive.Get(), 2)->get_Size(&size);
    TrackOf(drive.Get(), 2)->get_Duration(&duration);
    TrackOf(drive.Get(), 2)->get_UnreadableSectors(&unreadable);
    EXPECT_EQ(size_t(size), second.size());
    EXPECT_EQ(duration, 1500 / 75);
    EXPECT_EQ(unreadable, 0);
}

namespace {

// "" when the WAV file holds `expected` from byte `from` of its audio to byte `to`.
std::string HoldsBetween(const std::string& path, const std::string& expected, size_t from, size_t to)
{
    const std::string wav = ReadFileText(path);
    if (wav.size() != 46 + expected.size())
        return std::to_string(wav.size()) + " bytes, expected " + std::to_string(46 + expected.size());
    for (size_t i = from; i < to; ++i)
        if (wav[46 + i] != expected[i])
            return "first difference in sector " + std::to_string(i / 2352) + " at byte " + std::to_string(i % 2352);
    return std::string();
}

// Sectors [first, end) of a described disc's audio, stretches laid over its image included.
std::string AudioOf(const SimDevice& disc, int32_t first, int32_t end)
{
    std::string audio(size_t(end - first) * 2352, '\0');
    disc.Audio().Fill(int64_t(first) * 2352, reinterpret_cast<uint8_t*>(&audio[0]), int64_t(audio.size()));
    return audio;
}

long UnreadableOf(IDrive* drive, int track)
{
    long sectors = -1;
    EXPECT_EQ(TrackOf(drive, track)->get_UnreadableSectors(&sectors), S_OK);
    return sectors;
}

}  // namespace

TEST_F(Ripping, AQueueOfMusicFromADriveThatLandsElsewhereOnEveryTryRipsByteExact)
{
    // Silent track edges, silence in the middle of a track, gapless joins, and a track
    // whose first sector is sound after two seconds of silence; a fifth of the reads
    // land up to a sector off, each try anew.
    const std::vector<int32_t> starts = {0, 1500, 3000, 3750, 4500};
    const int32_t leadOut = 6000;
    const std::string image = out.File("album.bin");
    ASSERT_TRUE(WriteMusicImage(image, {0, 1500, 3000}, leadOut));
    SimDevice disc = AudioCd(5, 0);
    disc.tracks.clear();
    for (size_t i = 0; i < starts.size(); ++i)
        disc.tracks.push_back({int(i) + 1, starts[i], false});
    disc.leadOut = leadOut;
    disc.extra = {"image \"" + image + "\"", "silence 800 830", "silence 3600 3749", "wander 0 99999 20 588",
                  "seed 11"};
    Start({disc});
    control->put_JitterCorrection(VARIANT_TRUE);
    for (int track = 1; track <= 5; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle(120000));
    EXPECT_EQ(Count("OnExtractionEnd"), 5u);
    EXPECT_EQ(Count("OnJitterDetected"), 0u);
    EXPECT_EQ(Count("OnExtractionError"), 0u);
    for (int track = 1; track <= 5; ++track) {
        const int32_t end = track < 5 ? starts[track] : leadOut;
        EXPECT_EQ(WavHolds(Target(track) + ".wav", AudioOf(disc, starts[track - 1], end)), "") << track;
        EXPECT_EQ(UnreadableOf(drive.Get(), track), 0) << track;
    }
    const std::string fourth = ReadFileText(Target(4) + ".wav");
    EXPECT_NE(fourth.substr(46, 2352), std::string(2352, '\0'));  // sound from the first sector
}

TEST_F(Ripping, WhatNoReadsAgreeOnIsReportedAndCountedAndWhatARegionLandingOffAlikeHidesIsNot)
{
    // The second track opens with a second of silence; its first sound lies at 1575.
    const std::string image = out.File("three.bin");
    ASSERT_TRUE(WriteMusicImage(image, {0, 1500, 3000}, 4500));
    const std::string second = ImageSectors(image, 1500, 3000);
    SimDevice disc = AudioCd(3, 1500);
    struct Case {
        const char* drive;
        bool reported;
    };
    // Every read near that first sound lands off at random, up to 2000 frames: no two
    // reads agree where it lies. Or every read there lands 400 bytes late, as alike
    // as reads of the right place would: the sound is taken 400 bytes early, and
    // everything placed after it follows, up to the silence ending the track.
    const Case cases[] = {{"wander 1540 1620 100 2000", true}, {"jitter 1540 1620 400", false}};
    for (const Case& c : cases) {
        disc.extra = {"image \"" + image + "\"", c.drive};
        if (!control)
            Start({disc});
        WriteSimDrive(1, {disc});
        log.clear();
        control->put_JitterCorrection(VARIANT_TRUE);
        ASSERT_EQ(control->ClearQueue(), S_OK);
        for (int track = 1; track <= 3; ++track)
            ASSERT_EQ(Queue(track), S_OK);
        ASSERT_EQ(control->RunQueue(), S_OK);
        ASSERT_TRUE(WaitIdle(120000));
        EXPECT_EQ(Count("OnExtractionEnd"), 3u);
        EXPECT_EQ(WavHolds(Target(1) + ".wav", ImageSectors(image, 0, 1500)), "") << c.drive;
        EXPECT_EQ(WavHolds(Target(3) + ".wav", ImageSectors(image, 3000, 4500)), "") << c.drive;
        EXPECT_EQ(UnreadableOf(drive.Get(), 1) + UnreadableOf(drive.Get(), 3), 0) << c.drive;
        const long unreadable = UnreadableOf(drive.Get(), 2);
        if (c.reported) {
            // The blocks no reads agreed on, and only they, are reported and counted;
            // before and after them the track is exact.
            EXPECT_GE(Count("OnJitterDetected"), 1u);
            EXPECT_GE(unreadable, 19);
            EXPECT_LE(unreadable, 120);
            EXPECT_EQ(HoldsBetween(Target(2) + ".wav", second, 0, 47 * 2352), "");
            EXPECT_EQ(HoldsBetween(Target(2) + ".wav", second, 150 * 2352, second.size()), "");
            EXPECT_NE(WavHolds(Target(2) + ".wav", second), "");
        } else {
            EXPECT_EQ(Count("OnJitterDetected"), 0u);
            EXPECT_EQ(unreadable, 0);
            const std::string after = ImageSectors(image, 3000, 3001);
            std::string shifted = second;
            const size_t from = 75 * 2352 - 400;
            std::copy(second.begin() + from + 400, second.end(), shifted.begin() + from);
            std::copy(after.begin(), after.begin() + 400, shifted.end() - 400);
            EXPECT_EQ(WavHolds(Target(2) + ".wav", shifted), "");
        }
    }
}
