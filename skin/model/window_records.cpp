#include "skin/model/window_records.h"

#include "skin/model/record_fields.h"

namespace sk {

void TskDataSkinWindow::WindowFields(TskRecordFields& fields)
{
    fields.Integer("windowpictureindex", WindowPictureIndex, -1);
    fields.Integer("maskpictureindex", MaskPictureIndex, -1);
    fields.CornerPoints(*this);
}

void TskDataSkinPopupWindow::LoadFromIni(TCustomIniFile& ini)
{
    TskRecordFields f(ini, "POPUPWINDOW", TskFieldsDirection::Read);
    WindowFields(f);
    f.Integer("cursorindex", CursorIndex, -1);
    f.Rect("itemsrect", ItemsRect);
    f.Color("scrollmarkercolor", ScrollMarkerColor);
    f.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor);
}

void TskDataSkinHintWindow::LoadFromIni(TCustomIniFile& ini)
{
    TskRecordFields f(ini, "HINTWINDOW", TskFieldsDirection::Read);
    WindowFields(f);
    f.Rect("clientrect", ClRect);
    FontGroupFields(f, "font", FontName, FontHeight, FontStyle, FontColor);
}

}  // namespace sk
