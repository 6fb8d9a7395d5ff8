// Parsing CDDB answers: HTTP status and headers, the CDDB codes, match lists and
// records, and answers that are cut short or make no sense at all.
#include <gtest/gtest.h>

#include <random>

#include "cddb/cddb_errors.h"
#include "cddb/cddb_response.h"

using namespace velmora;

namespace {

// Plays a socket that gives these lines, then fails with `end` (-1 or -2).
class Lines {
public:
    explicit Lines(std::vector<std::string> lines, int end = -1) : lines_(std::move(lines)), end_(end) {}
    LineSource Source()
    {
        return [this](std::string& line) {
            if (next_ == lines_.size())
                return end_;
            line = lines_[next_++];
            return 0;
        };
    }
    size_t Taken() const { return next_; }

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
    int end_;
};

struct Parsed {
    std::wstring error;
    std::vector<CDDBMatch> matches;
    std::wstring record;
};

Parsed Parse(std::vector<std::string> lines, CDDBRequestMode mode = CDDBRequestMode::Query,
             int end = -1)
{
    Lines source(std::move(lines), end);
    Parsed parsed;
    parsed.error = ParseCDDBAnswer(source.Source(), mode, parsed.matches, parsed.record);
    return parsed;
}

std::vector<std::string> Http(std::vector<std::string> body)
{
    std::vector<std::string> lines = {"HTTP/1.0 200 OK", "Server: test", "Content-Type: text/plain", ""};
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

}  // namespace

TEST(TakeFirstWord, SplitsAtTheFirstBlankAndTrimsTheRest)
{
    std::string line = "rock 9011580c   The Band / Greatest Hits  ";
    EXPECT_EQ(TakeFirstWord(line), "rock");
    EXPECT_EQ(line, "9011580c   The Band / Greatest Hits");
    EXPECT_EQ(TakeFirstWord(line), "9011580c");
    EXPECT_EQ(line, "The Band / Greatest Hits");

    std::string single = "rock";
    EXPECT_EQ(TakeFirstWord(single), "rock");
    EXPECT_EQ(single, "");
    EXPECT_EQ(TakeFirstWord(single), "");
}

TEST(CddbAnswer, HttpStatusLineIsCheckedByItsPrefixAndCode)
{
    // Only the first four characters and characters 9-11 count.
    Parsed ok = Parse({"HTTP/1.1 200 Fine", "", "200 rock 9011580c Band / Album"});
    EXPECT_EQ(ok.error, L"");
    EXPECT_EQ(Parse({"HTTPabcde200", "", "200 rock 1 x"}).error, L"");

    EXPECT_EQ(Parse({"ICY 200 OK", "", "200 rock 1 x"}).error, kErrNotHttp);
    EXPECT_EQ(Parse({"HTT"}).error, kErrNotHttp);
    EXPECT_EQ(Parse({""}).error, kErrNotHttp);
    EXPECT_EQ(Parse({"HTTP/1.0 404 Not Found", ""}).error, kErrHttpStatus);
    EXPECT_EQ(Parse({"HTTP/1.0 20"}).error, kErrHttpStatus);
    EXPECT_EQ(Parse({"HTTP/1.0"}).error, kErrHttpStatus);
}

TEST(CddbAnswer, ExactMatchGivesOneMatch)
{
    Parsed parsed = Parse(Http({"200   rock 9011580c  The Band / Greatest Hits "}));
    ASSERT_EQ(parsed.error, L"");
    ASSERT_EQ(parsed.matches.size(), 1u);
    EXPECT_EQ(parsed.matches[0].category, "rock");
    EXPECT_EQ(parsed.matches[0].discId, "9011580c");
    EXPECT_EQ(parsed.matches[0].description, "The Band / Greatest Hits");
    EXPECT_EQ(parsed.matches[0].recordText, L"");
}

TEST(CddbAnswer, ListsEndAtALineStartingWithADot)
{
    Parsed parsed = Parse(Http({"211 Found inexact matches, list follows", "rock 0a0b0c0d Band / One",
                                "  misc 0a0b0c0e Band / Two", "blues 0a0b0c0f Band / Three",
                                "  .", "jazz 0a0b0c10 never read"}));
    ASSERT_EQ(parsed.error, L"");
    ASSERT_EQ(parsed.matches.size(), 3u);
    EXPECT_EQ(parsed.matches[1].category, "misc");
    EXPECT_EQ(parsed.matches[2].description, "Band / Three");

    // 210 lists the same way; ".x" ends a list too; the first line is always a match.
    parsed = Parse(Http({"210 Found exact matches", ".odd 0a0b0c0d first", ".x"}));
    ASSERT_EQ(parsed.error, L"");
    ASSERT_EQ(parsed.matches.size(), 1u);
    EXPECT_EQ(parsed.matches[0].category, ".odd");
}

TEST(CddbAnswer, AListOfMoreMatchesThanAnyDiscHasIsCut)
{
    std::vector<std::string> body = {"211 Found inexact matches, list follows"};
    for (int i = 0; i < 5000; ++i)
        body.push_back("rock " + std::to_string(i) + " Band / Album");
    body.push_back(".");
    body.push_back("lost after the end");
    Lines source(Http(body));
    std::vector<CDDBMatch> matches;
    std::wstring record;
    EXPECT_EQ(ParseCDDBAnswer(source.Source(), CDDBRequestMode::Query, matches, record), L"");
    ASSERT_EQ(matches.size(), kMaxMatches);
    EXPECT_EQ(matches.front().discId, "0");
    EXPECT_EQ(matches.back().discId, std::to_string(kMaxMatches - 1));
    EXPECT_EQ(source.Taken(), Http(body).size() - 1);  // read to the list's end
}

TEST(CddbAnswer, RecordIsTakenUpToTheDotLine)
{
    Parsed parsed = Parse(Http({"210 rock 9011580c CD database entry follows", "# xmcd",
                                "DTITLE=Band / Caf\xe9", " .not the end", ".x", "TTITLE0=lost"}),
                          CDDBRequestMode::Read);
    ASSERT_EQ(parsed.error, L"");
    EXPECT_EQ(parsed.record, L"# xmcd\nDTITLE=Band / Caf\u00e9\n .not the end\n");
    EXPECT_TRUE(parsed.matches.empty());

    parsed = Parse(Http({"211 rock 1 entry", ".", "DYEAR=1999", "."}), CDDBRequestMode::Read);
    EXPECT_EQ(parsed.record, L".\nDYEAR=1999\n");
}

TEST(CddbAnswer, RecordLettersAreReadInTheServersEncoding)
{
    // At protocol level 5 a server sends Latin-1; many send UTF-8 all the same.
    Parsed latin1 = Parse(Http({"210 rock 1 entry", "TTITLE0=Caf\xe9 Stra\xdf" "e", "."}),
                          CDDBRequestMode::Read);
    EXPECT_EQ(latin1.record, L"TTITLE0=Caf\u00e9 Stra\u00dfe\n");
    Parsed utf8 = Parse(Http({"210 rock 1 entry", "DTITLE=Sigur R\xc3\xb3s / \xc3\x81g\xc3\xa6tis",
                              "TTITLE0=\xc5\x81\xc3\xb3" "d\xc5\xba \xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x8e\xb5",
                              "."}),
                         CDDBRequestMode::Read);
    EXPECT_EQ(utf8.record, L"DTITLE=Sigur R\u00f3s / \u00c1g\u00e6tis\n"
                           L"TTITLE0=\u0141\u00f3d\u017a \u6771\u4eac \U0001F3B5\n");
    // Broken UTF-8 (a sequence cut short) is no UTF-8: the code page reads it.
    Parsed cut = Parse(Http({"210 rock 1 entry", "TTITLE0=\xc3\xa9\xc3", "."}), CDDBRequestMode::Read);
    EXPECT_EQ(cut.record, L"TTITLE0=\u00c3\u00a9\u00c3\n");
}

TEST(CddbAnswer, CodesOtherThanMatchesFail)
{
    EXPECT_EQ(Parse(Http({"202 No match for disc ID 9011580c."})).error, kErrNoMatch);
    EXPECT_EQ(Parse(Http({"202 No match"}), CDDBRequestMode::Read).error, kErrNoMatch);
    for (const char* line : {"201 x", "203 x", "209 x", "212 x", "199 x", "403 x", "500 x",
                             "401 rock 1 No such CD entry", "abc", "", "2", "-200"})
        EXPECT_EQ(Parse(Http({line})).error, kErrUnknownCode) << line;
}

TEST(CddbAnswer, ExactMatchAnsweringAReadAddsNoMatch)
{
    // Otherwise a server answering every read so would lengthen the list being read.
    Parsed parsed = Parse(Http({"200 rock 9011580c Band / Album"}), CDDBRequestMode::Read);
    EXPECT_EQ(parsed.error, L"");
    EXPECT_TRUE(parsed.matches.empty());
    EXPECT_EQ(parsed.record, L"");
}

TEST(CddbAnswer, ReaderFailuresGiveTheSocketErrors)
{
    const std::vector<std::string> full =
        Http({"211 list", "rock 0a0b0c0d One", "misc 0a0b0c0e Two", "."});
    // Cut after every line: each answer short of its end fails, with the reader's error.
    for (size_t cut = 0; cut < full.size(); ++cut) {
        const std::vector<std::string> head(full.begin(), full.begin() + cut);
        EXPECT_EQ(Parse(head, CDDBRequestMode::Query, -1).error, kErrReceiveFailed) << cut;
        EXPECT_EQ(Parse(head, CDDBRequestMode::Query, -2).error, kErrReceiveTimedOut) << cut;
        EXPECT_EQ(Parse(head, CDDBRequestMode::Read, -2).error, kErrReceiveTimedOut) << cut;
    }
    EXPECT_EQ(Parse(full).error, L"");
}

TEST(CddbAnswer, RandomAnswersFailCleanly)
{
    std::mt19937 random(20240605);
    const std::vector<std::wstring> known = {
        L"", kErrNotHttp, kErrHttpStatus, kErrNoMatch, kErrUnknownCode, kErrReceiveFailed};
    const std::vector<std::string> seeds = {"HTTP/1.0 200 OK", "", "211 x", "210 x", "200 a b c",
                                            ".", "rock 1 two", "DTITLE=a/b"};
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> lines;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            std::string line;
            if (random() % 2) {
                line = seeds[random() % seeds.size()];
            } else {
                const int length = static_cast<int>(random() % 40);
                for (int k = 0; k < length; ++k)
                    line += static_cast<char>(random() % 256);
            }
            lines.push_back(line);
        }
        const auto mode = random() % 2 ? CDDBRequestMode::Query : CDDBRequestMode::Read;
        Parsed parsed = Parse(lines, mode);
        EXPECT_NE(std::find(known.begin(), known.end(), parsed.error), known.end());
        if (!parsed.error.empty() && mode == CDDBRequestMode::Read) {
            EXPECT_EQ(parsed.record, L"");
        }
    }
}
