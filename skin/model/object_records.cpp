#include "skin/model/object_records.h"

#include "skin/model/record_factory.h"

namespace sk {

void TskDataSkinObject::Fields(TskRecordFields& fields)
{
    fields.String("hint", Hint);
    fields.Boolean("rollup", RollUp);
    fields.Integer("activepictureindex", ActivePictureIndex, -1);
    fields.Boolean("skinrectinapicture", SkinRectInAPicture);
    fields.Integer("cursorindex", CursorIndex, -1);
    fields.Rect("skinrect", SkinRect);
    fields.Rect("activeskinrect", ActiveSkinRect);
    fields.Boolean("morphing", Morphing);
    fields.Enumeration("morphkind", MorphKind, MorphKindKeywords);
}

void TskDataUserObject::Fields(TskRecordFields& fields)
{
    fields.Boolean("rollup", RollUp);
    fields.Rect("skinrect", SkinRect);
    fields.Integer("cursorindex", CursorIndex, -1);
}

void TskDataSkinBitLabel::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    fields.String("textvalue", TextValue);
    fields.Integer("symbolwidth", SymbolWidth);
    fields.Integer("symbolheight", SymbolHeight);
    fields.TextLines("symbols", Symbols);
}

void TskDataSkinAnimate::LoadFromIni(TCustomIniFile& ini)
{
    TskDataSkinObject::LoadFromIni(ini);
    Morphing = false;
}

void TskDataSkinAnimate::SaveToIni(TCustomIniFile& ini)
{
    TskDataSkinObject::SaveToIni(ini);
    WriteBoolean(ini, IDName, "morphing", false);
}

void TskDataSkinAnimate::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    fields.Integer("countframes", CountFrames, 1);
    fields.Boolean("cycle", Cycle);
    fields.Boolean("buttonstyle", ButtonStyle);
    fields.Integer("timerinterval", TimerInterval, 50);
    fields.Enumeration("command", Command, StdCommandKeywords);
}

void TskDataSkinLabel::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    FontFields(fields);
    fields.Color("activefontcolor", ActiveFontColor);
    fields.Alignment("alignment", Alignment);
    fields.String("textvalue", TextValue);
}

void TskDataSkinGauge::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    fields.Integer("minvalue", MinValue);
    fields.Integer("maxvalue", MaxValue);
    fields.Enumeration("kind", Kind, GaugeKindKeywords);
}

void TskFrameRange::FrameRangeFields(TskRecordFields& fields)
{
    fields.Integer("minvalue", MinValue);
    fields.Integer("maxvalue", MaxValue);
    fields.Integer("countframes", CountFrames);
    fields.Enumeration("framesplacement", FramesPlacement, FramesPlacementKeywords);
}

void TskDataSkinFrameGaugeObject::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    FrameRangeFields(fields);
}

void TskDataSkinFrameRegulatorObject::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    FrameRangeFields(fields);
    fields.Enumeration("kind", Kind, RegulatorKindKeywords);
}

void TskDataSkinTrackBar::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    fields.Rect("buttonrect", ButtonRect);
    fields.Rect("activebuttonrect", ActiveButtonRect);
    fields.Point("beginpoint", BeginPoint);
    fields.Point("endpoint", EndPoint);
    fields.Integer("minvalue", MinValue);
    fields.Integer("maxvalue", MaxValue);
    fields.Boolean("mousedownchangevalue", MouseDownChangeValue);
}

void TskDataSkinButton::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    fields.Rect("downrect", DownRect);
    fields.Rect("disableskinrsect", DisableSkinRect);
    fields.Integer("groupindex", GroupIndex, -1);
}

void TskDataSkinStdButton::Fields(TskRecordFields& fields)
{
    TskDataSkinButton::Fields(fields);
    fields.Enumeration("command", Command, StdCommandKeywords);
    fields.Rect("restorerect", RestoreRect);
    fields.Rect("restoreactiverect", RestoreActiveRect);
    fields.Rect("restoredownrect", RestoreDownRect);
}

void TskDataSkinMenuItem::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    fields.Integer("itemleftoffset", ItemLeftOffset);
    fields.Integer("itemrightoffset", ItemRightOffset);
    fields.Rect("dividerrect", DividerRect);
    fields.Integer("dividerleftoffset", DividerLeftOffset);
    fields.Integer("dividerrightoffset", DividerRightOffset);
    fields.Rect("textrect", TextRect);
    FontFields(fields);
    fields.Color("activefontcolor", ActiveFontColor);
    fields.Color("unenabledfontcolor", UnEnabledFontColor);
}

void TskDataSkinMainMenuItem::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    fields.Integer("itemleftoffset", ItemLeftOffset);
    fields.Integer("itemrightoffset", ItemRightOffset);
    fields.Rect("downrect", DownRect);
    fields.Rect("textrect", TextRect);
    FontFields(fields);
    fields.Color("activefontcolor", ActiveFontColor);
    fields.Color("downfontcolor", DownFontColor);
    fields.Color("unenabledfontColor", UnEnabledFontColor);
}

void TskDataSkinCaption::Fields(TskRecordFields& fields)
{
    TskDataSkinObject::Fields(fields);
    fields.Boolean("defaultcaption", DefaultCaption);
    fields.Rect("textrect", TextRect);
    FontFields(fields);
    fields.Color("activefontcolor", ActiveFontColor);
    fields.Alignment("alignment", Alignment);
    fields.Boolean("shadow", Shadow);
    fields.Color("shadowcolor", ShadowColor);
    fields.Color("activeshadowcolor", ActiveShadowColor);
    fields.Rect("framerect", FrameRect);
    fields.Rect("activeframerect", ActiveFrameRect);
    fields.Rect("frametextrect", FrameTextRect);
    fields.Integer("frameleftoffset", FrameLeftOffset);
    fields.Integer("framerightoffset", FrameRightOffset);
}

std::unique_ptr<TskDataSkinObject> CreateObjectRecord(const std::string& keyword, const std::string& name)
{
    using B = TskDataSkinObject;
    static const TskRecordFactories<B> factories = {
        {"menuitem", MakeRecord<B, TskDataSkinMenuItem>},
        {"mainmenubaritem", MakeRecord<B, TskDataSkinMainMenuBarItem>},
        {"mainmenuitem", MakeRecord<B, TskDataSkinMainMenuItem>},
        {"stdbutton", MakeRecord<B, TskDataSkinStdButton>},
        {"mainmenubarbutton", MakeRecord<B, TskDataSkinMainMenuBarButton>},
        {"button", MakeRecord<B, TskDataSkinButton>},
        {"caption", MakeRecord<B, TskDataSkinCaption>},
        {"trackbar", MakeRecord<B, TskDataSkinTrackBar>},
        {"gauge", MakeRecord<B, TskDataSkinGauge>},
        {"framegauge", MakeRecord<B, TskDataSkinFrameGaugeObject>},
        {"frameregulator", MakeRecord<B, TskDataSkinFrameRegulatorObject>},
        {"label", MakeRecord<B, TskDataSkinLabel>},
        {"bitlabel", MakeRecord<B, TskDataSkinBitLabel>},
        {"switch", MakeRecord<B, TskDataSkinSwitch>},
        {"animate", MakeRecord<B, TskDataSkinAnimate>},
        {"userobject", MakeRecord<B, TskDataUserObject>},
    };
    return CreateRecord(factories, keyword, name);
}

}  // namespace sk
