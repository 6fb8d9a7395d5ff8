// Element records: every class reads what it writes, with values other than the
// defaults, and the classes that correct what they read do so.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "gui/core/mem_ini_file.h"
#include "gui/core/string_utils.h"
#include "gui/core/strings.h"
#include "skin/model/control_records.h"
#include "skin/model/object_records.h"
#include "test_skin_files.h"

using namespace sk;
using gui::TMemIniFile;

namespace {

const char* const kControlKeywords[] = {
    "slider",   "bevel",     "panel",    "expanel",    "menubutton",   "button",     "checkradio",
    "gauge",    "splitter",  "trackbar", "label",      "stdlabel",     "bitlabel",   "frameregulator",
    "framegauge", "animate", "updown",   "switch",     "grid",         "tab",        "mainmenubar",
    "controlbar", "memo",    "edit",     "checklistbox", "listbox",    "combobox",   "scrollbar",
    "spinedit", "scrollbox", "treeview", "listview",   "richedit"};
const char* const kObjectKeywords[] = {"menuitem", "mainmenubaritem", "mainmenuitem", "stdbutton",
                                       "mainmenubarbutton", "button", "caption", "trackbar", "gauge",
                                       "framegauge", "frameregulator", "label", "bitlabel", "switch",
                                       "animate", "userobject"};

using Section = std::map<std::string, std::string>;

Section SectionOf(TMemIniFile& ini, const std::string& name)
{
    gui::TStringList lines;
    ini.ReadSectionValues(name, lines);
    Section section;
    for (int32_t i = 0; i < lines.Count(); ++i)
        section[lines.Names(i)] = lines.ValueFromIndex(i);
    return section;
}

// A value of the same kind as a written default, but other than it. Booleans and
// integers both take "1" for "0"; texts that may be strings or font styles take a
// font style text, which reads back the same either way.
std::string OtherValue(const std::string& key, const std::string& value, int n)
{
    static const std::map<std::string, std::string> keywords = {
        {"fphorizontal", "fpvertical"}, {"rkround", "rkhorizontal"}, {"gkhorizontal", "gkvertical"},
        {"cmdefault", "cmminimize"},    {"mkdefault", "mkpush"},     {"tacenter", "taleftjustify"}};
    const std::string k = gui::IntToStr(n % 50 + 1);
    if (keywords.count(value))
        return keywords.at(value);
    if (value == "0,0,0,0")
        return k + ",2," + gui::IntToStr(n + 30) + ",40";
    if (value == "0,0")
        return "3," + k;
    if (value == "0")
        return "1";
    if (key.find("name") != std::string::npos && !value.empty())
        return value + " " + k;
    if (value.empty())
        return "fsbold,fsstrikeout";
    return gui::IntToStr(gui::StrToInt(value) + 10 + n);
}

// Writes a record read from nothing (every key it reads, at its default), changes
// every value, reads the changed section into a second record and writes that one:
// the result is the changed section, but for what a class corrects on reading.
template <typename Base>
void ExpectRoundTrip(std::unique_ptr<Base> (*create)(const std::string&, const std::string&),
                     const std::string& keyword, const Section& corrections = {})
{
    SCOPED_TRACE(keyword);
    TMemIniFile ini;
    std::unique_ptr<Base> defaults = create(keyword, "element");
    defaults->LoadFromIni(ini);
    defaults->SaveToIni(ini);
    Section changed = SectionOf(ini, "element");
    ASSERT_FALSE(changed.empty());
    int n = 0;
    for (auto& kv : changed)
        kv.second = OtherValue(kv.first, kv.second, n++);
    for (auto& kv : Section(changed))
        if (kv.first.size() > 9 && kv.first.compare(kv.first.size() - 9, 9, "linecount") == 0) {
            const std::string prefix = kv.first.substr(0, kv.first.size() - 9);
            changed[kv.first] = "2";
            changed[prefix + "line0"] = "0123";
            changed[prefix + "line1"] = ":-";
        }
    ini.EraseSection("element");
    for (const auto& kv : changed)
        ini.WriteString("element", kv.first, kv.second);

    std::unique_ptr<Base> record = create(keyword, "element");
    record->LoadFromIni(ini);
    TMemIniFile written;
    record->SaveToIni(written);
    Section expected = changed;
    for (const auto& kv : corrections)
        expected[kv.first] = kv.second;
    EXPECT_EQ(SectionOf(written, "element"), expected);
}

}  // namespace

TEST(SkinRecords, EveryControlRecordReadsWhatItWrites)
{
    const Section zeroGeometry = {{"lefttoppoint", "0,0"},
                                  {"righttoppoint", "0,0"},
                                  {"leftbottompoint", "0,0"},
                                  {"rightbottompoint", "0,0"},
                                  {"clientrect", "0,0,0,0"}};
    for (const char* keyword : kControlKeywords)
        ExpectRoundTrip(CreateControlRecord, keyword,
                        std::string(keyword) == "updown" ? zeroGeometry : Section());
}

TEST(SkinRecords, EveryObjectRecordReadsWhatItWrites)
{
    for (const char* keyword : kObjectKeywords)
        ExpectRoundTrip(CreateObjectRecord, keyword,
                        std::string(keyword) == "animate" ? Section{{"morphing", "0"}} : Section());
}

TEST(SkinRecords, KeysKeepTheirOddSpellings)
{
    TMemIniFile ini;
    CreateObjectRecord("button", "b")->SaveToIni(ini);
    CreateObjectRecord("mainmenuitem", "m")->SaveToIni(ini);
    gui::TStringList lines;
    ini.GetStrings(lines);
    EXPECT_GE(lines.IndexOf("disableskinrsect=0,0,0,0"), 0);
    EXPECT_GE(lines.IndexOf("unenabledfontColor=0"), 0);
    // Keys match without regard to case; the label's font name is asked for as "fontName".
    TMemIniFile label;
    skintest::SetIniLines(label, {"[title]", "fontName=Verdana"});
    auto record = CreateObjectRecord("label", "title");
    record->LoadFromIni(label);
    EXPECT_EQ(dynamic_cast<TskDataSkinLabel&>(*record).FontName, "Verdana");
}

TEST(SkinRecords, MissingSectionGivesEveryDefault)
{
    TMemIniFile empty;
    auto listBox = CreateControlRecord("listbox", "nowhere");
    listBox->LoadFromIni(empty);
    auto& l = dynamic_cast<TskDataSkinListBox&>(*listBox);
    EXPECT_EQ(l.PictureIndex, -1);
    EXPECT_EQ(l.CaptionFontName, "Arial");
    EXPECT_EQ(l.VScrollBarName, "vscrollbar");
    EXPECT_EQ(l.HScrollBarName, "hscrollbar");
    EXPECT_EQ(l.BothHScrollBarName, "bothhscrollbar");
    auto label = CreateControlRecord("stdlabel", "nowhere");
    label->LoadFromIni(empty);
    EXPECT_EQ(dynamic_cast<TskDataSkinStdLabelControl&>(*label).ActiveFontColor, 16711680);  // blue
    auto panel = CreateControlRecord("panel", "nowhere");
    panel->LoadFromIni(empty);
    EXPECT_EQ(dynamic_cast<TskDataSkinPanelControl&>(*panel).Alignment, gui::taCenter);
}

TEST(SkinRecords, CorrectionsMadeOnReading)
{
    TMemIniFile ini;
    skintest::SetIniLines(ini, {"[reg]", "framescount=0", "kind=diagonal", "[reg2]", "framescount=-7",
                                "framesplacement=FPHORIZONTAL", "[gauge]", "countframes=0", "[grip]",
                                "hint=text", "morphing=1", "activepictureindex=4", "rollup=1", "skinrect=1,2,3,4",
                                "cursorindex=6"});
    auto reg = CreateControlRecord("frameregulator", "reg");
    reg->LoadFromIni(ini);
    EXPECT_EQ(dynamic_cast<TskDataSkinFrameRegulator&>(*reg).FramesCount, 1);
    EXPECT_EQ(dynamic_cast<TskDataSkinFrameRegulator&>(*reg).Kind, rkVertical);
    auto reg2 = CreateControlRecord("framegauge", "reg2");
    reg2->LoadFromIni(ini);
    EXPECT_EQ(dynamic_cast<TskDataSkinFrameControl&>(*reg2).FramesCount, 1);
    EXPECT_EQ(dynamic_cast<TskDataSkinFrameControl&>(*reg2).FramesPlacement, fpVertical);
    auto gauge = CreateObjectRecord("framegauge", "gauge");
    gauge->LoadFromIni(ini);
    EXPECT_EQ(dynamic_cast<TskDataSkinFrameGaugeObject&>(*gauge).CountFrames, 0);  // not corrected

    // A user object reads three keys only, and writes only those.
    auto grip = CreateObjectRecord("userobject", "grip");
    grip->LoadFromIni(ini);
    EXPECT_EQ(grip->Hint, "");
    EXPECT_FALSE(grip->Morphing);
    EXPECT_EQ(grip->ActivePictureIndex, -1);
    TMemIniFile written;
    grip->SaveToIni(written);
    EXPECT_EQ(SectionOf(written, "grip"), (Section{{"rollup", "1"}, {"skinrect", "1,2,3,4"}, {"cursorindex", "6"}}));
}

TEST(SkinRecords, KeywordsCreateTheirClassesExactly)
{
    EXPECT_FALSE(CreateControlRecord("Button", "x"));
    EXPECT_FALSE(CreateObjectRecord("", "x"));
    EXPECT_FALSE(CreateObjectRecord("button ", "x"));
    auto item = CreateObjectRecord("mainmenubaritem", "x");
    EXPECT_NE(dynamic_cast<TskDataSkinMainMenuItem*>(item.get()), nullptr);  // a bar item is a menu item
    auto memo = CreateControlRecord("memo", "x");
    EXPECT_NE(dynamic_cast<TskDataSkinEditControl*>(memo.get()), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinCustomControl*>(memo.get()), nullptr);
    auto tab = CreateControlRecord("tab", "x");
    EXPECT_EQ(dynamic_cast<TskDataSkinCustomControl*>(tab.get()), nullptr);
    EXPECT_EQ(memo->IDName, "x");
}
