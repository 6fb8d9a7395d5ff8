// The parsed skin description: the VERSION strings, the form frame, the popup and
// hint windows, the named areas, and the records of the frame objects and control
// skins, with their lookups by name. The pictures live with the skin data
// component that holds this model.
#pragma once

#include <cstdint>
#include <string>

#include "gui/core/object_list.h"
#include "gui/core/types.h"
#include "skin/model/control_records.h"
#include "skin/model/form_info.h"
#include "skin/model/object_records.h"
#include "skin/model/window_records.h"

namespace sk {

class TskDataSkinArea {
public:
    TskDataSkinArea(std::string name, const gui::TRect& rect) : IDName(std::move(name)), AreaRect(rect) {}
    std::string IDName;
    gui::TRect AreaRect;
};

class TskSkinModel {
public:
    std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;
    int32_t StartCursorIndex = 1;
    TskFormInfo FormInfo;
    TskDataSkinPopupWindow PopupWindow;
    TskDataSkinHintWindow HintWindow;
    gui::TObjectList<TskDataSkinArea> AreaList;
    gui::TObjectList<TskDataSkinObject> ObjectList;  // in the order of SKINOBJECTS
    gui::TObjectList<TskDataSkinControl> CtrlList;   // in the order of SKINCONTROLS

    // The index of the first record whose IDName equals the name exactly, or -1.
    int GetAreaIndex(const std::string& name) const;
    int GetObjectIndex(const std::string& name) const;
    int GetControlIndex(const std::string& name) const;

    void AddArea(const std::string& name, const gui::TRect& rect);
    void LoadFormInfo(TCustomIniFile& ini) { FormInfo.LoadFromIni(ini); }
    void LoadAreas(TCustomIniFile& ini);
    void LoadObjects(TCustomIniFile& ini);
    void LoadControls(TCustomIniFile& ini);

    // What each kind of stored skin reads of its description. A stored skin's
    // description names only the skin of VERSION and adds the cursors and areas; a
    // compressed skin's reads all of VERSION and has no areas.
    void ReadStoredSkinDescription(TCustomIniFile& ini);
    void ReadCompressedSkinDescription(TCustomIniFile& ini);

protected:
    // Drops every area, object and control record; the two windows lose their
    // pictures.
    void ClearRecords();
};

// True when the description has all of VERSION, PICTURES, FORMINFO, SKINOBJECTS
// and SKINCONTROLS.
bool CheckSkinSections(TCustomIniFile& ini);
// "name:type" split at the first colon, blanks kept; no colon gives two empty texts.
void ParseNameType(const std::string& entry, std::string& name, std::string& type);
// "name:left,top,right,bottom"; no colon gives an empty name and an empty rect.
void ParseAreaEntry(const std::string& entry, std::string& name, gui::TRect& rect);

}  // namespace sk
