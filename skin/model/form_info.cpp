#include "skin/model/form_info.h"

#include <algorithm>

#include "gui/core/custom_ini_file.h"
#include "skin/model/record_fields.h"

namespace sk {

void TskFormInfo::LoadFromIni(TCustomIniFile& ini)
{
    TskRecordFields f(ini, "FORMINFO", TskFieldsDirection::Read);
    f.CornerPoints(*this);
    f.Rect("clientrect", ClRect);
    f.Integer("bgpictureindex", BGPictureIndex, -1);
    f.Boolean("leftstretch", LeftStretch);
    f.Boolean("rightstretch", RightStretch);
    f.Boolean("topstretch", TopStretch);
    f.Boolean("bottomstretch", BottomStretch);
    f.Rect("buttonsrect", ButtonsRect);
    f.Rect("captionrect", CaptionRect);
    f.Integer("buttonsoffset", ButtonsOffset);
    f.Boolean("buttonsinleft", ButtonsInLeft);
    f.Rect("maskrectarea", MaskRectArea);
    f.Point("hittestlefttoppoint", HitTestLTPoint);
    f.Point("hittestrighttoppoint", HitTestRTPoint);
    f.Point("hittestleftbottompoint", HitTestLBPoint);
    f.Point("hittestrightbottompoint", HitTestRBPoint);
    f.Point("rollupleftpoint", RollUpLeftPoint);
    f.Point("rolluprightpoint", RollUpRightPoint);
    f.Rect("mainmenurect", MainMenuRect);
    f.Rect("iconrect", IconRect);
    f.Boolean("mainmenupopupup", MainMenuPopupUp);
    f.Integer("borderwidth", BorderWidth);
    f.Integer("cursorindex", CursorIndex, -1);
    f.Boolean("autorenderinginactiveimage", AutoRenderingInActiveImage);
    f.Enumeration("inactiveeffect", InActiveEffect, InactiveEffectKeywords);

    // Corner points that coincide on either axis were not given.
    if (RBPoint.X == LTPoint.X || RBPoint.Y == LTPoint.Y)
        return;
    LTPoint.X = std::max(LTPoint.X, ClRect.Left);
    LBPoint.X = std::max(LBPoint.X, ClRect.Left);
    RTPoint.X = std::min(RTPoint.X, ClRect.Right);
    RBPoint.X = std::min(RBPoint.X, ClRect.Right);
    LTPoint.Y = std::max(LTPoint.Y, ClRect.Top);
    RTPoint.Y = std::max(RTPoint.Y, ClRect.Top);
    LBPoint.Y = std::min(LBPoint.Y, ClRect.Bottom);
    RBPoint.Y = std::min(RBPoint.Y, ClRect.Bottom);
}

}  // namespace sk
