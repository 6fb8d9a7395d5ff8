// Parsing READ TOC answers into the track table, and the track extent rule.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "disc/toc_table.h"
#include "sim_config.h"

using namespace velmora;

namespace {

std::vector<uint8_t> Answer(const std::vector<simdrive::TocRow>& rows, int32_t leadOut)
{
    simdrive::Device device;
    device.tracks = rows;
    device.leadOut = leadOut;
    return simdrive::BuildTocAnswer(device, kTocAnswerSize);
}

std::vector<simdrive::TocRow> AudioRows(int count, int32_t length)
{
    std::vector<simdrive::TocRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({i + 1, i * length, false});
    return rows;
}

}  // namespace

TEST(TocTable, TwelveTrackAudioCdGivesThirteenRows)
{
    const auto answer = Answer(AudioRows(12, 20000), 240000);
    TocTable toc;
    ParseTocAnswer(answer.data(), toc);
    ASSERT_EQ(toc.count, 13);
    EXPECT_EQ(toc.trackNumber[0], 1);
    EXPECT_EQ(toc.trackNumber[11], 12);
    EXPECT_EQ(toc.trackNumber[12], kLeadOutTrack);
    EXPECT_EQ(toc.startAddress[5], 100000);
    EXPECT_EQ(toc.startAddress[12], 240000);
    EXPECT_TRUE(HasAudioTrack(toc));

    int32_t start = 0, end = 0;
    ASSERT_TRUE(TrackExtent(toc, 0, start, end));
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 20000);  // the next track's start: every sector up to it counts
    ASSERT_TRUE(TrackExtent(toc, 11, start, end));
    EXPECT_EQ(start, 220000);
    EXPECT_EQ(end, 240000);  // the lead-out follows: the track reaches it
    EXPECT_FALSE(TrackExtent(toc, 12, start, end));
    EXPECT_EQ(FindTrackRow(toc, 7), 6);
    EXPECT_EQ(FindTrackRow(toc, 13), -1);
}

TEST(TocTable, EnhancedCdLeavesTheSessionGapOut)
{
    auto rows = AudioRows(10, 15000);
    rows.push_back({11, 150000 + 11400, true});
    const auto answer = Answer(rows, 200000);
    TocTable toc;
    ParseTocAnswer(answer.data(), toc);
    ASSERT_EQ(toc.count, 12);

    int32_t start = 0, end = 0;
    ASSERT_TRUE(TrackExtent(toc, 9, start, end));
    EXPECT_EQ(end, 150000);  // the first session's lead-out and the gap are left out
    ASSERT_TRUE(TrackExtent(toc, 0, start, end));
    EXPECT_EQ(end, 15000);
    // The data track is followed by the lead-out: the plain rule.
    ASSERT_TRUE(TrackExtent(toc, 10, start, end));
    EXPECT_EQ(end, 200000);
    EXPECT_FALSE(toc.IsAudioRow(10));
    EXPECT_TRUE(HasAudioTrack(toc));
}

TEST(TocTable, TheFirstRowNeverTakesTheGapRule)
{
    // A data track first, then audio (a mixed-mode disc).
    const auto answer = Answer({{1, 0, true}, {2, 30000, false}}, 60000);
    TocTable toc;
    ParseTocAnswer(answer.data(), toc);
    int32_t start = 0, end = 0;
    ASSERT_TRUE(TrackExtent(toc, 0, start, end));
    EXPECT_EQ(end, 30000);
}

TEST(TocTable, DataOnlyDiscHasNoAudio)
{
    const auto answer = Answer({{1, 0, true}}, 300000);
    TocTable toc;
    ParseTocAnswer(answer.data(), toc);
    ASSERT_EQ(toc.count, 2);
    EXPECT_FALSE(toc.IsAudioRow(0));
    EXPECT_FALSE(HasAudioTrack(toc));
}

TEST(TocTable, AllZeroAnswerGivesAnEmptyTable)
{
    const std::vector<uint8_t> answer(kTocAnswerSize, 0);
    TocTable toc;
    toc.count = 5;
    ParseTocAnswer(answer.data(), toc);
    EXPECT_EQ(toc.count, 0);
    EXPECT_FALSE(HasAudioTrack(toc));
    int32_t start, end;
    EXPECT_FALSE(TrackExtent(toc, 0, start, end));
}

TEST(TocTable, LengthFieldsBeyondTheAnswerOrTheTableAreBounded)
{
    // Claims 0xFFFF bytes: 8191 descriptors, of which at most 100 are taken.
    std::vector<uint8_t> answer(kTocAnswerSize, 0);
    answer[0] = 0xFF;
    answer[1] = 0xFF;
    for (size_t i = 4; i + 8 <= answer.size(); i += 8)
        answer[i + 2] = static_cast<uint8_t>((i - 4) / 8 + 1);
    TocTable toc;
    ParseTocAnswer(answer.data(), toc);
    EXPECT_EQ(toc.count, kMaxTocRows);
    EXPECT_EQ(toc.trackNumber[99], 100);

    // 120 descriptors that fit in the answer: still only 100 rows.
    answer[0] = (2 + 120 * 8) >> 8;
    answer[1] = (2 + 120 * 8) & 0xFF;
    ParseTocAnswer(answer.data(), toc);
    EXPECT_EQ(toc.count, kMaxTocRows);

    // A length of 1 is a negative descriptor count rounded to zero.
    answer[0] = 0;
    answer[1] = 1;
    ParseTocAnswer(answer.data(), toc);
    EXPECT_EQ(toc.count, 0);
}

TEST(TocTable, RandomAnswersStayInsideTheTable)
{
    std::mt19937 random(1234);
    std::vector<uint8_t> answer(kTocAnswerSize);
    for (int round = 0; round < 2000; ++round) {
        for (auto& b : answer)
            b = static_cast<uint8_t>(random());
        TocTable toc;
        ParseTocAnswer(answer.data(), toc);
        ASSERT_GE(toc.count, 0);
        ASSERT_LE(toc.count, kMaxTocRows);
        for (int row = 0; row < toc.count; ++row) {
            int32_t start, end;
            const bool hasNext = TrackExtent(toc, row, start, end);
            EXPECT_EQ(hasNext, row + 1 < toc.count);
        }
        HasAudioTrack(toc);
    }
}
