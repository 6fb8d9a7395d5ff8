// Parsing READ TOC answers into the track table, and the track extent rule.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <tuple>
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

namespace {

// Raw rows straight into a table, control bytes and numbers as given.
TocTable Table(const std::vector<std::tuple<uint8_t, uint8_t, int32_t>>& rows)
{
    TocTable toc;
    for (const auto& row : rows) {
        toc.adrControl[toc.count] = std::get<0>(row);
        toc.trackNumber[toc.count] = std::get<1>(row);
        toc.startAddress[toc.count++] = std::get<2>(row);
    }
    return toc;
}

}  // namespace

TEST(TocTable, OnlyTheDataBitMakesATrackOfTheOtherKind)
{
    struct Case {
        uint8_t control, nextControl, nextNumber;
        int32_t end;  // of track 2 (row 1), which starts at 1000; the next row starts at 20000
    };
    const Case cases[] = {
        {0x10, 0x12, 3, 20000},           // copy permitted
        {0x10, 0x11, 3, 20000},           // pre-emphasis
        {0x12, 0x00, 3, 20000},           // other ADR, same kind
        {0x10, 0x14, 3, 20000 - 11400},   // a data track: the session gap
        {0x16, 0x10, 3, 20000 - 11400},   // data, then audio
        {0x10, 0x14, kLeadOutTrack, 20000},  // the lead-out is no track of either kind
    };
    for (const Case& c : cases) {
        const TocTable toc =
            Table({{0x10, 1, 0}, {c.control, 2, 1000}, {c.nextControl, c.nextNumber, 20000}, {0x10, kLeadOutTrack, 30000}});
        int32_t start = 0, end = 0;
        ASSERT_TRUE(TrackExtent(toc, 1, start, end));
        EXPECT_EQ(end, c.end) << int(c.control) << " then " << int(c.nextControl);
    }
}

TEST(TocTable, TheDescriptorCountIsTheLengthLessTwoInEights)
{
    // Three descriptors' bytes present; the length field decides how many count.
    std::vector<uint8_t> answer(kTocAnswerSize, 0);
    for (int i = 0; i < 3; ++i) {
        answer[4 + 8 * i + 2] = uint8_t(i + 1);
        answer[4 + 8 * i + 7] = uint8_t(10 * i);
    }
    const std::pair<int, int> lengths[] = {{2 + 24, 3}, {24, 2}, {25, 2}, {2 + 16, 2}, {9, 0}, {10, 1}, {0, 0}};
    for (const auto& length : lengths) {
        answer[0] = uint8_t(length.first >> 8);
        answer[1] = uint8_t(length.first);
        TocTable toc;
        ParseTocAnswer(answer.data(), toc);
        EXPECT_EQ(toc.count, length.second) << "length " << length.first;
    }
}

TEST(TocTable, TheRangeARipReads)
{
    constexpr uint8_t A = 0x10, D = 0x14, L = kLeadOutTrack;
    constexpr int32_t kNone = INT32_MIN;
    struct Case {
        const char* what;
        std::vector<std::tuple<uint8_t, uint8_t, int32_t>> rows;
        int row;
        int32_t first, last;  // kNone: refused
    };
    const Case cases[] = {
        {"a plain track", {{A, 1, 0}, {A, 2, 500}, {A, L, 900}}, 0, 0, 500},
        {"the last track", {{A, 1, 0}, {A, 2, 500}, {A, L, 900}}, 1, 500, 900},
        {"the lead-out row", {{A, 1, 0}, {A, 2, 500}, {A, L, 900}}, 2, kNone, 0},
        {"no row", {{A, 1, 0}, {A, L, 900}}, 5, kNone, 0},
        {"a short track reads ten sectors", {{A, 1, 0}, {A, 2, 4}, {A, L, 900}}, 0, 0, 10},
        {"ten sectors end at the lead-out", {{A, 1, 0}, {A, 2, 895}, {A, L, 900}}, 1, 895, 900},
        {"an empty track", {{A, 1, 0}, {A, 2, 500}, {A, 3, 500}, {A, L, 900}}, 1, kNone, 0},
        {"starts descending", {{A, 1, 500}, {A, 2, 100}, {A, L, 900}}, 0, kNone, 0},
        {"a start before 0", {{A, 1, -150}, {A, 2, 500}, {A, L, 900}}, 0, 0, 500},
        {"wholly before 0", {{A, 1, -300}, {A, 2, -150}, {A, L, 900}}, 0, kNone, 0},
        {"beyond the lead-out", {{A, 1, 0}, {A, 2, 1000}, {A, L, 900}}, 1, kNone, 0},
        {"reaching past the lead-out", {{A, 1, 0}, {A, 2, 1000}, {A, L, 900}}, 0, 0, 900},
        {"the gap before a data track", {{A, 1, 0}, {A, 2, 500}, {D, 3, 20000}, {D, L, 30000}}, 1, 500, 20000 - 11400},
        {"a data track too close", {{A, 1, 0}, {A, 2, 500}, {D, 3, 9000}, {D, L, 30000}}, 1, kNone, 0},
        {"a gap start below any address", {{A, 1, 0}, {A, 2, INT32_MIN + 5}, {D, 3, INT32_MIN + 10}, {A, L, 900}}, 1, kNone, 0},
        {"the longest disc", {{A, 1, 0}, {A, L, kMaxDiscSectors}}, 0, 0, kMaxDiscSectors},
        {"a disc longer than any CD", {{A, 1, 0}, {A, L, kMaxDiscSectors + 1}}, 0, kNone, 0},
        {"the first lead-out ends the disc", {{A, 1, 0}, {A, L, 600}, {A, 2, 300}, {A, 3, 700}, {A, L, 900}}, 2, 300, 600},
    };
    for (const Case& c : cases) {
        const TocTable toc = Table(c.rows);
        TrackRange range;
        const bool taken = TrackReadRange(toc, c.row, range);
        EXPECT_EQ(taken, c.first != kNone) << c.what;
        if (taken && c.first != kNone) {
            EXPECT_EQ(range.first, c.first) << c.what;
            EXPECT_EQ(range.last, c.last) << c.what;
        }
    }
}
