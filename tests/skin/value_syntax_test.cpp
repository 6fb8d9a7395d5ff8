// The value syntax of skin descriptions: points and rects, booleans, font styles,
// alignments, keyword enumerations, text lines and indexed lists.
#include <gtest/gtest.h>

#include "gui/core/exceptions.h"
#include "gui/core/mem_ini_file.h"
#include "gui/core/strings.h"
#include "skin/model/value_syntax.h"
#include "test_skin_files.h"

using namespace sk;
using gui::TMemIniFile;
using skintest::Ini;

TEST(ValueSyntax, PointsAndRectsKeepOnlyDigitsBetweenCommas)
{
    EXPECT_EQ(StrToRect("-5,3,10,20"), gui::Rect(5, 3, 10, 20));  // no negative coordinates
    EXPECT_EQ(StrToRect(" 1 , 2,3 ,4"), gui::Rect(1, 2, 3, 4));
    EXPECT_EQ(StrToRect("x1y,2px,3,4;"), gui::Rect(1, 2, 3, 4));
    EXPECT_EQ(StrToPoint("12, 7"), gui::Point(12, 7));
    EXPECT_EQ(StrToPoint("0007,0"), gui::Point(7, 0));
    // Parts beyond the last are not read.
    EXPECT_EQ(StrToPoint("1,2,3"), gui::Point(1, 2));
    EXPECT_EQ(StrToRect("1,2,3,4,x,,"), gui::Rect(1, 2, 3, 4));
}

TEST(ValueSyntax, MissingOrDigitlessPartsAreConversionErrors)
{
    EXPECT_THROW(StrToRect("1,2,3"), gui::EConvertError);
    EXPECT_THROW(StrToRect("1,,3,4"), gui::EConvertError);
    EXPECT_THROW(StrToPoint("a,3"), gui::EConvertError);
    EXPECT_THROW(StrToPoint(""), gui::EConvertError);
    EXPECT_THROW(StrToPoint("99999999999,1"), gui::EConvertError);  // beyond 32 bits
}

TEST(ValueSyntax, AbsentPointsAndRectsAreZeroAndWrittenSigned)
{
    TMemIniFile ini = Ini({"[s]", "empty="});
    EXPECT_EQ(ReadRect(ini, "s", "r"), gui::Rect(0, 0, 0, 0));
    EXPECT_EQ(ReadPoint(ini, "nosection", "p"), gui::Point(0, 0));
    EXPECT_THROW(ReadRect(ini, "s", "empty"), gui::EConvertError);  // present but empty
    WriteRect(ini, "s", "r", gui::Rect(-1, 2, 3, 40));
    WritePoint(ini, "s", "p", gui::Point(-7, 8));
    EXPECT_EQ(ini.ReadString("s", "r", ""), "-1,2,3,40");
    EXPECT_EQ(ini.ReadString("s", "p", ""), "-7,8");
    EXPECT_EQ(ReadRect(ini, "s", "r"), gui::Rect(1, 2, 3, 40));
}

TEST(ValueSyntax, BooleansAreTrueOnlyForOne)
{
    TMemIniFile ini = Ini({"[s]", "a=1", "b=2", "c=true", "d=0", "e= 1"});
    EXPECT_TRUE(ReadBoolean(ini, "s", "a"));
    EXPECT_FALSE(ReadBoolean(ini, "s", "b"));
    EXPECT_FALSE(ReadBoolean(ini, "s", "c"));
    EXPECT_FALSE(ReadBoolean(ini, "s", "d"));
    EXPECT_TRUE(ReadBoolean(ini, "s", "e"));  // values are trimmed
    EXPECT_FALSE(ReadBoolean(ini, "s", "absent"));
    WriteBoolean(ini, "s", "a", false);
    WriteBoolean(ini, "s", "b", true);
    EXPECT_EQ(ini.ReadString("s", "a", ""), "0");
    EXPECT_EQ(ini.ReadString("s", "b", ""), "1");
}

TEST(ValueSyntax, FontStylesAreFoundAnywhereAndWrittenInOrder)
{
    TMemIniFile ini = Ini({"[s]", "a=fsbold,fsitalic", "b=xfsboldx", "c=FSBOLD", "d=fsstrikeout fsunderline"});
    EXPECT_EQ(ReadFontStyles(ini, "s", "a"), gui::TFontStyles({gui::fsBold, gui::fsItalic}));
    EXPECT_EQ(ReadFontStyles(ini, "s", "b"), gui::TFontStyles({gui::fsBold}));
    EXPECT_TRUE(ReadFontStyles(ini, "s", "c").Empty());
    EXPECT_EQ(ReadFontStyles(ini, "s", "d"), gui::TFontStyles({gui::fsUnderline, gui::fsStrikeOut}));
    EXPECT_TRUE(ReadFontStyles(ini, "s", "absent").Empty());
    WriteFontStyles(ini, "s", "w", {gui::fsStrikeOut, gui::fsBold, gui::fsUnderline});
    EXPECT_EQ(ini.ReadString("s", "w", "?"), "fsbold,fsunderline,fsstrikeout");
    WriteFontStyles(ini, "s", "none", {});
    EXPECT_EQ(ini.ReadString("s", "none", "?"), "");
}

TEST(ValueSyntax, AlignmentsFallBackToRight)
{
    TMemIniFile ini = Ini({"[s]", "a=tarightjustify", "b=right", "c=taleftjustify", "d=tacenter", "e=TACENTER"});
    EXPECT_EQ(ReadAlignment(ini, "s", "a"), gui::taRightJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "b"), gui::taRightJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "c"), gui::taLeftJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "d"), gui::taCenter);
    EXPECT_EQ(ReadAlignment(ini, "s", "e"), gui::taRightJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "absent"), gui::taCenter);
    WriteAlignment(ini, "s", "l", gui::taLeftJustify);
    WriteAlignment(ini, "s", "r", gui::taRightJustify);
    WriteAlignment(ini, "s", "m", gui::taCenter);
    EXPECT_EQ(ini.ReadString("s", "l", ""), "taleftjustify");
    EXPECT_EQ(ini.ReadString("s", "r", ""), "tarightjustify");
    EXPECT_EQ(ini.ReadString("s", "m", ""), "tacenter");
}

TEST(ValueSyntax, KeywordsAreExactWithFallbackAndAbsentValues)
{
    TMemIniFile ini = Ini({"[s]", "fp=FPHORIZONTAL", "c1=cmrollup", "c2=close", "c3=cmmaximize", "rk=diagonal",
                           "rk2=rkhorizontal", "gk=gkvertical", "mk=mkpush", "mk2=push", "ie=ieinvert",
                           "ie2=invert"});
    EXPECT_EQ(ReadKeyword(ini, "s", "fp", FramesPlacementKeywords), fpVertical);
    EXPECT_EQ(ReadKeyword(ini, "s", "absent", FramesPlacementKeywords), fpHorizontal);
    EXPECT_EQ(ReadKeyword(ini, "s", "c1", StdCommandKeywords), cmRollUp);
    EXPECT_EQ(ReadKeyword(ini, "s", "c2", StdCommandKeywords), cmRollUp);
    EXPECT_EQ(ReadKeyword(ini, "s", "c3", StdCommandKeywords), cmMaximize);
    EXPECT_EQ(ReadKeyword(ini, "s", "absent", StdCommandKeywords), cmDefault);
    EXPECT_EQ(ReadKeyword(ini, "s", "rk", RegulatorKindKeywords), rkVertical);
    EXPECT_EQ(ReadKeyword(ini, "s", "rk2", RegulatorKindKeywords), rkHorizontal);
    EXPECT_EQ(ReadKeyword(ini, "s", "absent", RegulatorKindKeywords), rkRound);
    EXPECT_EQ(ReadKeyword(ini, "s", "gk", GaugeKindKeywords), gkVertical);
    EXPECT_EQ(ReadMorphKind(ini, "s", "mk"), mkPush);
    EXPECT_EQ(ReadMorphKind(ini, "s", "mk2"), mkDefault);
    EXPECT_EQ(ReadMorphKind(ini, "s", "absent"), mkDefault);
    EXPECT_EQ(ReadInactiveEffect(ini, "s", "ie"), ieInvert);
    EXPECT_EQ(ReadInactiveEffect(ini, "s", "ie2"), ieBrightness);

    WriteMorphKind(ini, "s", "w", mkRightSlide);
    EXPECT_EQ(ini.ReadString("s", "w", ""), "mkrightslide");
    WriteKeyword(ini, "s", "w", StdCommandKeywords, 42);  // not a value of the set
    EXPECT_EQ(ini.ReadString("s", "w", ""), "cmrollup");
}

TEST(ValueSyntax, TextLinesRoundTripAndMissingLinesReadEmpty)
{
    TMemIniFile ini;
    gui::TStringList lines{"0123", "", "  x y  ", "last"};
    WriteTextLines(ini, "s", "symbols", lines);
    EXPECT_EQ(ini.ReadString("s", "symbolslinecount", ""), "4");
    EXPECT_EQ(ini.ReadString("s", "symbolsline3", ""), "last");
    gui::TStringList read{"stale"};
    ReadTextLines(ini, "s", "symbols", read);
    ASSERT_EQ(read.Count(), 4);
    EXPECT_EQ(read[0], "0123");
    EXPECT_EQ(read[2], "  x y  ");
    EXPECT_EQ(read[3], "last");

    TMemIniFile gaps = Ini({"[s]", "tlinecount=5", "tline2=c", "tline0=a", "tline01=no", "tline0=second",
                            "tline7=beyond"});
    ReadTextLines(gaps, "s", "t", read);
    ASSERT_EQ(read.Count(), 3);
    EXPECT_EQ(read[0], "a");  // the first of a key given twice
    EXPECT_EQ(read[1], "");
    EXPECT_EQ(read[2], "c");
}

TEST(ValueSyntax, HostileCountsCostNothingBeyondTheKeysPresent)
{
    TMemIniFile ini = Ini({"[s]", "tlinecount=2000000000", "tline1=b", "activepicturescount=-4", "0=a.bmp",
                           "listcount=999999999", "5=f.bmp"});
    gui::TStringList read;
    skintest::RunWithin(5, [&] {
        ReadTextLines(ini, "s", "t", read);
        EXPECT_EQ(read.Count(), 2);
        ReadIndexedList(ini, "s", "activepictures", read);
        EXPECT_EQ(read.Count(), 0);  // a negative count is none
        ReadIndexedList(ini, "s", "list", read);
        ASSERT_EQ(read.Count(), 6);
        EXPECT_EQ(read[0], "a.bmp");
        EXPECT_EQ(read[5], "f.bmp");
    });
}
