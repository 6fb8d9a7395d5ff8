// The texts of the track list and the menus, and the settings record against its
// INI section.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/access_keys.h"
#include "app/ripper_settings.h"
#include "app/track_text.h"
#include "gui/core/mem_ini_file.h"

using namespace brenvale;

TEST(TrackText, NamesDurationsAndSizes)
{
    EXPECT_EQ(DefaultTrackName(7), "Track 07");
    EXPECT_EQ(DefaultTrackName(12), "Track 12");
    EXPECT_EQ(DefaultTrackName(99), "Track 99");
    EXPECT_EQ(TrackDuration(185), "3:05");
    EXPECT_EQ(TrackDuration(60), "1:00");
    EXPECT_EQ(TrackDuration(0), "0:00");
    EXPECT_EQ(TrackDuration(4440), "74:00");
    EXPECT_EQ(TrackSize(31752000), "30.3 MB");
    EXPECT_EQ(TrackSize(0), "0.0 MB");
    EXPECT_EQ(TrackSize(1048576), "1.0 MB");
}

TEST(TrackText, ANameThatNamesNoFileRipsAsTheTrackNumber)
{
    EXPECT_EQ(RipName(L"Opening", 1), L"Opening");
    EXPECT_EQ(RipName(L"AC/DC", 2), L"AC/DC");
    EXPECT_EQ(RipName(L"..a", 3), L"..a");
    EXPECT_EQ(RipName(L"", 4), L"Track 04");
    EXPECT_EQ(RipName(L"   _", 5), L"Track 05");  // a title of blanks, made a file name
    EXPECT_EQ(RipName(L"___", 6), L"Track 06");   // a title of dots
    EXPECT_EQ(RipName(L"Live/", 7), L"Track 07");
    EXPECT_EQ(RipName(L"Live\\ . _", 8), L"Track 08");
    EXPECT_EQ(RipName(L"/", 12), L"Track 12");
}

TEST(AccessKeys, EachCaptionTakesAFreeLetterWordStartsFirst)
{
    using Captions = std::vector<std::string>;
    const struct {
        Captions given, keyed;
    } cases[] = {
        // Word starts first, then any free letter; separators are left alone.
        {{"Rip CD Now!", "-", "Refresh Track List", "Open CD Tray", "Options"},
         {"&Rip CD Now!", "-", "Refresh &Track List", "&Open CD Tray", "O&ptions"}},
        // A caption's own key is kept and taken from the others, in either case;
        // "&&" is an ampersand, not a key.
        {{"Save", "E&xit", "Sa&ve As", "Tom && Jerry"}, {"&Save", "E&xit", "Sa&ve As", "&Tom && Jerry"}},
        {{"exit", "Extra"}, {"&exit", "E&xtra"}},
        // Digits count; a caption with no free letter stays as it is.
        {{"A", "a", "2 Go", "--"}, {"&A", "a", "&2 Go", "--"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithAccessKeys(c.given), c.keyed);
}

TEST(RipperSettings, AbsentKeysKeepTheDefaultsAndWritesGoToTheSettingsSection)
{
    TRipperSettings defaults;
    defaults.Left = 159;
    defaults.Top = 20;
    defaults.Width = 785;
    defaults.Height = 600;
    defaults.OutputPath = kDefaultOutputPath;

    gui::TMemIniFile ini;
    ini.WriteString("settings", "MainFormTop", "77");
    ini.WriteString("settings", "mainformwidth", "not a number");
    ini.WriteString("other", "OutputPath", "D:\\Elsewhere");
    const TRipperSettings read = ReadSettings(ini, defaults);
    EXPECT_EQ(read.Left, 159);
    EXPECT_EQ(read.Top, 77);
    EXPECT_EQ(read.Width, 785);  // what cannot be read as a number keeps the default
    EXPECT_EQ(read.Height, 600);
    EXPECT_EQ(read.DriveIndex, 0);
    EXPECT_EQ(read.OutputPath, "C:\\My Music");

    gui::TMemIniFile applied;
    WriteAppliedSettings(applied, read);
    EXPECT_FALSE(applied.ValueExists("settings", "MainFormLeft"));
    EXPECT_EQ(applied.ReadString("settings", "DriveIndex", ""), "0");
    EXPECT_EQ(applied.ReadString("settings", "OutputPath", ""), "C:\\My Music");

    TRipperSettings changed = read;
    changed.Left = -20;  // a window left of the screen's edge keeps its place
    changed.OutputPath = "C:\\Music\\";
    gui::TMemIniFile all;
    WriteAllSettings(all, changed);
    const TRipperSettings back = ReadSettings(all, TRipperSettings());
    EXPECT_EQ(back.Left, -20);
    EXPECT_EQ(back.Top, 77);
    EXPECT_EQ(back.Width, 785);
    EXPECT_EQ(back.Height, 600);
    EXPECT_EQ(back.OutputPath, "C:\\Music\\");

    // A window of no size would be lost to the user.
    gui::TMemIniFile broken;
    broken.WriteString("settings", "MainFormWidth", "0");
    broken.WriteString("settings", "MainFormHeight", "-300");
    const TRipperSettings sized = ReadSettings(broken, defaults);
    EXPECT_EQ(sized.Width, 785);
    EXPECT_EQ(sized.Height, 600);
}
