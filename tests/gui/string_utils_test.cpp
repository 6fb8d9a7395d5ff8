// Text and number helpers, and the rounding of fractions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gui/core/exceptions.h"
#include "gui/core/rounding.h"
#include "gui/core/string_utils.h"

using namespace gui;

TEST(StringUtils, TrimRemovesBlanksAndControlCharacters)
{
    EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim(" \t "), "");
}

TEST(StringUtils, CaseFoldingComparesAsciiLetters)
{
    EXPECT_TRUE(SameText("SkinControls", "SKINCONTROLS"));
    EXPECT_FALSE(SameText("abc", "abcd"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_GT(CompareText("b", "A"), 0);
    EXPECT_LT(CompareText("ab", "AB c"), 0);
}

TEST(StringUtils, StrToIntTakesDecimalIntegersOnly)
{
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("  -7"), -7);
    EXPECT_EQ(StrToInt("+3"), 3);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<int32_t>::min());
    for (const char* bad : {"", "-", "12 ", "1e3", "0x10", "2147483648", "-2147483649", "99999999999999999999"})
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
    try {
        StrToInt("abc");
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef("true", 5), 5);
    EXPECT_EQ(StrToIntDef("16777215", 0), 16777215);
    EXPECT_EQ(IntToStr(-12), "-12");
}

TEST(StringUtils, FormatFloatRoundsHalvesToEven)
{
    EXPECT_EQ(FormatFloat("0.0", 12.0), "12.0");
    EXPECT_EQ(FormatFloat("0.0", 0.25), "0.2");
    EXPECT_EQ(FormatFloat("0.0", 0.75), "0.8");
    EXPECT_EQ(FormatFloat("0.0", -1.25), "-1.2");
    EXPECT_EQ(FormatFloat("0.0", -0.01), "0.0");
    EXPECT_EQ(FormatFloat("0", 2.5), "2");
    EXPECT_EQ(FormatFloat("0", 3.5), "4");
    EXPECT_EQ(FormatFloat("0.00", 3.14159), "3.14");
    EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
    EXPECT_EQ(FormatFloat("000", 7), "007");
    EXPECT_THROW(FormatFloat("0.0 %", 1), EConvertError);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(177.5), 178);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.4999), 2);
    EXPECT_EQ(Round(-2.5001), -3);
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(Round(1e20), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(Round(-1e20), std::numeric_limits<int32_t>::min());
}
