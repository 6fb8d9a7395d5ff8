#include "skin/model/control_records.h"

#include <algorithm>

#include "skin/model/geometry.h"
#include "skin/model/record_factory.h"

namespace sk {

void TskDataSkinControl::Fields(TskRecordFields& fields)
{
    fields.Integer("pictureindex", PictureIndex, -1);
    fields.Integer("maskpictureindex", MaskPictureIndex, -1);
    fields.Integer("cursorindex", CursorIndex, -1);
    fields.Rect("skinrect", SkinRect);
}

void TskDataSkinCustomControl::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    fields.CornerPoints(*this);
    fields.Rect("clientrect", ClRect);
}

bool TskDataSkinCustomControl::FitsPicture(int PictureWidth, int PictureHeight) const
{
    return RectInPicture(SkinRect, PictureWidth, PictureHeight);
}

// The states' rectangles are optional: an unset one stands for another.
bool TskDataSkinButtonControl::FitsPicture(int PictureWidth, int PictureHeight) const
{
    return TskDataSkinCustomControl::FitsPicture(PictureWidth, PictureHeight) &&
           UnsetOrInPicture(ActiveSkinRect, PictureWidth, PictureHeight) &&
           UnsetOrInPicture(DownSkinRect, PictureWidth, PictureHeight) &&
           UnsetOrInPicture(DisabledSkinRect, PictureWidth, PictureHeight);
}

// The bar area lies in the element, the bar picture in the picture.
bool TskDataSkinGaugeControl::FitsPicture(int PictureWidth, int PictureHeight) const
{
    return TskDataSkinCustomControl::FitsPicture(PictureWidth, PictureHeight) &&
           UnsetOrInPicture(ProgressRect, PictureWidth, PictureHeight);
}

// The button's place lies in the element, its states' faces in the picture.
bool TskDataSkinEditControl::FitsPicture(int PictureWidth, int PictureHeight) const
{
    return TskDataSkinCustomControl::FitsPicture(PictureWidth, PictureHeight) &&
           UnsetOrInPicture(ActiveSkinRect, PictureWidth, PictureHeight) &&
           UnsetOrInPicture(ActiveButtonRect, PictureWidth, PictureHeight) &&
           UnsetOrInPicture(DownButtonRect, PictureWidth, PictureHeight) &&
           UnsetOrInPicture(UnEnabledButtonRect, PictureWidth, PictureHeight);
}

// A panel with a background picture is tiled from that picture alone.
bool TskDataSkinPanelControl::FitsPicture(int PictureWidth, int PictureHeight) const
{
    return BGPictureIndex != -1 || TskDataSkinCustomControl::FitsPicture(PictureWidth, PictureHeight);
}

void TskDataSkinBevel::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    fields.Color("lightcolor", LightColor);
    fields.Color("darkcolor", DarkColor);
}

void TskDataSkinSlider::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    fields.Color("bgcolor", BGColor);
    fields.Rect("hrulerrect", HRulerRect);
    fields.Rect("hthumbrect", HThumbRect);
    fields.Rect("vrulerrect", VRulerRect);
    fields.Rect("vthumbrect", VThumbRect);
    fields.Integer("edgesize", EdgeSize);
    fields.Color("pointscolor", PointsColor);
}

void TskDataSkinTreeView::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    FontOnColorFields(fields);
}

void TskDataSkinListView::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    FontOnColorFields(fields);
}

void TskDataSkinRichEdit::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    FontOnColorFields(fields);
}

void TskDataSkinStdLabelControl::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    FontFields(fields);
    fields.Color("activefontcolor", ActiveFontColor, 16711680);
}

void TskDataSkinMainMenuBar::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    fields.Rect("itemsrect", ItemsRect);
    fields.String("menubaritem", MenuBarItem);
    fields.String("closebutton", CloseButton);
    fields.String("minbutton", MinButton);
    fields.String("maxbutton", MaxButton);
    fields.String("sysmenubutton", SysMenuButton);
    fields.Color("trackmarkcolor", TrackMarkColor);
    fields.Color("trackmarkactivecolor", TrackMarkActiveColor);
}

void TskDataSkinTabControl::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    fields.Rect("tabrect", TabRect);
    fields.Rect("activetabrect", ActiveTabRect);
    fields.Rect("focustabrect", FocusTabRect);
    fields.Rect("mouseintabrect", MouseInTabRect);
    fields.Rect("clientrect", ClRect);
    fields.Integer("bgpictureindex", BGPictureIndex, -1);
    fields.CornerPoints(*this);
    fields.Integer("tableftoffset", TabLeftOffset);
    fields.Integer("tabrightoffset", TabRightOffset);
    fields.Rect("tabsbgrect", TabsBGRect);
    FontFields(fields);
    fields.Color("activefontcolor", ActiveFontColor);
    fields.Color("focusfontcolor", FocusFontColor);
    fields.Color("mouseinfontcolor", MouseInFontColor);
    fields.String("updown", UpDown);
}

void TskDataSkinGridControl::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    fields.Rect("fixedcellrect", FixedCellRect);
    fields.Rect("selectcellrect", SelectCellRect);
    fields.Rect("focuscellrect", FocusCellRect);
    fields.Integer("fixedcellleftoffset", FixedCellLeftOffset);
    fields.Integer("fixedcellrightoffset", FixedCellRightOffset);
    fields.Rect("fixedcelltextrect", FixedCellTextRect);
    fields.Integer("cellleftoffset", CellLeftOffset);
    fields.Integer("cellrightoffset", CellRightOffset);
    fields.Rect("celltextrect", CellTextRect);
    fields.Color("linescolor", LinesColor);
    fields.Color("bgcolor", BGColor);
    fields.Integer("bgpictureindex", BGPictureIndex, -1);
    FontFields(fields);
    fields.Color("selectfontcolor", SelectFontColor);
    fields.Color("focusfontcolor", FocusFontColor);
    FontGroupFields(fields, "fixedfont", FixedFontName, FixedFontHeight, FixedFontStyle, FixedFontColor);
}

void TskDataSkinFrameControl::LoadFromIni(TCustomIniFile& ini)
{
    TskDataSkinControl::LoadFromIni(ini);
    FramesCount = std::max(FramesCount, 1);
}

void TskDataSkinFrameControl::Fields(TskRecordFields& fields)
{
    TskDataSkinControl::Fields(fields);
    fields.Integer("framescount", FramesCount, 1);
    fields.Enumeration("framesplacement", FramesPlacement, FramesPlacementKeywords);
}

void TskDataSkinFrameRegulator::Fields(TskRecordFields& fields)
{
    TskDataSkinFrameControl::Fields(fields);
    fields.Enumeration("kind", Kind, RegulatorKindKeywords);
}

void TskDataSkinControlBar::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Rect("itemrect", ItemRect);
    fields.Integer("bgpictureindex", BGPictureIndex, -1);
}

void TskDataSkinUpDownControl::LoadFromIni(TCustomIniFile& ini)
{
    TskDataSkinCustomControl::LoadFromIni(ini);
    static_cast<SkinGeometry&>(*this) = SkinGeometry();
}

void TskDataSkinUpDownControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    UpDownFields(fields);
}

void TskDataSkinListBox::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Rect("itemrect", ItemRect);
    fields.Rect("activeitemrect", ActiveItemRect);
    fields.Rect("focusitemrect", FocusItemRect);
    fields.Integer("itemleftoffset", ItemLeftOffset);
    fields.Integer("itemrightoffset", ItemRightOffset);
    fields.Rect("itemtextrect", ItemTextRect);
    FontFields(fields);
    fields.Color("activefontcolor", ActiveFontColor);
    fields.Color("focusfontcolor", FocusFontColor);
    fields.Rect("captionrect", CaptionRect);
    FontGroupFields(fields, "captionfont", CaptionFontName, CaptionFontHeight, CaptionFontStyle, CaptionFontColor);
    UpDownFields(fields);
    fields.Rect("checkbuttonrect", CheckButtonRect);
    fields.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
    fields.Rect("downcheckbuttonrect", DownCheckButtonRect);
    fields.String("vscrollbarname", VScrollBarName, "vscrollbar");
    fields.String("hscrollbarname", HScrollBarName, "hscrollbar");
    fields.String("bothhscrollbarname", BothHScrollBarName, "bothhscrollbar");
}

void TskDataSkinCheckListBox::Fields(TskRecordFields& fields)
{
    TskDataSkinListBox::Fields(fields);
    fields.Rect("checkimagerect", CheckImageRect);
    fields.Rect("itemcheckrect", ItemCheckRect);
    fields.Rect("uncheckimagerect", UnCheckImageRect);
}

void TskDataSkinComboBox::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Rect("itemrect", ItemRect);
    fields.Rect("focusitemrect", FocusItemRect);
    fields.Integer("itemleftoffset", ItemLeftOffset);
    fields.Integer("itemrightoffset", ItemRightOffset);
    fields.Rect("itemtextrect", ItemTextRect);
    FontFields(fields);
    fields.Color("focusfontcolor", FocusFontColor);
    fields.String("listboxname", ListBoxName);
    fields.Rect("buttonrect", ButtonRect);
    fields.Rect("activebuttonrect", ActiveButtonRect);
    fields.Rect("downbuttonrect", DownButtonRect);
    fields.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TskDataSkinScrollBarControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Rect("trackarea", TrackArea);
    UpDownFields(fields);
    fields.Rect("thumbrect", ThumbRect);
    fields.Rect("activethumbrect", ActiveThumbRect);
    fields.Rect("downthumbrect", DownThumbRect);
    fields.Integer("thumboffset1", ThumbOffset1);
    fields.Integer("thumboffset2", ThumbOffset2);
    fields.Rect("glyphrect", GlyphRect);
    fields.Rect("activeglyphrect", ActiveGlyphRect);
    fields.Rect("downglyphrect", DownGlyphRect);
}

void TskDataSkinSpinEditControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    FontFields(fields);
    UpDownFields(fields);
}

void TskDataSkinEditControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Rect("activeskinrect", ActiveSkinRect);
    FontFields(fields);
    fields.Color("disabledfontcolor", DisabledFontColor);
    fields.Color("activefontcolor", ActiveFontColor);
    fields.Rect("buttonrect", ButtonRect);
    fields.Rect("activebuttonrect", ActiveButtonRect);
    fields.Rect("downbuttonrect", DownButtonRect);
    fields.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TskDataSkinMemoControl::Fields(TskRecordFields& fields)
{
    TskDataSkinEditControl::Fields(fields);
    fields.Color("bgcolor", BGColor);
    fields.Color("activebgcolor", ActiveBGColor);
}

void TskDataSkinLabelControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    FontFields(fields);
}

void TskDataSkinBitLabelControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Rect("skintextrect", SkinTextRect);
    fields.Integer("symbolwidth", SymbolWidth);
    fields.Integer("symbolheight", SymbolHeight);
    fields.TextLines("symbols", Symbols);
}

void TskDataSkinTrackBarControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Rect("trackarea", TrackArea);
    fields.Rect("buttonrect", ButtonRect);
    fields.Rect("activebuttonrect", ActiveButtonRect);
    fields.Boolean("vertical", Vertical);
}

void TskDataSkinGaugeControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Rect("progressarea", ProgressArea);
    fields.Rect("progressrect", ProgressRect);
    fields.Integer("beginoffset", BeginOffset);
    fields.Integer("endoffset", EndOffset);
    fields.Boolean("vertical", Vertical);
    FontFields(fields);
}

void TskDataSkinScrollBoxControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Integer("bgpictureindex", BGPictureIndex, -1);
}

void TskDataSkinPanelControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Integer("bgpictureindex", BGPictureIndex, -1);
    fields.Rect("captionrect", CaptionRect);
    fields.Alignment("alignment", Alignment);
    FontFields(fields);
    fields.Rect("checkimagerect", CheckImageRect);
    fields.Rect("uncheckimagerect", UnCheckImageRect);
}

void TskDataSkinExPanelControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    fields.Rect("rollhskinrect", RollHSkinRect);
    fields.Rect("rollvskinrect", RollVSkinRect);
    fields.Integer("rollleftoffset", RollLeftOffset);
    fields.Integer("rollrightoffset", RollRightOffset);
    fields.Integer("rolltopoffset", RollTopOffset);
    fields.Integer("rollbottomoffset", RollBottomOffset);
    fields.Rect("rollvcaptionrect", RollVCaptionRect);
    fields.Rect("rollhcaptionrect", RollHCaptionRect);
    fields.Rect("closebuttonrect", CloseButtonRect);
    fields.Rect("closebuttonactiverect", CloseButtonActiveRect);
    fields.Rect("closebuttondownrect", CloseButtonDownRect);
    fields.Rect("hrollbuttonrect", HRollButtonRect);
    fields.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
    fields.Rect("hrollbuttondownrect", HRollButtonDownRect);
    fields.Rect("hrestorebuttonrect", HRestoreButtonRect);
    fields.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
    fields.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
    fields.Rect("vrollbuttonrect", VRollButtonRect);
    fields.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
    fields.Rect("vrollbuttondownrect", VRollButtonDownRect);
    fields.Rect("vrestorebuttonrect", VRestoreButtonRect);
    fields.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
    fields.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
    fields.Rect("captionrect", CaptionRect);
    FontFields(fields);
}

void TskDataSkinCheckRadioControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    FontFields(fields);
    fields.Color("activefontcolor", ActiveFontColor);
    fields.Color("unenabledfontcolor", UnEnabledFontColor);
    fields.Color("framefontcolor", FrameFontColor);
    fields.Boolean("morphing", Morphing);
    fields.Enumeration("morphkind", MorphKind, MorphKindKeywords);
    fields.Rect("activeskinrect", ActiveSkinRect);
    fields.Rect("checkimagearea", CheckImageArea);
    fields.Rect("textarea", TextArea);
    fields.Rect("checkimagerect", CheckImageRect);
    fields.Rect("uncheckimagerect", UnCheckImageRect);
    fields.Rect("activecheckimagerect", ActiveCheckImageRect);
    fields.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
    fields.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
    fields.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
}

void TskDataSkinButtonControl::Fields(TskRecordFields& fields)
{
    TskDataSkinCustomControl::Fields(fields);
    FontFields(fields);
    fields.Color("activefontcolor", ActiveFontColor);
    fields.Color("disabledfontcolor", DisabledFontColor);
    fields.Color("downfontcolor", DownFontColor);
    fields.Boolean("morphing", Morphing);
    fields.Enumeration("morphkind", MorphKind, MorphKindKeywords);
    fields.Rect("activeskinrect", ActiveSkinRect);
    fields.Rect("downskinrect", DownSkinRect);
    fields.Rect("disabledskinrect", DisabledSkinRect);
}

void TskDataSkinMenuButtonControl::Fields(TskRecordFields& fields)
{
    TskDataSkinButtonControl::Fields(fields);
    fields.Rect("trackbuttonrect", TrackButtonRect);
}

std::unique_ptr<TskDataSkinControl> CreateControlRecord(const std::string& keyword, const std::string& name)
{
    using B = TskDataSkinControl;
    static const TskRecordFactories<B> factories = {
        {"slider", MakeRecord<B, TskDataSkinSlider>},
        {"bevel", MakeRecord<B, TskDataSkinBevel>},
        {"panel", MakeRecord<B, TskDataSkinPanelControl>},
        {"expanel", MakeRecord<B, TskDataSkinExPanelControl>},
        {"menubutton", MakeRecord<B, TskDataSkinMenuButtonControl>},
        {"button", MakeRecord<B, TskDataSkinButtonControl>},
        {"checkradio", MakeRecord<B, TskDataSkinCheckRadioControl>},
        {"gauge", MakeRecord<B, TskDataSkinGaugeControl>},
        {"splitter", MakeRecord<B, TskDataSkinSplitterControl>},
        {"trackbar", MakeRecord<B, TskDataSkinTrackBarControl>},
        {"label", MakeRecord<B, TskDataSkinLabelControl>},
        {"stdlabel", MakeRecord<B, TskDataSkinStdLabelControl>},
        {"bitlabel", MakeRecord<B, TskDataSkinBitLabelControl>},
        {"frameregulator", MakeRecord<B, TskDataSkinFrameRegulator>},
        {"framegauge", MakeRecord<B, TskDataSkinFrameGauge>},
        {"animate", MakeRecord<B, TskDataSkinAnimateControl>},
        {"updown", MakeRecord<B, TskDataSkinUpDownControl>},
        {"switch", MakeRecord<B, TskDataSkinSwitchControl>},
        {"grid", MakeRecord<B, TskDataSkinGridControl>},
        {"tab", MakeRecord<B, TskDataSkinTabControl>},
        {"mainmenubar", MakeRecord<B, TskDataSkinMainMenuBar>},
        {"controlbar", MakeRecord<B, TskDataSkinControlBar>},
        {"memo", MakeRecord<B, TskDataSkinMemoControl>},
        {"edit", MakeRecord<B, TskDataSkinEditControl>},
        {"checklistbox", MakeRecord<B, TskDataSkinCheckListBox>},
        {"listbox", MakeRecord<B, TskDataSkinListBox>},
        {"combobox", MakeRecord<B, TskDataSkinComboBox>},
        {"scrollbar", MakeRecord<B, TskDataSkinScrollBarControl>},
        {"spinedit", MakeRecord<B, TskDataSkinSpinEditControl>},
        {"scrollbox", MakeRecord<B, TskDataSkinScrollBoxControl>},
        {"treeview", MakeRecord<B, TskDataSkinTreeView>},
        {"listview", MakeRecord<B, TskDataSkinListView>},
        {"richedit", MakeRecord<B, TskDataSkinRichEdit>},
    };
    return CreateRecord(factories, keyword, name);
}

}  // namespace sk
