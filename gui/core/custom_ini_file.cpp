#include "gui/core/custom_ini_file.h"

#include "gui/core/string_utils.h"
#include "gui/core/strings.h"

namespace gui {

int32_t TCustomIniFile::ReadInteger(const std::string& section, const std::string& ident,
                                    int32_t defaultValue)
{
    return StrToIntDef(ReadString(section, ident, std::string()), defaultValue);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& ident, int32_t value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue)
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

bool TCustomIniFile::SectionExists(const std::string& section)
{
    TStringList keys;
    ReadSection(section, keys);
    return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const std::string& section, const std::string& ident)
{
    TStringList keys;
    ReadSection(section, keys);
    return keys.IndexOf(ident) >= 0;
}

}  // namespace gui
