// One walk over the keys of a skin element record, in reading order, that serves
// both directions: a record lists its fields once (Fields), and the reader fills
// them from its section while the writer writes them into it.
#pragma once

#include <cstdint>
#include <string>

#include "gui/alignment.h"
#include "gui/color.h"
#include "gui/font_style.h"
#include "gui/strings.h"
#include "gui/types.h"
#include "skin/geometry.h"
#include "skin/value_syntax.h"

namespace sk {

class TskRecordFields {
public:
    virtual ~TskRecordFields() = default;

    virtual void Integer(const char* key, int32_t& value, int32_t defaultValue = 0) = 0;
    virtual void String(const char* key, std::string& value, const char* defaultValue = "") = 0;
    virtual void Boolean(const char* key, bool& value) = 0;
    virtual void Point(const char* key, gui::TPoint& value) = 0;
    virtual void Rect(const char* key, gui::TRect& value) = 0;
    virtual void FontStyles(const char* key, gui::TFontStyles& value) = 0;
    virtual void Alignment(const char* key, gui::TAlignment& value) = 0;
    virtual void Keyword(const char* key, int& value, const TskKeywordSet& set) = 0;
    virtual void TextLines(const char* prefix, gui::TStringList& lines) = 0;

    void Color(const char* key, gui::TColor& value, gui::TColor defaultValue = 0)
    {
        Integer(key, value, defaultValue);
    }
    template <typename E>
    void Enumeration(const char* key, E& value, const TskKeywordSet& set)
    {
        int v = value;
        Keyword(key, v, set);
        value = E(v);
    }
    // lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint.
    void CornerPoints(SkinGeometry& geometry);
};

// Reads a record's fields from the section of an INI file.
class TskRecordReader : public TskRecordFields {
public:
    TskRecordReader(TCustomIniFile& ini, std::string section) : ini_(ini), section_(std::move(section)) {}

    void Integer(const char* key, int32_t& value, int32_t defaultValue) override;
    void String(const char* key, std::string& value, const char* defaultValue) override;
    void Boolean(const char* key, bool& value) override;
    void Point(const char* key, gui::TPoint& value) override;
    void Rect(const char* key, gui::TRect& value) override;
    void FontStyles(const char* key, gui::TFontStyles& value) override;
    void Alignment(const char* key, gui::TAlignment& value) override;
    void Keyword(const char* key, int& value, const TskKeywordSet& set) override;
    void TextLines(const char* prefix, gui::TStringList& lines) override;

private:
    TCustomIniFile& ini_;
    std::string section_;
};

// Writes a record's fields into the section of an INI file.
class TskRecordWriter : public TskRecordFields {
public:
    TskRecordWriter(TCustomIniFile& ini, std::string section) : ini_(ini), section_(std::move(section)) {}

    void Integer(const char* key, int32_t& value, int32_t defaultValue) override;
    void String(const char* key, std::string& value, const char* defaultValue) override;
    void Boolean(const char* key, bool& value) override;
    void Point(const char* key, gui::TPoint& value) override;
    void Rect(const char* key, gui::TRect& value) override;
    void FontStyles(const char* key, gui::TFontStyles& value) override;
    void Alignment(const char* key, gui::TAlignment& value) override;
    void Keyword(const char* key, int& value, const TskKeywordSet& set) override;
    void TextLines(const char* prefix, gui::TStringList& lines) override;

private:
    TCustomIniFile& ini_;
    std::string section_;
};

// The font keys of an element: prefix + "name" ("Arial"), "height" (14), "style",
// "color" (0).
void FontGroupFields(TskRecordFields& f, const std::string& prefix, std::string& name, int32_t& height,
                     gui::TFontStyles& style, gui::TColor& color);

// The element's own font: the keys fontname, fontheight, fontstyle, fontcolor.
struct TskFontGroup {
    std::string FontName;
    int32_t FontHeight = 0;
    gui::TFontStyles FontStyle;
    gui::TColor FontColor = 0;

    void FontFields(TskRecordFields& f) { FontGroupFields(f, "font", FontName, FontHeight, FontStyle, FontColor); }
};

// The rectangles of the two buttons of an up-down pair in their three states.
struct TskUpDownRects {
    gui::TRect UpButtonRect;
    gui::TRect ActiveUpButtonRect;
    gui::TRect DownUpButtonRect;
    gui::TRect DownButtonRect;
    gui::TRect ActiveDownButtonRect;
    gui::TRect DownDownButtonRect;

    void UpDownFields(TskRecordFields& f);
};

}  // namespace sk
