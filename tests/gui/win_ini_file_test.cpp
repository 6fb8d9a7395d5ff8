// The INI file over the system's profile functions, and resources as streams.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "gui/controls/ini_file.h"
#include "gui/controls/resource_stream.h"
#include "gui/core/exceptions.h"
#include "gui/core/strings.h"

using namespace gui;

TEST(IniFile, ReadsAndWritesThroughTheProfileFunctions)
{
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    const std::string name = std::string(dir) + "gui_ini_file_test.ini";
    ::DeleteFileA(name.c_str());
    {
        TIniFile ini(name);
        EXPECT_EQ(ini.ReadString("Options", "Folder", "C:\\"), "C:\\");
        ini.WriteString("Options", "Folder", "D:\\Music");
        ini.WriteInteger("Options", "Speed", 4);
        ini.WriteBool("Window", "Maximized", true);
        const std::string longValue(5000, 'x');  // beyond the first buffer
        ini.WriteString("Window", "Long", longValue);
        ini.UpdateFile();
        EXPECT_EQ(ini.ReadString("Window", "Long", ""), longValue);
    }
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadString("options", "FOLDER", ""), "D:\\Music");
    EXPECT_EQ(ini.ReadInteger("Options", "Speed", 0), 4);
    EXPECT_TRUE(ini.ReadBool("Window", "Maximized", false));
    TStringList sections, keys, values;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.Text(), "Options\r\nWindow\r\n");
    ini.ReadSection("Options", keys);
    EXPECT_EQ(keys.Text(), "Folder\r\nSpeed\r\n");
    ini.ReadSectionValues("Options", values);
    EXPECT_EQ(values.Values("Speed"), "4");
    ini.DeleteKey("Options", "Speed");
    EXPECT_FALSE(ini.ValueExists("Options", "Speed"));
    ini.EraseSection("Window");
    EXPECT_FALSE(ini.SectionExists("Window"));
    ::DeleteFileA(name.c_str());
}

TEST(ResourceStream, ReadsAResourceOfTheModule)
{
    TResourceStream s(::GetModuleHandleA(nullptr), "TESTBLOB", MAKEINTRESOURCEA(10));  // RT_RCDATA
    ASSERT_EQ(s.Size(), 9);
    char text[9];
    s.ReadBuffer(text, 9);
    EXPECT_EQ(std::string(text, 9), "form data");
    EXPECT_THROW(s.Write("x", 1), EStreamError);
}

TEST(ResourceStream, MissingResourcesRaise)
{
    EXPECT_THROW(TResourceStream(::GetModuleHandleA(nullptr), "NOSUCHBLOB", MAKEINTRESOURCEA(10)), EResNotFound);
    EXPECT_THROW(TResourceStream(::GetModuleHandleA(nullptr), 4711, MAKEINTRESOURCEA(10)), EResNotFound);
}
