// Record text: file names from templates, the record views, and encoder tags.
#include <gtest/gtest.h>

#include "cddb/cddb_record.h"
#include "cddb/file_name_template.h"
#include "cddb/record_tags.h"

using namespace velmora;

namespace {

CDDBMatch Record(const std::wstring& text)
{
    CDDBMatch match;
    match.category = "rock";
    match.discId = "9011580c";
    match.recordText = text;
    return match;
}

std::wstring Name(const std::wstring& text, int trackIndex, const std::wstring& templ)
{
    const CDDBMatch match = Record(text);
    std::wstring name = L"unchanged";
    EXPECT_EQ(GenerateFilename(&match, trackIndex, templ, name), L"");
    return name;
}

const std::wstring kRecord =
    L"# xmcd\n# DYEAR=1066\n#\nDISCID=9011580c\nDTITLE=The Band / Greatest Hits\n"
    L"DYEAR=1999\nDGENRE=Rock\nTTITLE0=Intro: Part 1?\nTTITLE1=One\nTTITLE10=Ten\n"
    L"EXTD=\nEXTT0=extra\nPLAYORDER=\n";

}  // namespace

TEST(FileNameTemplate, PlaceholdersTakeTheRecordsFields)
{
    EXPECT_EQ(Name(kRecord, 0, L"%1 - %3 (%4, %5) - %6 - %2%7"),
              L"The Band - Greatest Hits (1999, Rock) - 01 - Intro_ Part 1_");
    EXPECT_EQ(Name(kRecord, 0, L"%6 %2"), L"01 Intro_ Part 1_");
    EXPECT_EQ(Name(kRecord, 10, L"%6 %2"), L"11 Ten");
    EXPECT_EQ(Name(kRecord, 1, L"%2"), L"One");
    EXPECT_EQ(Name(kRecord, 5, L"[%2]"), L"[]");  // no title for that track
    EXPECT_EQ(Name(kRecord, 0, L""), L"");
}

TEST(FileNameTemplate, PercentSignsOutsidePlaceholdersStay)
{
    EXPECT_EQ(Name(kRecord, 0, L"100%"), L"100%");
    EXPECT_EQ(Name(kRecord, 0, L"%9"), L"%9");
    EXPECT_EQ(Name(kRecord, 0, L"%%1"), L"%1");
    EXPECT_EQ(Name(kRecord, 0, L"%%%"), L"%%");
}

TEST(FileNameTemplate, DiscTitleSplitsAtTheFirstSlash)
{
    EXPECT_EQ(Name(L"DTITLE=The Band/Live/1999\n", 0, L"%1|%3"), L"The Band_Live/1999");
    EXPECT_EQ(Name(L"DTITLE=Various\n", 0, L"[%1][%3]"), L"[][]");
    EXPECT_EQ(Name(L"DTITLE= \tA / B \n", 0, L"[%1][%3]"), L"[_A][B]");
}

TEST(FileNameTemplate, AValueSpreadOverSeveralLinesIsJoined)
{
    EXPECT_EQ(Name(L"TTITLE3=Long title part one\nTTITLE3= part two\nTTITLE3=\n", 3, L"%2"),
              L"Long title part one part two");
    EXPECT_EQ(Name(L"DTITLE=The Very Long Name of a Ba\nTTITLE0=x\nDTITLE=nd / An Album of\n"
                   L"DTITLE= Many Words\n",
                   0, L"%1|%3"),
              L"The Very Long Name of a Band_An Album of Many Words");
    EXPECT_EQ(Name(L"DTITLE=No Slash in the \nDTITLE=First Line/x\n", 0, L"[%1][%3]"),
              L"[No Slash in the First Line][x]");
    EXPECT_EQ(Name(L"DYEAR=19\nDYEAR=99\nDGENRE=Art \nDGENRE=Rock\n", 0, L"%4 %5"), L"1999 Art Rock");
    EXPECT_EQ(Name(L"TTITLE1=One\n", 10, L"[%2]"), L"[]");
    EXPECT_EQ(Name(L"TTITLE10=Ten\n", 1, L"[%2]"), L"[]");
    EXPECT_EQ(Name(L"TTITLE=none\n", 0, L"%2"), L"none");  // no digits: track 0
    EXPECT_EQ(Name(L"TTITLE99999999999999999999=huge\n", 0, L"[%2]"), L"[]");
    EXPECT_EQ(Name(L"TTITLE0=a=b\nttitle0=lower\n", 0, L"%2"), L"a=b");
}

TEST(FileNameTemplate, LeadingCommentsAreSkipped)
{
    EXPECT_EQ(Name(L"# DYEAR=1066\n#x\nDTITLE=A / B\n", 0, L"[%4]"), L"[]");
    EXPECT_EQ(Name(L"#only comments", 0, L"[%4]"), L"[]");
    EXPECT_EQ(Name(L"DYEAR=2001\n#DYEAR=1066\n", 0, L"%4"), L"2001");
}

TEST(FileNameTemplate, ValuesCannotClimbOutOfTheOutputFolder)
{
    EXPECT_EQ(Name(L"TTITLE0=..\\..\\x\n", 0, L"%2"), L"__\\__\\x");
    EXPECT_EQ(Name(L"DTITLE=../etc/...\n", 0, L"%3/%2.wav"), L"etc/___/.wav");
    EXPECT_EQ(Name(L"TTITLE0=.\n", 0, L"%2\\%2"), L"_\\_");
    EXPECT_EQ(Name(L"TTITLE0=..a\n", 0, L"%2\\..b.\\"), L"..a\\..b\\");
    EXPECT_EQ(Name(L"TTITLE0=a\x01\x1f\tb\x7f\n", 0, L"%2"), L"a___b\x7f");
    EXPECT_EQ(Name(L"TTITLE0=<a>:\"b\"*|?\n", 0, L"%2"), L"_a___b____");
    // C1 controls and the bidirectional overrides, which would show a name reversed.
    EXPECT_EQ(Name(L"TTITLE0=a\x0085" L"b\x009f\x202e" L"3pm.exe\x202a" L"x\x2069\n", 0, L"%2"), L"a_b__3pm.exe_x_");
}

TEST(FileNameTemplate, NamesWindowsWouldTakeForSomethingElseAreMended)
{
    auto title = [](const std::wstring& value) { return Name(L"TTITLE0=" + value + L"\n", 0, L"%2"); };
    // A slash makes a folder as a backslash does; a name never starts at a root.
    EXPECT_EQ(title(L"AC/DC"), L"AC/DC");
    EXPECT_EQ(title(L"/abs/x"), L"abs/x");
    EXPECT_EQ(title(L"\\\\?\\x"), L"_\\x");
    EXPECT_EQ(title(L"C:\\Windows\\x"), L"C_\\Windows\\x");
    EXPECT_EQ(title(L"a//b\\\\c/"), L"a/b\\c/");
    // Devices, in any case, with or without an extension or blanks before it.
    EXPECT_EQ(title(L"CON"), L"CON_");
    EXPECT_EQ(title(L"nul"), L"nul_");
    EXPECT_EQ(title(L"COM1"), L"COM1_");
    EXPECT_EQ(title(L"AUX.txt"), L"AUX_.txt");
    EXPECT_EQ(title(L"Lpt9 .mp3"), L"Lpt9_ .mp3");
    EXPECT_EQ(title(L"conout$"), L"conout$_");
    EXPECT_EQ(title(L"COM\u00b2"), L"COM\u00b2_");
    EXPECT_EQ(title(L"prn/x"), L"prn_/x");
    EXPECT_EQ(title(L"CONSOLE"), L"CONSOLE");
    EXPECT_EQ(title(L"COM0"), L"COM0");
    EXPECT_EQ(title(L"COM10"), L"COM10");
    EXPECT_EQ(title(L"LPT"), L"LPT");
    EXPECT_EQ(title(L"A CON"), L"A CON");
    EXPECT_EQ(title(L"Why?"), L"Why_");
    // Windows cuts the dots and blanks at the end of a folder's name: the folder is
    // named as it will be made, its leading blanks kept. A file keeps them all: its
    // extension follows.
    const std::pair<std::wstring, std::wstring> ends[] = {
        {L"P.S.", L"P.S."},
        {L"Wait...", L"Wait..."},
        {L"The End. ", L"The End. "},
        {L"   ", L"   "},
        {L"R.E.M./Out of Time", L"R.E.M/Out of Time"},
        {L"Intro /Part 2", L"Intro/Part 2"},
        {L" Live . /x", L" Live/x"},
        {L". ./x", L"_/x"},
        {L"a. \\b.", L"a\\b."},
    };
    for (const auto& end : ends)
        EXPECT_EQ(title(end.first), end.second);
}

TEST(FileNameTemplate, RunawayTitlesAreCutToNamesTheSystemTakes)
{
    auto title = [](const std::wstring& value) { return Name(L"TTITLE0=" + value + L"\n", 0, L"%2"); };
    const std::wstring x119(119, L'x');
    // A part is cut to 120 characters, never between the halves of a character.
    EXPECT_EQ(title(std::wstring(400, L'x')), std::wstring(120, L'x'));
    EXPECT_EQ(title(x119 + L" z"), x119 + L" ");
    EXPECT_EQ(title(x119 + L"\U0001F600 tail"), x119);
    EXPECT_EQ(title(x119 + L"y\U0001F600"), x119 + L"y");
    EXPECT_EQ(title(std::wstring(200, L'f') + L"/x"), std::wstring(120, L'f') + L"/x");

    // At most 16 folders, and 1,024 characters: the file lands in the deepest kept.
    std::wstring deep;
    for (int i = 0; i < 300; ++i)
        deep += L"a/";
    std::wstring kept;
    for (int i = 0; i < 16; ++i)
        kept += L"a/";
    EXPECT_EQ(title(deep + L"song"), kept + L"song");
    EXPECT_EQ(title(deep), kept);
    std::wstring wide, wideKept;
    const std::wstring folder = std::wstring(120, L'w') + L"\\";
    for (int i = 0; i < 12; ++i)
        wide += folder;
    for (int i = 0; i < 7; ++i)  // 7 x 121 + 120 fits in 1,024, an eighth does not
        wideKept += folder;
    EXPECT_EQ(title(wide + std::wstring(120, L's')), wideKept + std::wstring(120, L's'));
    const std::wstring huge(65529, L'/');
    EXPECT_LE(title(huge + L"z" + std::wstring(65529, L'/')).size(), 1024u);
}

TEST(FileNameTemplate, NoActiveRecordFails)
{
    std::wstring name = L"unchanged";
    EXPECT_EQ(GenerateFilename(nullptr, 0, L"%2", name), L"No active CDDB record.");
    EXPECT_EQ(name, L"unchanged");

    std::vector<CDDBMatch> matches(2);
    EXPECT_EQ(ActiveMatch(matches, 0), &matches[0]);
    EXPECT_EQ(ActiveMatch(matches, 1), &matches[1]);
    EXPECT_EQ(ActiveMatch(matches, 2), nullptr);
    EXPECT_EQ(ActiveMatch(matches, -1), nullptr);
    EXPECT_EQ(ActiveMatch({}, 0), nullptr);
}

TEST(CddbRecord, DescriptionAndRawData)
{
    CDDBMatch match = Record(L"DTITLE=x\n");
    match.description = "Caf\xe9 / Album";
    EXPECT_EQ(RecordDescription(match), L"Caf\u00e9 / Album");
    EXPECT_EQ(match.recordText, L"DTITLE=x\n");
}

TEST(RecordTags, TagsComeFromTheRecordsKeys)
{
    const RecordTags tags = TagsFromRecord(kRecord, 0);
    EXPECT_EQ(tags.title, L"Intro: Part 1?");
    EXPECT_EQ(tags.artist, L"The Band");
    EXPECT_EQ(tags.album, L"Greatest Hits");
    EXPECT_EQ(tags.year, L"1999");
    EXPECT_EQ(tags.genre, L"Rock");
    EXPECT_EQ(tags.trackNo, L"1");

    const RecordTags various = TagsFromRecord(L"DTITLE= Various Artists \n", 4);
    EXPECT_EQ(various.artist, L" Various Artists ");
    EXPECT_EQ(various.album, L"");
    EXPECT_EQ(various.title, L"");
    EXPECT_EQ(various.trackNo, L"5");

    EXPECT_EQ(TagsFromRecord(L"DTITLE=\tA\t/\tB \n", 0).album, L"B");
}

TEST(CddbRecord, DescriptionIsReadInTheServersEncoding)
{
    CDDBMatch match = Record(L"");
    match.description = "Sigur R\xc3\xb3s / \xe6\x9d\xb1\xe4\xba\xac";
    EXPECT_EQ(RecordDescription(match), L"Sigur R\u00f3s / \u6771\u4eac");
}

TEST(RecordTags, TagsKeepLettersThatNoCodePageHas)
{
    const RecordTags tags = TagsFromRecord(L"DTITLE=\u0141\u00f3d\u017a / \u6771\u4eac\n"
                                           L"TTITLE0=\U0001F3B5 \u0416\nDGENRE=\u00c9t\u00e9\n",
                                           0);
    EXPECT_EQ(tags.artist, L"\u0141\u00f3d\u017a");
    EXPECT_EQ(tags.album, L"\u6771\u4eac");
    EXPECT_EQ(tags.title, L"\U0001F3B5 \u0416");
    EXPECT_EQ(tags.genre, L"\u00c9t\u00e9");
}

TEST(RecordTags, FieldsAreWholeKeysAtTheStartOfALine)
{
    const std::string text = "# DYEAR=1066\nTTITLE10=Ten\nTTITLE1=One\nDYEAR=1999\nX=DGENRE=no\n";
    EXPECT_EQ(GetRecordField(text, "TTITLE1"), "One");
    EXPECT_EQ(GetRecordField(text, "TTITLE10"), "Ten");
    EXPECT_EQ(GetRecordField(text, "DYEAR"), "1999");
    EXPECT_EQ(GetRecordField(text, "DGENRE"), "");
    EXPECT_EQ(GetRecordField("DYEAR=2001", "DYEAR"), "2001");
    EXPECT_EQ(GetRecordField("DYEAR=", "DYEAR"), "");
    EXPECT_EQ(GetRecordField("", "DYEAR"), "");
}

TEST(RecordTags, AValueSpreadOverSeveralLinesIsJoined)
{
    const RecordTags tags = TagsFromRecord(
        L"DTITLE=The Band / A Very\nTTITLE2=Part \nDTITLE= Long Album\nTTITLE2=One\n", 2);
    EXPECT_EQ(tags.artist, L"The Band");
    EXPECT_EQ(tags.album, L"A Very Long Album");
    EXPECT_EQ(tags.title, L"Part One");
}
