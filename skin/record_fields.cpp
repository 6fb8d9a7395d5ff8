#include "skin/record_fields.h"

#include "gui/custom_ini_file.h"

namespace sk {

void TskRecordFields::CornerPoints(SkinGeometry& geometry)
{
    Point("lefttoppoint", geometry.LTPoint);
    Point("righttoppoint", geometry.RTPoint);
    Point("leftbottompoint", geometry.LBPoint);
    Point("rightbottompoint", geometry.RBPoint);
}

void TskRecordReader::Integer(const char* key, int32_t& value, int32_t defaultValue)
{
    value = ini_.ReadInteger(section_, key, defaultValue);
}

void TskRecordReader::String(const char* key, std::string& value, const char* defaultValue)
{
    value = ini_.ReadString(section_, key, defaultValue);
}

void TskRecordReader::Boolean(const char* key, bool& value) { value = ReadBoolean(ini_, section_, key); }

void TskRecordReader::Point(const char* key, gui::TPoint& value) { value = ReadPoint(ini_, section_, key); }

void TskRecordReader::Rect(const char* key, gui::TRect& value) { value = ReadRect(ini_, section_, key); }

void TskRecordReader::FontStyles(const char* key, gui::TFontStyles& value)
{
    value = ReadFontStyles(ini_, section_, key);
}

void TskRecordReader::Alignment(const char* key, gui::TAlignment& value)
{
    value = ReadAlignment(ini_, section_, key);
}

void TskRecordReader::Keyword(const char* key, int& value, const TskKeywordSet& set)
{
    value = ReadKeyword(ini_, section_, key, set);
}

void TskRecordReader::TextLines(const char* prefix, gui::TStringList& lines)
{
    ReadTextLines(ini_, section_, prefix, lines);
}

void TskRecordWriter::Integer(const char* key, int32_t& value, int32_t)
{
    ini_.WriteInteger(section_, key, value);
}

void TskRecordWriter::String(const char* key, std::string& value, const char*)
{
    ini_.WriteString(section_, key, value);
}

void TskRecordWriter::Boolean(const char* key, bool& value) { WriteBoolean(ini_, section_, key, value); }

void TskRecordWriter::Point(const char* key, gui::TPoint& value) { WritePoint(ini_, section_, key, value); }

void TskRecordWriter::Rect(const char* key, gui::TRect& value) { WriteRect(ini_, section_, key, value); }

void TskRecordWriter::FontStyles(const char* key, gui::TFontStyles& value)
{
    WriteFontStyles(ini_, section_, key, value);
}

void TskRecordWriter::Alignment(const char* key, gui::TAlignment& value)
{
    WriteAlignment(ini_, section_, key, value);
}

void TskRecordWriter::Keyword(const char* key, int& value, const TskKeywordSet& set)
{
    WriteKeyword(ini_, section_, key, set, value);
}

void TskRecordWriter::TextLines(const char* prefix, gui::TStringList& lines)
{
    WriteTextLines(ini_, section_, prefix, lines);
}

void FontGroupFields(TskRecordFields& f, const std::string& prefix, std::string& name, int32_t& height,
                     gui::TFontStyles& style, gui::TColor& color)
{
    f.String((prefix + "name").c_str(), name, "Arial");
    f.Integer((prefix + "height").c_str(), height, 14);
    f.FontStyles((prefix + "style").c_str(), style);
    f.Color((prefix + "color").c_str(), color);
}

void TskUpDownRects::UpDownFields(TskRecordFields& f)
{
    f.Rect("upbuttonrect", UpButtonRect);
    f.Rect("activeupbuttonrect", ActiveUpButtonRect);
    f.Rect("downupbuttonrect", DownUpButtonRect);
    f.Rect("downbuttonrect", DownButtonRect);
    f.Rect("activedownbuttonrect", ActiveDownButtonRect);
    f.Rect("downdownbuttonrect", DownDownButtonRect);
}

}  // namespace sk
