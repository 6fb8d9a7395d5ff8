#include "skin/model/skin_record.h"

#include "gui/core/custom_ini_file.h"

namespace sk {

void TskDataSkinRecord::LoadFromIni(TCustomIniFile& ini)
{
    TskRecordFields fields(ini, IDName, TskFieldsDirection::Read);
    Fields(fields);
}

void TskDataSkinRecord::SaveToIni(TCustomIniFile& ini)
{
    ini.EraseSection(IDName);
    TskRecordFields fields(ini, IDName, TskFieldsDirection::Write);
    Fields(fields);
}

}  // namespace sk
