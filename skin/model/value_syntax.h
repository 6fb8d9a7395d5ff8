// The value syntax of the skin description and its readers and writers. Every
// reader takes the INI file, a section and a key, and gives the kind's default
// when the key is absent:
//   point "x,y" and rect "left,top,right,bottom": digits only, every other
//     character but the comma dropped (so no negative values); a missing part or
//     a part without digits raises EConvertError; parts beyond the last are ignored
//   boolean: true exactly for the integer 1; written "1" or "0"
//   font styles: "fsbold", "fsitalic", "fsunderline", "fsstrikeout" found anywhere
//     in the text; written joined by ","
//   alignment: "tacenter" centre (also when absent), "taleftjustify" left, any
//     other text right
//   keyword enumerations: exact, case-sensitive keywords; unknown text gives the
//     enumeration's fallback value
//   text lines: prefix + "linecount", then prefix + "line0" ...
//   indexed list: prefix + "count", then the keys "0" ... without prefix
// Integers, colours and strings are the INI file's own.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "gui/core/alignment.h"
#include "gui/core/font_style.h"
#include "gui/core/types.h"

namespace gui {
class TCustomIniFile;
class TStrings;
}  // namespace gui

namespace sk {

using gui::TCustomIniFile;

gui::TPoint StrToPoint(const std::string& text);
gui::TRect StrToRect(const std::string& text);

gui::TRect ReadRect(TCustomIniFile& ini, const std::string& section, const std::string& ident);
void WriteRect(TCustomIniFile& ini, const std::string& section, const std::string& ident, const gui::TRect& value);
gui::TPoint ReadPoint(TCustomIniFile& ini, const std::string& section, const std::string& ident);
void WritePoint(TCustomIniFile& ini, const std::string& section, const std::string& ident, gui::TPoint value);
bool ReadBoolean(TCustomIniFile& ini, const std::string& section, const std::string& ident);
void WriteBoolean(TCustomIniFile& ini, const std::string& section, const std::string& ident, bool value);
gui::TFontStyles ReadFontStyles(TCustomIniFile& ini, const std::string& section, const std::string& ident);
void WriteFontStyles(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                     gui::TFontStyles value);
gui::TAlignment ReadAlignment(TCustomIniFile& ini, const std::string& section, const std::string& ident);
void WriteAlignment(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                    gui::TAlignment value);

// Counts in a description are not trusted: only lines whose keys the section
// holds are read, so a count far beyond them costs nothing. Lines missing between
// present ones read as empty; lines missing after the last present one are left out.
void ReadTextLines(TCustomIniFile& ini, const std::string& section, const std::string& prefix, gui::TStrings& lines);
void WriteTextLines(TCustomIniFile& ini, const std::string& section, const std::string& prefix,
                    const gui::TStrings& lines);
void ReadIndexedList(TCustomIniFile& ini, const std::string& section, const std::string& prefix,
                     gui::TStrings& list);

// The values of the keys prefix + "0" ... prefix + (count - 1) that the section
// holds, by index (the first of a key given twice); `keys`, when given, receives
// the number of keys in the section.
std::map<int32_t, std::string> ReadIndexedValues(TCustomIniFile& ini, const std::string& section,
                                                 const std::string& prefix, int32_t count,
                                                 int32_t* keys = nullptr);

// An enumeration written as keywords: `keywords` in value order; a text that
// matches none reads as `fallback`, an absent key as `absent`.
struct TskKeywordSet {
    const char* const* keywords;
    int count;
    int fallback;
    int absent;
};

int ReadKeyword(TCustomIniFile& ini, const std::string& section, const std::string& ident, const TskKeywordSet& set);
// A value outside the set writes the fallback's keyword.
void WriteKeyword(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                  const TskKeywordSet& set, int value);

enum TskMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum TskInactiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum TskFramesPlacement { fpHorizontal, fpVertical };
enum TskRegulatorKind { rkRound, rkHorizontal, rkVertical };
enum TskGaugeKind { gkHorizontal, gkVertical };
enum TskStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp };

extern const TskKeywordSet MorphKindKeywords;
extern const TskKeywordSet InactiveEffectKeywords;
extern const TskKeywordSet FramesPlacementKeywords;
extern const TskKeywordSet RegulatorKindKeywords;
extern const TskKeywordSet GaugeKindKeywords;
extern const TskKeywordSet StdCommandKeywords;

TskMorphKind ReadMorphKind(TCustomIniFile& ini, const std::string& section, const std::string& ident);
void WriteMorphKind(TCustomIniFile& ini, const std::string& section, const std::string& ident, TskMorphKind value);
TskInactiveEffect ReadInactiveEffect(TCustomIniFile& ini, const std::string& section, const std::string& ident);

}  // namespace sk
