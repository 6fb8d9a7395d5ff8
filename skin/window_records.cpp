#include "skin/window_records.h"

#include "skin/record_fields.h"

namespace sk {

void TskDataSkinPopupWindow::LoadFromIni(TCustomIniFile& ini)
{
    TskRecordReader reader(ini, "POPUPWINDOW");
    TskRecordFields& f = reader;
    f.Integer("windowpictureindex", WindowPictureIndex, -1);
    f.Integer("maskpictureindex", MaskPictureIndex, -1);
    f.CornerPoints(*this);
    f.Integer("cursorindex", CursorIndex, -1);
    f.Rect("itemsrect", ItemsRect);
    f.Color("scrollmarkercolor", ScrollMarkerColor);
    f.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor);
}

void TskDataSkinHintWindow::LoadFromIni(TCustomIniFile& ini)
{
    TskRecordReader reader(ini, "HINTWINDOW");
    TskRecordFields& f = reader;
    f.Integer("windowpictureindex", WindowPictureIndex, -1);
    f.Integer("maskpictureindex", MaskPictureIndex, -1);
    f.CornerPoints(*this);
    f.Rect("clientrect", ClRect);
    FontGroupFields(f, "font", FontName, FontHeight, FontStyle, FontColor);
}

}  // namespace sk
