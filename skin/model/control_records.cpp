#include "skin/model/control_records.h"

#include <algorithm>

#include "skin/model/geometry.h"
#include "skin/model/record_factory.h"

namespace sk {

void TskDataSkinControl::Fields(TskRecordFields& f)
{
    f.Integer("pictureindex", PictureIndex, -1);
    f.Integer("maskpictureindex", MaskPictureIndex, -1);
    f.Integer("cursorindex", CursorIndex, -1);
    f.Rect("skinrect", SkinRect);
}

void TskDataSkinCustomControl::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    f.CornerPoints(*this);
    f.Rect("clientrect", ClRect);
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

void TskDataSkinBevel::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    f.Color("lightcolor", LightColor);
    f.Color("darkcolor", DarkColor);
}

void TskDataSkinSlider::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    f.Color("bgcolor", BGColor);
    f.Rect("hrulerrect", HRulerRect);
    f.Rect("hthumbrect", HThumbRect);
    f.Rect("vrulerrect", VRulerRect);
    f.Rect("vthumbrect", VThumbRect);
    f.Integer("edgesize", EdgeSize);
    f.Color("pointscolor", PointsColor);
}

void TskDataSkinTreeView::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    FontOnColorFields(f);
}

void TskDataSkinListView::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    FontOnColorFields(f);
}

void TskDataSkinRichEdit::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    FontOnColorFields(f);
}

void TskDataSkinStdLabelControl::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    FontFields(f);
    f.Color("activefontcolor", ActiveFontColor, 16711680);
}

void TskDataSkinMainMenuBar::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    f.Rect("itemsrect", ItemsRect);
    f.String("menubaritem", MenuBarItem);
    f.String("closebutton", CloseButton);
    f.String("minbutton", MinButton);
    f.String("maxbutton", MaxButton);
    f.String("sysmenubutton", SysMenuButton);
    f.Color("trackmarkcolor", TrackMarkColor);
    f.Color("trackmarkactivecolor", TrackMarkActiveColor);
}

void TskDataSkinTabControl::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    f.Rect("tabrect", TabRect);
    f.Rect("activetabrect", ActiveTabRect);
    f.Rect("focustabrect", FocusTabRect);
    f.Rect("mouseintabrect", MouseInTabRect);
    f.Rect("clientrect", ClRect);
    f.Integer("bgpictureindex", BGPictureIndex, -1);
    f.CornerPoints(*this);
    f.Integer("tableftoffset", TabLeftOffset);
    f.Integer("tabrightoffset", TabRightOffset);
    f.Rect("tabsbgrect", TabsBGRect);
    FontFields(f);
    f.Color("activefontcolor", ActiveFontColor);
    f.Color("focusfontcolor", FocusFontColor);
    f.Color("mouseinfontcolor", MouseInFontColor);
    f.String("updown", UpDown);
}

void TskDataSkinGridControl::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    f.Rect("fixedcellrect", FixedCellRect);
    f.Rect("selectcellrect", SelectCellRect);
    f.Rect("focuscellrect", FocusCellRect);
    f.Integer("fixedcellleftoffset", FixedCellLeftOffset);
    f.Integer("fixedcellrightoffset", FixedCellRightOffset);
    f.Rect("fixedcelltextrect", FixedCellTextRect);
    f.Integer("cellleftoffset", CellLeftOffset);
    f.Integer("cellrightoffset", CellRightOffset);
    f.Rect("celltextrect", CellTextRect);
    f.Color("linescolor", LinesColor);
    f.Color("bgcolor", BGColor);
    f.Integer("bgpictureindex", BGPictureIndex, -1);
    FontFields(f);
    f.Color("selectfontcolor", SelectFontColor);
    f.Color("focusfontcolor", FocusFontColor);
    FontGroupFields(f, "fixedfont", FixedFontName, FixedFontHeight, FixedFontStyle, FixedFontColor);
}

void TskDataSkinFrameControl::LoadFromIni(TCustomIniFile& ini)
{
    TskDataSkinControl::LoadFromIni(ini);
    FramesCount = std::max(FramesCount, 1);
}

void TskDataSkinFrameControl::Fields(TskRecordFields& f)
{
    TskDataSkinControl::Fields(f);
    f.Integer("framescount", FramesCount, 1);
    f.Enumeration("framesplacement", FramesPlacement, FramesPlacementKeywords);
}

void TskDataSkinFrameRegulator::Fields(TskRecordFields& f)
{
    TskDataSkinFrameControl::Fields(f);
    f.Enumeration("kind", Kind, RegulatorKindKeywords);
}

void TskDataSkinControlBar::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Rect("itemrect", ItemRect);
    f.Integer("bgpictureindex", BGPictureIndex, -1);
}

void TskDataSkinUpDownControl::LoadFromIni(TCustomIniFile& ini)
{
    TskDataSkinCustomControl::LoadFromIni(ini);
    static_cast<SkinGeometry&>(*this) = SkinGeometry();
}

void TskDataSkinUpDownControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    UpDownFields(f);
}

void TskDataSkinListBox::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Rect("itemrect", ItemRect);
    f.Rect("activeitemrect", ActiveItemRect);
    f.Rect("focusitemrect", FocusItemRect);
    f.Integer("itemleftoffset", ItemLeftOffset);
    f.Integer("itemrightoffset", ItemRightOffset);
    f.Rect("itemtextrect", ItemTextRect);
    FontFields(f);
    f.Color("activefontcolor", ActiveFontColor);
    f.Color("focusfontcolor", FocusFontColor);
    f.Rect("captionrect", CaptionRect);
    FontGroupFields(f, "captionfont", CaptionFontName, CaptionFontHeight, CaptionFontStyle, CaptionFontColor);
    UpDownFields(f);
    f.Rect("checkbuttonrect", CheckButtonRect);
    f.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
    f.Rect("downcheckbuttonrect", DownCheckButtonRect);
    f.String("vscrollbarname", VScrollBarName, "vscrollbar");
    f.String("hscrollbarname", HScrollBarName, "hscrollbar");
    f.String("bothhscrollbarname", BothHScrollBarName, "bothhscrollbar");
}

void TskDataSkinCheckListBox::Fields(TskRecordFields& f)
{
    TskDataSkinListBox::Fields(f);
    f.Rect("checkimagerect", CheckImageRect);
    f.Rect("itemcheckrect", ItemCheckRect);
    f.Rect("uncheckimagerect", UnCheckImageRect);
}

void TskDataSkinComboBox::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Rect("itemrect", ItemRect);
    f.Rect("focusitemrect", FocusItemRect);
    f.Integer("itemleftoffset", ItemLeftOffset);
    f.Integer("itemrightoffset", ItemRightOffset);
    f.Rect("itemtextrect", ItemTextRect);
    FontFields(f);
    f.Color("focusfontcolor", FocusFontColor);
    f.String("listboxname", ListBoxName);
    f.Rect("buttonrect", ButtonRect);
    f.Rect("activebuttonrect", ActiveButtonRect);
    f.Rect("downbuttonrect", DownButtonRect);
    f.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TskDataSkinScrollBarControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Rect("trackarea", TrackArea);
    UpDownFields(f);
    f.Rect("thumbrect", ThumbRect);
    f.Rect("activethumbrect", ActiveThumbRect);
    f.Rect("downthumbrect", DownThumbRect);
    f.Integer("thumboffset1", ThumbOffset1);
    f.Integer("thumboffset2", ThumbOffset2);
    f.Rect("glyphrect", GlyphRect);
    f.Rect("activeglyphrect", ActiveGlyphRect);
    f.Rect("downglyphrect", DownGlyphRect);
}

void TskDataSkinSpinEditControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    FontFields(f);
    UpDownFields(f);
}

void TskDataSkinEditControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Rect("activeskinrect", ActiveSkinRect);
    FontFields(f);
    f.Color("disabledfontcolor", DisabledFontColor);
    f.Color("activefontcolor", ActiveFontColor);
    f.Rect("buttonrect", ButtonRect);
    f.Rect("activebuttonrect", ActiveButtonRect);
    f.Rect("downbuttonrect", DownButtonRect);
    f.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TskDataSkinMemoControl::Fields(TskRecordFields& f)
{
    TskDataSkinEditControl::Fields(f);
    f.Color("bgcolor", BGColor);
    f.Color("activebgcolor", ActiveBGColor);
}

void TskDataSkinLabelControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    FontFields(f);
}

void TskDataSkinBitLabelControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Rect("skintextrect", SkinTextRect);
    f.Integer("symbolwidth", SymbolWidth);
    f.Integer("symbolheight", SymbolHeight);
    f.TextLines("symbols", Symbols);
}

void TskDataSkinTrackBarControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Rect("trackarea", TrackArea);
    f.Rect("buttonrect", ButtonRect);
    f.Rect("activebuttonrect", ActiveButtonRect);
    f.Boolean("vertical", Vertical);
}

void TskDataSkinGaugeControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Rect("progressarea", ProgressArea);
    f.Rect("progressrect", ProgressRect);
    f.Integer("beginoffset", BeginOffset);
    f.Integer("endoffset", EndOffset);
    f.Boolean("vertical", Vertical);
    FontFields(f);
}

void TskDataSkinScrollBoxControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Integer("bgpictureindex", BGPictureIndex, -1);
}

void TskDataSkinPanelControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Integer("bgpictureindex", BGPictureIndex, -1);
    f.Rect("captionrect", CaptionRect);
    f.Alignment("alignment", Alignment);
    FontFields(f);
    f.Rect("checkimagerect", CheckImageRect);
    f.Rect("uncheckimagerect", UnCheckImageRect);
}

void TskDataSkinExPanelControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    f.Rect("rollhskinrect", RollHSkinRect);
    f.Rect("rollvskinrect", RollVSkinRect);
    f.Integer("rollleftoffset", RollLeftOffset);
    f.Integer("rollrightoffset", RollRightOffset);
    f.Integer("rolltopoffset", RollTopOffset);
    f.Integer("rollbottomoffset", RollBottomOffset);
    f.Rect("rollvcaptionrect", RollVCaptionRect);
    f.Rect("rollhcaptionrect", RollHCaptionRect);
    f.Rect("closebuttonrect", CloseButtonRect);
    f.Rect("closebuttonactiverect", CloseButtonActiveRect);
    f.Rect("closebuttondownrect", CloseButtonDownRect);
    f.Rect("hrollbuttonrect", HRollButtonRect);
    f.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
    f.Rect("hrollbuttondownrect", HRollButtonDownRect);
    f.Rect("hrestorebuttonrect", HRestoreButtonRect);
    f.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
    f.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
    f.Rect("vrollbuttonrect", VRollButtonRect);
    f.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
    f.Rect("vrollbuttondownrect", VRollButtonDownRect);
    f.Rect("vrestorebuttonrect", VRestoreButtonRect);
    f.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
    f.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
    f.Rect("captionrect", CaptionRect);
    FontFields(f);
}

void TskDataSkinCheckRadioControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    FontFields(f);
    f.Color("activefontcolor", ActiveFontColor);
    f.Color("unenabledfontcolor", UnEnabledFontColor);
    f.Color("framefontcolor", FrameFontColor);
    f.Boolean("morphing", Morphing);
    f.Enumeration("morphkind", MorphKind, MorphKindKeywords);
    f.Rect("activeskinrect", ActiveSkinRect);
    f.Rect("checkimagearea", CheckImageArea);
    f.Rect("textarea", TextArea);
    f.Rect("checkimagerect", CheckImageRect);
    f.Rect("uncheckimagerect", UnCheckImageRect);
    f.Rect("activecheckimagerect", ActiveCheckImageRect);
    f.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
    f.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
    f.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
}

void TskDataSkinButtonControl::Fields(TskRecordFields& f)
{
    TskDataSkinCustomControl::Fields(f);
    FontFields(f);
    f.Color("activefontcolor", ActiveFontColor);
    f.Color("disabledfontcolor", DisabledFontColor);
    f.Color("downfontcolor", DownFontColor);
    f.Boolean("morphing", Morphing);
    f.Enumeration("morphkind", MorphKind, MorphKindKeywords);
    f.Rect("activeskinrect", ActiveSkinRect);
    f.Rect("downskinrect", DownSkinRect);
    f.Rect("disabledskinrect", DisabledSkinRect);
}

void TskDataSkinMenuButtonControl::Fields(TskRecordFields& f)
{
    TskDataSkinButtonControl::Fields(f);
    f.Rect("trackbuttonrect", TrackButtonRect);
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
