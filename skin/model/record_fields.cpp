#include "skin/model/record_fields.h"

#include "gui/core/custom_ini_file.h"

namespace sk {

void TskRecordFields::Integer(const char* key, int32_t& value, int32_t defaultValue)
{
    if (reading_)
        value = ini_.ReadInteger(section_, key, defaultValue);
    else
        ini_.WriteInteger(section_, key, value);
}

void TskRecordFields::String(const char* key, std::string& value, const char* defaultValue)
{
    if (reading_)
        value = ini_.ReadString(section_, key, defaultValue);
    else
        ini_.WriteString(section_, key, value);
}

void TskRecordFields::Keyword(const char* key, int& value, const TskKeywordSet& set)
{
    if (reading_)
        value = ReadKeyword(ini_, section_, key, set);
    else
        WriteKeyword(ini_, section_, key, set, value);
}

void TskRecordFields::TextLines(const char* prefix, gui::TStringList& lines)
{
    if (reading_)
        ReadTextLines(ini_, section_, prefix, lines);
    else
        WriteTextLines(ini_, section_, prefix, lines);
}

void TskRecordFields::CornerPoints(SkinGeometry& geometry)
{
    Point("lefttoppoint", geometry.LTPoint);
    Point("righttoppoint", geometry.RTPoint);
    Point("leftbottompoint", geometry.LBPoint);
    Point("rightbottompoint", geometry.RBPoint);
}

void FontGroupFields(TskRecordFields& fields, const std::string& prefix, std::string& name, int32_t& height,
                     gui::TFontStyles& style, gui::TColor& color)
{
    fields.String((prefix + "name").c_str(), name, "Arial");
    fields.Integer((prefix + "height").c_str(), height, 14);
    fields.FontStyles((prefix + "style").c_str(), style);
    fields.Color((prefix + "color").c_str(), color);
}

void TskUpDownRects::UpDownFields(TskRecordFields& fields)
{
    fields.Rect("upbuttonrect", UpButtonRect);
    fields.Rect("activeupbuttonrect", ActiveUpButtonRect);
    fields.Rect("downupbuttonrect", DownUpButtonRect);
    fields.Rect("downbuttonrect", DownButtonRect);
    fields.Rect("activedownbuttonrect", ActiveDownButtonRect);
    fields.Rect("downdownbuttonrect", DownDownButtonRect);
}

}  // namespace sk
