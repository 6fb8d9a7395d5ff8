#include "skin/model/object_records.h"

#include "skin/model/record_factory.h"

namespace sk {

void TskDataSkinObject::Fields(TskRecordFields& f)
{
    f.String("hint", Hint);
    f.Boolean("rollup", RollUp);
    f.Integer("activepictureindex", ActivePictureIndex, -1);
    f.Boolean("skinrectinapicture", SkinRectInAPicture);
    f.Integer("cursorindex", CursorIndex, -1);
    f.Rect("skinrect", SkinRect);
    f.Rect("activeskinrect", ActiveSkinRect);
    f.Boolean("morphing", Morphing);
    f.Enumeration("morphkind", MorphKind, MorphKindKeywords);
}

void TskDataUserObject::Fields(TskRecordFields& f)
{
    f.Boolean("rollup", RollUp);
    f.Rect("skinrect", SkinRect);
    f.Integer("cursorindex", CursorIndex, -1);
}

void TskDataSkinBitLabel::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    f.String("textvalue", TextValue);
    f.Integer("symbolwidth", SymbolWidth);
    f.Integer("symbolheight", SymbolHeight);
    f.TextLines("symbols", Symbols);
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

void TskDataSkinAnimate::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    f.Integer("countframes", CountFrames, 1);
    f.Boolean("cycle", Cycle);
    f.Boolean("buttonstyle", ButtonStyle);
    f.Integer("timerinterval", TimerInterval, 50);
    f.Enumeration("command", Command, StdCommandKeywords);
}

void TskDataSkinLabel::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    FontFields(f);
    f.Color("activefontcolor", ActiveFontColor);
    f.Alignment("alignment", Alignment);
    f.String("textvalue", TextValue);
}

void TskDataSkinGauge::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    f.Integer("minvalue", MinValue);
    f.Integer("maxvalue", MaxValue);
    f.Enumeration("kind", Kind, GaugeKindKeywords);
}

void TskFrameRange::FrameRangeFields(TskRecordFields& f)
{
    f.Integer("minvalue", MinValue);
    f.Integer("maxvalue", MaxValue);
    f.Integer("countframes", CountFrames);
    f.Enumeration("framesplacement", FramesPlacement, FramesPlacementKeywords);
}

void TskDataSkinFrameGaugeObject::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    FrameRangeFields(f);
}

void TskDataSkinFrameRegulatorObject::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    FrameRangeFields(f);
    f.Enumeration("kind", Kind, RegulatorKindKeywords);
}

void TskDataSkinTrackBar::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    f.Rect("buttonrect", ButtonRect);
    f.Rect("activebuttonrect", ActiveButtonRect);
    f.Point("beginpoint", BeginPoint);
    f.Point("endpoint", EndPoint);
    f.Integer("minvalue", MinValue);
    f.Integer("maxvalue", MaxValue);
    f.Boolean("mousedownchangevalue", MouseDownChangeValue);
}

void TskDataSkinButton::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    f.Rect("downrect", DownRect);
    f.Rect("disableskinrsect", DisableSkinRect);
    f.Integer("groupindex", GroupIndex, -1);
}

void TskDataSkinStdButton::Fields(TskRecordFields& f)
{
    TskDataSkinButton::Fields(f);
    f.Enumeration("command", Command, StdCommandKeywords);
    f.Rect("restorerect", RestoreRect);
    f.Rect("restoreactiverect", RestoreActiveRect);
    f.Rect("restoredownrect", RestoreDownRect);
}

void TskDataSkinMenuItem::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    f.Integer("itemleftoffset", ItemLeftOffset);
    f.Integer("itemrightoffset", ItemRightOffset);
    f.Rect("dividerrect", DividerRect);
    f.Integer("dividerleftoffset", DividerLeftOffset);
    f.Integer("dividerrightoffset", DividerRightOffset);
    f.Rect("textrect", TextRect);
    FontFields(f);
    f.Color("activefontcolor", ActiveFontColor);
    f.Color("unenabledfontcolor", UnEnabledFontColor);
}

void TskDataSkinMainMenuItem::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    f.Integer("itemleftoffset", ItemLeftOffset);
    f.Integer("itemrightoffset", ItemRightOffset);
    f.Rect("downrect", DownRect);
    f.Rect("textrect", TextRect);
    FontFields(f);
    f.Color("activefontcolor", ActiveFontColor);
    f.Color("downfontcolor", DownFontColor);
    f.Color("unenabledfontColor", UnEnabledFontColor);
}

void TskDataSkinCaption::Fields(TskRecordFields& f)
{
    TskDataSkinObject::Fields(f);
    f.Boolean("defaultcaption", DefaultCaption);
    f.Rect("textrect", TextRect);
    FontFields(f);
    f.Color("activefontcolor", ActiveFontColor);
    f.Alignment("alignment", Alignment);
    f.Boolean("shadow", Shadow);
    f.Color("shadowcolor", ShadowColor);
    f.Color("activeshadowcolor", ActiveShadowColor);
    f.Rect("framerect", FrameRect);
    f.Rect("activeframerect", ActiveFrameRect);
    f.Rect("frametextrect", FrameTextRect);
    f.Integer("frameleftoffset", FrameLeftOffset);
    f.Integer("framerightoffset", FrameRightOffset);
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
