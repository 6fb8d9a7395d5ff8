#include "skin/skin_record.h"

#include "gui/custom_ini_file.h"

namespace sk {

void TskDataSkinRecord::LoadFromIni(TCustomIniFile& ini)
{
    TskRecordReader reader(ini, IDName);
    Fields(reader);
}

void TskDataSkinRecord::SaveToIni(TCustomIniFile& ini)
{
    ini.EraseSection(IDName);
    TskRecordWriter writer(ini, IDName);
    Fields(writer);
}

}  // namespace sk
