// The in-memory INI file: how lines are read, looked up and written back.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "gui/core/exceptions.h"
#include "gui/core/mem_ini_file.h"
#include "gui/core/strings.h"

using namespace gui;

namespace {

TMemIniFile FromLines(std::initializer_list<std::string> lines)
{
    TMemIniFile ini;
    ini.SetStrings(TStringList(lines));
    return ini;
}

}  // namespace

TEST(MemIniFile, ReadsLinesAsTheSkinDescriptionIsWritten)
{
    TMemIniFile ini = FromLines({
        "orphan=ignored",
        "  [ Version ]  ",
        "; a comment",
        "",
        "  SkinName =  Blue Steel  ",
        "count=3",
        "no equals sign here",
        "[FORMINFO]",
        "   ;indented comment",
        "Caption=A = B",
        "[version]",
        "skinname=second",
        "author=me",
    });
    EXPECT_EQ(ini.ReadString("VERSION", "skinname", "?"), "Blue Steel");  // case kept in the value
    EXPECT_EQ(ini.ReadString("FormInfo", "caption", "?"), "A = B");       // split at the first "="
    EXPECT_EQ(ini.ReadString("version", "AUTHOR", "?"), "me");            // a section named twice goes on
    EXPECT_EQ(ini.ReadString("VERSION", "orphan", "none"), "none");       // before any section
    EXPECT_EQ(ini.ReadString("VERSION", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("nosuch", "skinname", "dflt"), "dflt");

    TStringList keys;
    ini.ReadSection("VERSION", keys);
    ASSERT_EQ(keys.Count(), 4);
    EXPECT_EQ(keys[0], "SkinName");
    EXPECT_EQ(keys[3], "author");

    TStringList sections;
    ini.ReadSections(sections);
    ASSERT_EQ(sections.Count(), 2);
    EXPECT_EQ(sections[1], "FORMINFO");
}

TEST(MemIniFile, IntegersAndBooleans)
{
    TMemIniFile ini = FromLines({"[a]", "n=-12", "bad=12px", "empty=", "t=1", "two=2", "zero=0", "word=true"});
    EXPECT_EQ(ini.ReadInteger("a", "n", 5), -12);
    EXPECT_EQ(ini.ReadInteger("a", "bad", 5), 5);
    EXPECT_EQ(ini.ReadInteger("a", "empty", 5), 5);
    EXPECT_EQ(ini.ReadInteger("a", "absent", 5), 5);
    EXPECT_TRUE(ini.ReadBool("a", "t", false));
    EXPECT_TRUE(ini.ReadBool("a", "two", false));
    EXPECT_FALSE(ini.ReadBool("a", "zero", true));
    EXPECT_TRUE(ini.ReadBool("a", "word", true));  // not a number: the default
    EXPECT_FALSE(ini.ReadBool("a", "word", false));
}

TEST(MemIniFile, ExistenceNeedsAKey)
{
    TMemIniFile ini = FromLines({"[empty]", "[full]", "k=v"});
    EXPECT_FALSE(ini.SectionExists("empty"));
    EXPECT_TRUE(ini.SectionExists("FULL"));
    EXPECT_TRUE(ini.ValueExists("full", "K"));
    EXPECT_FALSE(ini.ValueExists("full", "v"));
}

TEST(MemIniFile, WritesEraseAndDeleteThenGiveTheLinesBack)
{
    TMemIniFile ini = FromLines({"[A]", "x=1", "y=2", "[B]", "z=3"});
    ini.WriteString("a", "X", "10");  // replaces, keeping the stored key's spelling
    ini.WriteInteger("A", "w", 7);
    ini.WriteBool("C", "flag", true);
    ini.DeleteKey("A", "Y");
    ini.EraseSection("b");

    TStringList lines;
    ini.GetStrings(lines);
    EXPECT_EQ(lines.Text(), "[A]\r\nx=10\r\nw=7\r\n\r\n[C]\r\nflag=1\r\n\r\n");

    TStringList values;
    ini.ReadSectionValues("a", values);
    EXPECT_EQ(values.Values("W"), "7");
}

TEST(MemIniFile, UpdateFileWritesAndAFreshObjectReadsIt)
{
    const std::string name = std::string(::testing::TempDir()) + "gui_mem_ini_test.ini";
    std::remove(name.c_str());
    {
        TMemIniFile ini(name);  // no file yet: empty
        EXPECT_EQ(ini.ReadString("s", "k", "none"), "none");
        ini.WriteString("s", "k", "v");
        ini.UpdateFile();
    }
    TMemIniFile again(name);
    EXPECT_EQ(again.ReadString("S", "K", "none"), "v");
    std::remove(name.c_str());
}

TEST(StringList, TextNamesAndValues)
{
    TStringList list;
    list.SetText("a=1\r\nb=2\nc\rd=");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list[2], "c");
    EXPECT_EQ(list.Names(0), "a");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.Values("B"), "2");
    EXPECT_EQ(list.IndexOfName("d"), 3);
    list.SetValues("a", "");  // an empty value removes the pair
    list.SetValues("e", "5");
    EXPECT_EQ(list.Text(), "b=2\r\nc\r\nd=\r\ne=5\r\n");
    EXPECT_EQ(list.IndexOf("C"), 1);
    EXPECT_THROW(list.Get(4), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.Insert(6, "x"), EListError);
    list.Insert(4, "last");
    EXPECT_EQ(list[4], "last");
}
