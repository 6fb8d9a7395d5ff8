// The skin model: the section readers, FORMINFO, the lookups by name, and the
// tests' skin read from its packed blob.
#include <gtest/gtest.h>

#include <string>

#include "gui/core/exceptions.h"
#include "gui/core/mem_ini_file.h"
#include "gui/core/memory_stream.h"
#include "gui/core/strings.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/control_records.h"
#include "skin/model/skin_model.h"
#include "skin/model/skin_pictures.h"
#include "test_skin_files.h"

using namespace sk;
using gui::TMemIniFile;
using skintest::Ini;

using Model = TskSkinModel;

TEST(SkinModel, FormInfoPullsGivenCornersOntoTheClientRect)
{
    TMemIniFile outside = Ini({"[FORMINFO]", "lefttoppoint=2,3", "righttoppoint=95,1", "leftbottompoint=1,90",
                               "rightbottompoint=99,99", "clientrect=5,6,80,70"});
    TskFormInfo info;
    info.LoadFromIni(outside);
    EXPECT_EQ(info.LTPoint, gui::Point(5, 6));
    EXPECT_EQ(info.RTPoint, gui::Point(80, 6));
    EXPECT_EQ(info.LBPoint, gui::Point(5, 70));
    EXPECT_EQ(info.RBPoint, gui::Point(80, 70));

    // Corner points that coincide on an axis were not given: they stay.
    TMemIniFile zero = Ini({"[FORMINFO]", "clientrect=5,6,80,70"});
    info.LoadFromIni(zero);
    EXPECT_EQ(info.LTPoint, gui::Point(0, 0));
    EXPECT_EQ(info.RBPoint, gui::Point(0, 0));
    TMemIniFile sameX = Ini({"[FORMINFO]", "lefttoppoint=2,3", "rightbottompoint=2,99", "clientrect=5,6,80,70"});
    info.LoadFromIni(sameX);
    EXPECT_EQ(info.LTPoint, gui::Point(2, 3));
}

TEST(SkinModel, HintWindowFontHeightIsTwelveUntilALoad)
{
    TskSkinModel model;
    EXPECT_EQ(model.HintWindow.FontHeight, 12);
    EXPECT_EQ(model.HintWindow.WindowPictureIndex, -1);
    TMemIniFile ini = Ini({"[HINTWINDOW]", "fontcolor=255"});
    model.HintWindow.LoadFromIni(ini);
    EXPECT_EQ(model.HintWindow.FontHeight, 14);
    EXPECT_EQ(model.HintWindow.FontName, "Arial");
    EXPECT_EQ(model.HintWindow.FontColor, 255);
    EXPECT_EQ(model.PopupWindow.CursorIndex, -1);
}

TEST(SkinModel, ControlEntriesSkipUnknownTypesAndFirstNameWins)
{
    TMemIniFile ini = Ini({"[SKINCONTROLS]", "count=6", "0=a:Button", "1=a:button", "2=b:panel", "3=a:edit",
                           "4=noseparator", "5=c: panel", "6=d:panel", "[a]", "fontheight=20"});
    Model model;
    model.LoadControls(ini);
    ASSERT_EQ(model.CtrlList.Count(), 3);
    EXPECT_EQ(model.GetControlIndex("a"), 0);
    EXPECT_NE(dynamic_cast<TskDataSkinButtonControl*>(model.CtrlList[0]), nullptr);
    EXPECT_EQ(dynamic_cast<TskDataSkinButtonControl*>(model.CtrlList[0])->FontHeight, 20);
    EXPECT_EQ(model.GetControlIndex("b"), 1);
    EXPECT_EQ(model.GetControlIndex("A"), -1);  // names compare exactly
    EXPECT_EQ(model.GetControlIndex("c"), -1);  // " panel" is no type keyword
    EXPECT_EQ(model.GetControlIndex("d"), -1);  // beyond the count
    EXPECT_EQ(model.GetObjectIndex("a"), -1);   // objects are a name space of their own

    Model empty;
    TMemIniFile none = Ini({"[SKINCONTROLS]", "0=a:panel"});
    empty.LoadControls(none);
    EXPECT_EQ(empty.CtrlList.Count(), 0);
    EXPECT_EQ(empty.GetControlIndex("a"), -1);
}

TEST(SkinModel, HostileCountsEndAtTheEntriesPresent)
{
    TMemIniFile ini = Ini({"[SKINOBJECTS]", "count=2147483647", "0=x:caption", "7=y:switch", "[SKINCONTROLS]",
                           "count=-5", "0=z:panel", "[SKINAREAS]", "count=1000000000", "2=a:1,2,3,4"});
    Model model;
    skintest::RunWithin(5, [&] {
        model.LoadObjects(ini);
        model.LoadControls(ini);
        model.LoadAreas(ini);
    });
    EXPECT_EQ(model.ObjectList.Count(), 2);
    EXPECT_EQ(model.CtrlList.Count(), 0);
    EXPECT_EQ(model.AreaList.Count(), 1);
}

TEST(SkinModel, AreasParseNameAndRect)
{
    TMemIniFile ini = Ini({"[SKINAREAS]", "count=4", "0=caption:-5,3,10,20", "1=nocolon", "2=a:b:1,2,3,4",
                           "3=twice:1,1,1,1"});
    Model model;
    model.LoadAreas(ini);
    ASSERT_EQ(model.AreaList.Count(), 4);
    EXPECT_EQ(model.AreaList[0]->AreaRect, gui::Rect(5, 3, 10, 20));
    EXPECT_EQ(model.AreaList[1]->IDName, "");
    EXPECT_EQ(model.AreaList[1]->AreaRect, gui::Rect(0, 0, 0, 0));
    EXPECT_EQ(model.AreaList[2]->IDName, "a");  // split at the first colon, blanks kept
    EXPECT_EQ(model.GetAreaIndex("twice"), 3);
    model.AddArea("twice", gui::Rect(9, 9, 9, 9));
    EXPECT_EQ(model.GetAreaIndex("twice"), 3);

    TMemIniFile bad = Ini({"[SKINAREAS]", "count=1", "0=x:1,2"});
    EXPECT_THROW(model.LoadAreas(bad), gui::EConvertError);
}

TEST(SkinModel, RequiredSectionsAndWhatEachDescriptionReads)
{
    TMemIniFile ini = Ini({"[VERSION]", "skinname=S", "skinauthor=A", "[PICTURES]", "picture=", "[FORMINFO]",
                           "borderwidth=1", "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=0",
                           "[CURSORS]", "startcursorindex=-3", "[SKINAREAS]", "count=1", "0=a:1,2,3,4"});
    EXPECT_TRUE(CheckSkinSections(ini));
    Model stored;
    stored.ReadStoredSkinDescription(ini);
    EXPECT_EQ(stored.SkinName, "S");
    EXPECT_EQ(stored.SkinAuthor, "");  // a stored skin names only its skin
    EXPECT_EQ(stored.StartCursorIndex, 1);
    EXPECT_EQ(stored.AreaList.Count(), 1);

    Model compressed;
    compressed.StartCursorIndex = 9;
    compressed.ReadCompressedSkinDescription(ini);
    EXPECT_EQ(compressed.SkinAuthor, "A");
    EXPECT_EQ(compressed.StartCursorIndex, 9);  // kept: no cursors
    EXPECT_EQ(compressed.AreaList.Count(), 0);  // and no areas

    ini.EraseSection("FORMINFO");
    EXPECT_FALSE(CheckSkinSections(ini));
}

TEST(SkinModel, TheTestSkinFromItsBlob)
{
    TskCompressedStoredSkin skin(nullptr);
    gui::TMemoryStream blob;
    skintest::LoadTestSkinFile(blob, "skin.blob");
    skin.ReadCompressedData(blob);
    gui::TMemoryStream payload;
    skin.Decompress(payload);
    payload.SetPosition(0);
    TskSkinPictures pictures;
    gui::TStringList lines;
    ASSERT_TRUE(ReadSkinPayload(payload, pictures, lines));
    TMemIniFile ini;
    ini.SetStrings(lines);
    Model model;
    model.ReadCompressedSkinDescription(ini);

    // The payload ends with the description's lines exactly as the file has them.
    gui::TStringList file;
    file.LoadFromFile(skintest::TestSkinPath("skin.ini"));
    EXPECT_EQ(lines.Text(), file.Text());
    EXPECT_EQ(pictures.ActivePictures.size(), 3u);

    EXPECT_EQ(model.SkinName, "Test Skin");
    EXPECT_EQ(model.SkinComments, "Drawn by draw_test_skin");
    EXPECT_EQ(model.ObjectList.Count(), 17);  // one entry of an unknown type
    EXPECT_EQ(model.CtrlList.Count(), 36);
    EXPECT_EQ(model.GetObjectIndex("caption"), 6);  // the later label of that name is hidden
    EXPECT_NE(dynamic_cast<TskDataSkinCaption*>(model.ObjectList[6]), nullptr);
    EXPECT_EQ(model.GetControlIndex("button"), 5);
    EXPECT_EQ(model.GetControlIndex("skipped"), -1);
    EXPECT_EQ(model.FormInfo.RTPoint, gui::Point(90, 22));  // pulled into clientrect
    EXPECT_EQ(model.FormInfo.InActiveEffect, ieGrayScale);
    EXPECT_EQ(model.HintWindow.FontName, "Tahoma");
    const auto& clock = dynamic_cast<TskDataSkinBitLabel&>(*model.ObjectList[model.GetObjectIndex("clock")]);
    ASSERT_EQ(clock.Symbols.Count(), 2);
    EXPECT_EQ(clock.Symbols[1], ":");
    const auto& button = dynamic_cast<TskDataSkinButtonControl&>(*model.CtrlList[5]);
    EXPECT_EQ(button.FontStyle, gui::TFontStyles({gui::fsBold, gui::fsUnderline}));
    EXPECT_EQ(button.MorphKind, mkGradient);
    EXPECT_EQ(button.ActiveSkinRect, gui::Rect(16, 0, 32, 16));
}

TEST(SkinModel, AHugeLineIndexInALargeDescriptionCostsNoMoreThanTheDescription)
{
    // About 64 KiB of description: a bit label whose symbol lines claim the whole
    // range of indices, among thousands of ordinary keys.
    gui::TStringList lines{"[SKINCONTROLS]", "count=1", "0=clock:bitlabel", "[clock]", "pictureindex=0",
                           "symbolslinecount=2147483647", "symbolsline0=0123456789", "symbolsline2000000000=x",
                           "symbolsline2147483646=y"};
    for (int i = 0; lines.Text().size() < 64 * 1024; ++i)
        lines.Add("filler" + std::to_string(i) + "=some value that takes room");
    TMemIniFile ini;
    ini.SetStrings(lines);
    Model model;
    skintest::RunWithin(5, [&] { model.LoadControls(ini); });
    ASSERT_EQ(model.CtrlList.Count(), 1);
    const auto* label = dynamic_cast<TskDataSkinBitLabelControl*>(model.CtrlList[0]);
    ASSERT_NE(label, nullptr);
    ASSERT_EQ(label->Symbols.Count(), 1);  // the lines beyond the section are gaps only
    EXPECT_EQ(label->Symbols[0], "0123456789");
}
