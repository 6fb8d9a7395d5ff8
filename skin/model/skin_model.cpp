#include "skin/model/skin_model.h"

#include "gui/core/custom_ini_file.h"

namespace sk {

namespace {

template <typename T>
int IndexOfName(const gui::TObjectList<T>& list, const std::string& name)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list[i]->IDName == name)
            return i;
    return -1;
}

// Runs `add` with the name and type of every entry of a SKINOBJECTS or
// SKINCONTROLS section, in index order. Entries the section does not hold are
// skipped, so the count costs nothing beyond them.
template <typename Add>
void ForEachNameType(TCustomIniFile& ini, const std::string& section, Add add)
{
    const int32_t count = ini.ReadInteger(section, "count", 0);
    for (const auto& entry : ReadIndexedValues(ini, section, std::string(), count)) {
        std::string name, type;
        ParseNameType(entry.second, name, type);
        add(name, type);
    }
}

template <typename T>
void AddRecord(gui::TObjectList<T>& list, std::unique_ptr<T> record, TCustomIniFile& ini)
{
    if (!record)
        return;  // a type keyword of no record class
    T& added = *list[list.Add(std::move(record))];
    added.LoadFromIni(ini);
}

}  // namespace

int TskSkinModel::GetAreaIndex(const std::string& name) const { return IndexOfName(AreaList, name); }

int TskSkinModel::GetObjectIndex(const std::string& name) const { return IndexOfName(ObjectList, name); }

int TskSkinModel::GetControlIndex(const std::string& name) const { return IndexOfName(CtrlList, name); }

void TskSkinModel::AddArea(const std::string& name, const gui::TRect& rect)
{
    AreaList.Add(std::make_unique<TskDataSkinArea>(name, rect));
}

void TskSkinModel::LoadAreas(TCustomIniFile& ini)
{
    const int32_t count = ini.ReadInteger("SKINAREAS", "count", 0);
    for (const auto& entry : ReadIndexedValues(ini, "SKINAREAS", std::string(), count)) {
        std::string name;
        gui::TRect rect;
        ParseAreaEntry(entry.second, name, rect);
        AddArea(name, rect);
    }
}

void TskSkinModel::LoadObjects(TCustomIniFile& ini)
{
    ForEachNameType(ini, "SKINOBJECTS", [&](const std::string& name, const std::string& type) {
        AddRecord(ObjectList, CreateObjectRecord(type, name), ini);
    });
}

void TskSkinModel::LoadControls(TCustomIniFile& ini)
{
    ForEachNameType(ini, "SKINCONTROLS", [&](const std::string& name, const std::string& type) {
        AddRecord(CtrlList, CreateControlRecord(type, name), ini);
    });
}

void TskSkinModel::ReadStoredSkinDescription(TCustomIniFile& ini)
{
    SkinName = ini.ReadString("VERSION", "skinname", std::string());
    StartCursorIndex = ini.ReadInteger("CURSORS", "startcursorindex", 1);
    if (StartCursorIndex <= 0)
        StartCursorIndex = 1;
    LoadFormInfo(ini);
    PopupWindow.LoadFromIni(ini);
    HintWindow.LoadFromIni(ini);
    LoadAreas(ini);
    LoadObjects(ini);
    LoadControls(ini);
}

void TskSkinModel::ReadCompressedSkinDescription(TCustomIniFile& ini)
{
    SkinName = ini.ReadString("VERSION", "skinname", std::string());
    SkinAuthor = ini.ReadString("VERSION", "skinauthor", std::string());
    AuthorEmail = ini.ReadString("VERSION", "authoremail", std::string());
    AuthorURL = ini.ReadString("VERSION", "authorurl", std::string());
    SkinComments = ini.ReadString("VERSION", "skincomments", std::string());
    LoadFormInfo(ini);
    PopupWindow.LoadFromIni(ini);
    HintWindow.LoadFromIni(ini);
    LoadObjects(ini);
    LoadControls(ini);
}

void TskSkinModel::ClearRecords()
{
    AreaList.Clear();
    ObjectList.Clear();
    CtrlList.Clear();
    PopupWindow.WindowPictureIndex = -1;
    HintWindow.WindowPictureIndex = -1;
}

bool CheckSkinSections(TCustomIniFile& ini)
{
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (!ini.SectionExists(section))
            return false;
    return true;
}

void ParseNameType(const std::string& entry, std::string& name, std::string& type)
{
    const size_t colon = entry.find(':');
    name = colon == std::string::npos ? std::string() : entry.substr(0, colon);
    type = colon == std::string::npos ? std::string() : entry.substr(colon + 1);
}

void ParseAreaEntry(const std::string& entry, std::string& name, gui::TRect& rect)
{
    const size_t colon = entry.find(':');
    if (colon == std::string::npos) {
        name.clear();
        rect = gui::TRect();
        return;
    }
    name = entry.substr(0, colon);
    rect = StrToRect(entry.substr(colon + 1));
}

}  // namespace sk
