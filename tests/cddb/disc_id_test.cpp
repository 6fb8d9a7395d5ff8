// Disc identifiers and the query and read command texts.
#include <gtest/gtest.h>

#include "cddb/disc_id.h"
#include "cddb_discs.h"

using namespace velmora;
using cddbtest::TocOf;

TEST(DiscId, TwelveTrackAudioCd)
{
    const TocTable toc = cddbtest::DemoDisc();
    // Start seconds 2, 372, ... 4072 have digit sums totalling 144 (0x90); the disc
    // plays 4440 s (0x1158) from the first track to the lead-out; 12 tracks (0x0c).
    EXPECT_EQ(ComputeDiscId(toc), 0x9011580cu);
    EXPECT_EQ(QueryCommand(toc),
              "cddb query 9011580c 12 150 27900 55650 83400 111150 138900 166650 194400 "
              "222150 249900 277650 305400 4442");
}

TEST(DiscId, EnhancedCdCountsTheDataTrack)
{
    const TocTable toc = TocOf(testsupport::EnhancedCd(10, 15000));
    EXPECT_EQ(ComputeDiscId(toc), 0x4d08aa0bu);
    EXPECT_EQ(QueryCommand(toc),
              "cddb query 4d08aa0b 11 150 15150 30150 45150 60150 75150 90150 105150 120150 "
              "135150 161550 2220");
}

TEST(DiscId, DigitSumOf255GivesZeroTopByte)
{
    // Start seconds whose digit sums add up to exactly 255.
    const int32_t seconds[] = {2, 3999, 4999, 5999, 6999, 7999, 8999, 9999, 10399};
    std::vector<simdrive::TocRow> rows;
    for (int i = 0; i < 9; ++i)
        rows.push_back({i + 1, seconds[i] * 75 - 150, false});
    const TocTable toc = TocOf(rows, 11000 * 75 - 150);
    EXPECT_EQ(ComputeDiscId(toc), 0x002af609u);
}

TEST(DiscId, DiscLengthEndsAtTheLastTrackByTheExtentRule)
{
    // Tracks numbered 2-4, the last a data track: the track numbered 3 (the count)
    // is followed by a track of the other kind, so it ends a session gap earlier.
    const TocTable toc = TocOf({{2, 0, false}, {3, 30000, false}, {4, 90000, true}}, 120000);
    const std::string command = QueryCommand(toc);
    EXPECT_EQ(command.substr(command.rfind(' ') + 1),
              std::to_string((90000 - 11251 + 151) / 75));
}

TEST(DiscId, EmptyTableGivesNoTracks)
{
    TocTable toc;
    EXPECT_EQ(ComputeDiscId(toc), 0u);
    EXPECT_EQ(QueryCommand(toc), "cddb query 00000000 0 2");
}
