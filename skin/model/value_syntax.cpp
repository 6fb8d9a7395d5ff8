#include "skin/model/value_syntax.h"

#include <iterator>
#include <vector>

#include "gui/core/custom_ini_file.h"
#include "gui/core/string_utils.h"
#include "gui/core/strings.h"

namespace sk {

namespace {

// The first `count` comma-separated parts of a point or rect value, each keeping
// only its digits. A missing part converts like an empty one.
std::vector<int32_t> DigitParts(const std::string& text, size_t count)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ',') {
            if (parts.size() == count)
                break;
            parts.emplace_back();
        } else if (c >= '0' && c <= '9') {
            parts.back() += c;
        }
    }
    parts.resize(count);
    std::vector<int32_t> values;
    for (const std::string& part : parts)
        values.push_back(gui::StrToInt(part));
    return values;
}

// The index that a key names after its prefix: decimal digits as IntToStr writes
// them, or -1.
int64_t IndexOfKey(const std::string& key, const std::string& prefix)
{
    if (key.size() <= prefix.size() || !gui::SameText(key.substr(0, prefix.size()), prefix))
        return -1;
    const std::string digits = key.substr(prefix.size());
    if (digits.size() > 10 || (digits.size() > 1 && digits[0] == '0'))
        return -1;
    int64_t index = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        index = index * 10 + (c - '0');
    }
    return index;
}

// The list grows to the last index it holds, gaps reading empty. A list of n
// entries takes n keys, so a section of `keys` keys holds no entry at index `keys`
// or beyond: such an index only names a gap, and it is left out, so that a hostile
// index ("line2000000000") costs no more than the description itself.
void FillFromIndexedValues(const std::map<int32_t, std::string>& values, int32_t keys, gui::TStrings& lines)
{
    lines.Clear();
    const auto end = values.lower_bound(keys);
    if (end == values.begin())
        return;
    const int32_t last = std::prev(end)->first;
    for (int32_t i = 0; i <= last; ++i) {
        const auto it = values.find(i);
        lines.Add(it == values.end() ? std::string() : it->second);
    }
}

constexpr const char* kFontStyleNames[] = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};
constexpr gui::TFontStyle kFontStyles[] = {gui::fsBold, gui::fsItalic, gui::fsUnderline, gui::fsStrikeOut};

constexpr const char* kMorphKinds[] = {"mkdefault",      "mkgradient",  "mkleftgradient", "mkrightgradient",
                                       "mkleftslide",    "mkrightslide", "mkpush"};
constexpr const char* kInactiveEffects[] = {"iebrightness", "iedarkness",   "iegrayscale",
                                            "ienoise",      "iesplitblur", "ieinvert"};
constexpr const char* kFramesPlacements[] = {"fphorizontal", "fpvertical"};
constexpr const char* kRegulatorKinds[] = {"rkround", "rkhorizontal", "rkvertical"};
constexpr const char* kGaugeKinds[] = {"gkhorizontal", "gkvertical"};
constexpr const char* kStdCommands[] = {"cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup"};

template <size_t N>
constexpr TskKeywordSet Keywords(const char* const (&keywords)[N], int fallback, int absent)
{
    return TskKeywordSet{keywords, int(N), fallback, absent};
}

}  // namespace

const TskKeywordSet MorphKindKeywords = Keywords(kMorphKinds, mkDefault, mkDefault);
const TskKeywordSet InactiveEffectKeywords = Keywords(kInactiveEffects, ieBrightness, ieBrightness);
const TskKeywordSet FramesPlacementKeywords = Keywords(kFramesPlacements, fpVertical, fpHorizontal);
const TskKeywordSet RegulatorKindKeywords = Keywords(kRegulatorKinds, rkVertical, rkRound);
const TskKeywordSet GaugeKindKeywords = Keywords(kGaugeKinds, gkVertical, gkHorizontal);
const TskKeywordSet StdCommandKeywords = Keywords(kStdCommands, cmRollUp, cmDefault);

gui::TPoint StrToPoint(const std::string& text)
{
    const std::vector<int32_t> v = DigitParts(text, 2);
    return gui::Point(v[0], v[1]);
}

gui::TRect StrToRect(const std::string& text)
{
    const std::vector<int32_t> v = DigitParts(text, 4);
    return gui::Rect(v[0], v[1], v[2], v[3]);
}

gui::TRect ReadRect(TCustomIniFile& ini, const std::string& section, const std::string& ident)
{
    return StrToRect(ini.ReadString(section, ident, "0,0,0,0"));
}

void WriteRect(TCustomIniFile& ini, const std::string& section, const std::string& ident, const gui::TRect& value)
{
    ini.WriteString(section, ident,
                    gui::IntToStr(value.Left) + "," + gui::IntToStr(value.Top) + "," + gui::IntToStr(value.Right) +
                        "," + gui::IntToStr(value.Bottom));
}

gui::TPoint ReadPoint(TCustomIniFile& ini, const std::string& section, const std::string& ident)
{
    return StrToPoint(ini.ReadString(section, ident, "0,0"));
}

void WritePoint(TCustomIniFile& ini, const std::string& section, const std::string& ident, gui::TPoint value)
{
    ini.WriteString(section, ident, gui::IntToStr(value.X) + "," + gui::IntToStr(value.Y));
}

bool ReadBoolean(TCustomIniFile& ini, const std::string& section, const std::string& ident)
{
    return ini.ReadInteger(section, ident, 0) == 1;
}

void WriteBoolean(TCustomIniFile& ini, const std::string& section, const std::string& ident, bool value)
{
    ini.WriteString(section, ident, value ? "1" : "0");
}

gui::TFontStyles ReadFontStyles(TCustomIniFile& ini, const std::string& section, const std::string& ident)
{
    const std::string text = ini.ReadString(section, ident, std::string());
    gui::TFontStyles styles;
    for (size_t i = 0; i < 4; ++i)
        if (text.find(kFontStyleNames[i]) != std::string::npos)
            styles.Include(kFontStyles[i]);
    return styles;
}

void WriteFontStyles(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                     gui::TFontStyles value)
{
    std::string text;
    for (size_t i = 0; i < 4; ++i)
        if (value.Contains(kFontStyles[i]))
            text += (text.empty() ? "" : ",") + std::string(kFontStyleNames[i]);
    ini.WriteString(section, ident, text);
}

gui::TAlignment ReadAlignment(TCustomIniFile& ini, const std::string& section, const std::string& ident)
{
    const std::string text = ini.ReadString(section, ident, "tacenter");
    if (text == "tacenter")
        return gui::taCenter;
    if (text == "taleftjustify")
        return gui::taLeftJustify;
    return gui::taRightJustify;
}

void WriteAlignment(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                    gui::TAlignment value)
{
    static const char* const names[] = {"taleftjustify", "tarightjustify", "tacenter"};
    ini.WriteString(section, ident, names[value == gui::taLeftJustify || value == gui::taRightJustify ? value : 2]);
}

std::map<int32_t, std::string> ReadIndexedValues(TCustomIniFile& ini, const std::string& section,
                                                 const std::string& prefix, int32_t count, int32_t* keys)
{
    std::map<int32_t, std::string> values;
    if (keys)
        *keys = 0;
    if (count <= 0)
        return values;
    gui::TStringList lines;
    ini.ReadSectionValues(section, lines);
    if (keys)
        *keys = lines.Count();
    for (int32_t i = 0; i < lines.Count(); ++i) {
        const std::string line = lines[i];
        const size_t eq = line.find('=');
        const int64_t index = IndexOfKey(line.substr(0, eq), prefix);
        if (index >= 0 && index < count)
            values.emplace(int32_t(index), eq == std::string::npos ? std::string() : line.substr(eq + 1));
    }
    return values;
}

void ReadTextLines(TCustomIniFile& ini, const std::string& section, const std::string& prefix, gui::TStrings& lines)
{
    const int32_t count = ini.ReadInteger(section, prefix + "linecount", 0);
    int32_t keys = 0;
    const auto values = ReadIndexedValues(ini, section, prefix + "line", count, &keys);
    FillFromIndexedValues(values, keys, lines);
}

void WriteTextLines(TCustomIniFile& ini, const std::string& section, const std::string& prefix,
                    const gui::TStrings& lines)
{
    ini.WriteInteger(section, prefix + "linecount", lines.Count());
    for (int32_t i = 0; i < lines.Count(); ++i)
        ini.WriteString(section, prefix + "line" + gui::IntToStr(i), lines[i]);
}

void ReadIndexedList(TCustomIniFile& ini, const std::string& section, const std::string& prefix,
                     gui::TStrings& list)
{
    const int32_t count = ini.ReadInteger(section, prefix + "count", 0);
    int32_t keys = 0;
    const auto values = ReadIndexedValues(ini, section, std::string(), count, &keys);
    FillFromIndexedValues(values, keys, list);
}

int ReadKeyword(TCustomIniFile& ini, const std::string& section, const std::string& ident, const TskKeywordSet& set)
{
    const std::string text = ini.ReadString(section, ident, set.keywords[set.absent]);
    for (int i = 0; i < set.count; ++i)
        if (text == set.keywords[i])
            return i;
    return set.fallback;
}

void WriteKeyword(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                  const TskKeywordSet& set, int value)
{
    ini.WriteString(section, ident, set.keywords[value >= 0 && value < set.count ? value : set.fallback]);
}

TskMorphKind ReadMorphKind(TCustomIniFile& ini, const std::string& section, const std::string& ident)
{
    return TskMorphKind(ReadKeyword(ini, section, ident, MorphKindKeywords));
}

void WriteMorphKind(TCustomIniFile& ini, const std::string& section, const std::string& ident, TskMorphKind value)
{
    WriteKeyword(ini, section, ident, MorphKindKeywords, value);
}

TskInactiveEffect ReadInactiveEffect(TCustomIniFile& ini, const std::string& section, const std::string& ident)
{
    return TskInactiveEffect(ReadKeyword(ini, section, ident, InactiveEffectKeywords));
}

}  // namespace sk
