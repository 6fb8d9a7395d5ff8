// One walk over the keys of a skin element record, in reading order, that serves
// both directions: a record lists its fields once (its Fields function), and the
// walk either fills them from the record's section (every absent key giving its
// default) or writes them into it.
#pragma once

#include <cstdint>
#include <string>

#include "gui/core/alignment.h"
#include "gui/core/color.h"
#include "gui/core/font_style.h"
#include "gui/core/strings.h"
#include "gui/core/types.h"
#include "skin/model/geometry.h"
#include "skin/model/value_syntax.h"

namespace sk {

enum class TskFieldsDirection { Read, Write };

class TskRecordFields {
public:
    TskRecordFields(TCustomIniFile& ini, std::string section, TskFieldsDirection direction)
        : ini_(ini), section_(std::move(section)), reading_(direction == TskFieldsDirection::Read)
    {
    }

    void Integer(const char* key, int32_t& value, int32_t defaultValue = 0);
    void Color(const char* key, gui::TColor& value, gui::TColor defaultValue = 0)
    {
        Integer(key, value, defaultValue);
    }
    void String(const char* key, std::string& value, const char* defaultValue = "");
    void Boolean(const char* key, bool& value) { Exchange(key, value, ReadBoolean, WriteBoolean); }
    void Point(const char* key, gui::TPoint& value) { Exchange(key, value, ReadPoint, WritePoint); }
    void Rect(const char* key, gui::TRect& value) { Exchange(key, value, ReadRect, WriteRect); }
    void FontStyles(const char* key, gui::TFontStyles& value)
    {
        Exchange(key, value, ReadFontStyles, WriteFontStyles);
    }
    void Alignment(const char* key, gui::TAlignment& value) { Exchange(key, value, ReadAlignment, WriteAlignment); }
    template <typename E>
    void Enumeration(const char* key, E& value, const TskKeywordSet& set)
    {
        int v = value;
        Keyword(key, v, set);
        value = E(v);
    }
    void TextLines(const char* prefix, gui::TStringList& lines);
    // lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint.
    void CornerPoints(SkinGeometry& geometry);

private:
    void Keyword(const char* key, int& value, const TskKeywordSet& set);

    template <typename T, typename Read, typename Write>
    void Exchange(const char* key, T& value, Read read, Write write)
    {
        if (reading_)
            value = read(ini_, section_, key);
        else
            write(ini_, section_, key, value);
    }

    TCustomIniFile& ini_;
    std::string section_;
    bool reading_;
};

// The font keys of an element: prefix + "name" ("Arial"), "height" (14), "style",
// "color" (0).
void FontGroupFields(TskRecordFields& fields, const std::string& prefix, std::string& name, int32_t& height,
                     gui::TFontStyles& style, gui::TColor& color);

// The element's own font: the keys fontname, fontheight, fontstyle, fontcolor.
struct TskFontGroup {
    std::string FontName;
    int32_t FontHeight = 0;
    gui::TFontStyles FontStyle;
    gui::TColor FontColor = 0;

    void FontFields(TskRecordFields& fields)
    {
        FontGroupFields(fields, "font", FontName, FontHeight, FontStyle, FontColor);
    }
};

// The rectangles of the two buttons of an up-down pair in their three states.
struct TskUpDownRects {
    gui::TRect UpButtonRect;
    gui::TRect ActiveUpButtonRect;
    gui::TRect DownUpButtonRect;
    gui::TRect DownButtonRect;
    gui::TRect ActiveDownButtonRect;
    gui::TRect DownDownButtonRect;

    void UpDownFields(TskRecordFields& fields);
};

}  // namespace sk
