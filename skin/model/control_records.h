// The records of the control skins (the SKINCONTROLS section): one class per type
// keyword, each holding the keys of its element's section. A derived class also
// counts as its parent wherever controls test the kind of a record.
#pragma once

#include <memory>
#include <string>

#include "skin/model/skin_record.h"

namespace sk {

using gui::TColor;
using gui::TRect;

class TskDataSkinControl : public TskDataSkinRecord {
public:
    using TskDataSkinRecord::TskDataSkinRecord;
    int32_t PictureIndex = -1;  // the active picture that holds the element
    int32_t MaskPictureIndex = -1;
    int32_t CursorIndex = -1;
    TRect SkinRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

// The base of the controls that are drawn at any size from corner points and a
// client rectangle inside SkinRect.
class TskDataSkinCustomControl : public TskDataSkinControl, public SkinGeometry {
public:
    using TskDataSkinControl::TskDataSkinControl;
    // Whether every rectangle the element's look is cut from lies in its picture
    // (0 x 0 without one). An element that does not fit draws nothing sensible,
    // so its control keeps its default look.
    virtual bool FitsPicture(int PictureWidth, int PictureHeight) const;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinBevel : public TskDataSkinControl {
public:
    using TskDataSkinControl::TskDataSkinControl;
    TColor LightColor = 0, DarkColor = 0;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinSlider : public TskDataSkinControl {
public:
    using TskDataSkinControl::TskDataSkinControl;
    TColor BGColor = 0;
    TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
    int32_t EdgeSize = 0;
    TColor PointsColor = 0;

protected:
    void Fields(TskRecordFields& fields) override;
};

// Text in the element's font on a background colour: the font keys, then bgcolor.
struct TskFontOnColor : TskFontGroup {
    TColor BGColor = 0;

    void FontOnColorFields(TskRecordFields& fields)
    {
        FontFields(fields);
        fields.Color("bgcolor", BGColor);
    }
};

class TskDataSkinTreeView : public TskDataSkinControl, public TskFontOnColor {
public:
    using TskDataSkinControl::TskDataSkinControl;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinListView : public TskDataSkinControl, public TskFontOnColor {
public:
    using TskDataSkinControl::TskDataSkinControl;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinRichEdit : public TskDataSkinControl, public TskFontOnColor {
public:
    using TskDataSkinControl::TskDataSkinControl;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinStdLabelControl : public TskDataSkinControl, public TskFontGroup {
public:
    using TskDataSkinControl::TskDataSkinControl;
    TColor ActiveFontColor = 0;  // blue when the section gives none

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinMainMenuBar : public TskDataSkinControl {
public:
    using TskDataSkinControl::TskDataSkinControl;
    TRect ItemsRect;
    // Frame objects (SKINOBJECTS) that draw the bar's items and its MDI child buttons.
    std::string MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
    TColor TrackMarkColor = 0, TrackMarkActiveColor = 0;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinTabControl : public TskDataSkinControl, public SkinGeometry, public TskFontGroup {
public:
    using TskDataSkinControl::TskDataSkinControl;
    TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect;
    int32_t BGPictureIndex = 0;
    int32_t TabLeftOffset = 0, TabRightOffset = 0;
    TRect TabsBGRect;
    TColor ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
    std::string UpDown;  // the control record of the tab scroller

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinGridControl : public TskDataSkinControl, public TskFontGroup {
public:
    using TskDataSkinControl::TskDataSkinControl;
    TRect FixedCellRect, SelectCellRect, FocusCellRect;
    int32_t FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
    TRect FixedCellTextRect;
    int32_t CellLeftOffset = 0, CellRightOffset = 0;
    TRect CellTextRect;
    TColor LinesColor = 0, BGColor = 0;
    int32_t BGPictureIndex = 0;
    TColor SelectFontColor = 0, FocusFontColor = 0;
    std::string FixedFontName;
    int32_t FixedFontHeight = 0;
    gui::TFontStyles FixedFontStyle;
    TColor FixedFontColor = 0;

protected:
    void Fields(TskRecordFields& fields) override;
};

// The base of the controls drawn from a strip of equal frames.
class TskDataSkinFrameControl : public TskDataSkinControl {
public:
    using TskDataSkinControl::TskDataSkinControl;
    int32_t FramesCount = 0;  // at least 1 once read
    TskFramesPlacement FramesPlacement = fpHorizontal;

    void LoadFromIni(TCustomIniFile& ini) override;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinAnimateControl : public TskDataSkinFrameControl {
public:
    using TskDataSkinFrameControl::TskDataSkinFrameControl;
};

class TskDataSkinSwitchControl : public TskDataSkinFrameControl {
public:
    using TskDataSkinFrameControl::TskDataSkinFrameControl;
};

class TskDataSkinFrameGauge : public TskDataSkinFrameControl {
public:
    using TskDataSkinFrameControl::TskDataSkinFrameControl;
};

class TskDataSkinFrameRegulator : public TskDataSkinFrameControl {
public:
    using TskDataSkinFrameControl::TskDataSkinFrameControl;
    TskRegulatorKind Kind = rkRound;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinControlBar : public TskDataSkinCustomControl {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    TRect ItemRect;
    int32_t BGPictureIndex = 0;

protected:
    void Fields(TskRecordFields& fields) override;
};

// Always drawn at the size of SkinRect: its corner points and client rectangle are
// zero whatever the section says.
class TskDataSkinUpDownControl : public TskDataSkinCustomControl, public TskUpDownRects {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;

    void LoadFromIni(TCustomIniFile& ini) override;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinListBox : public TskDataSkinCustomControl, public TskFontGroup, public TskUpDownRects {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    TRect ItemRect, ActiveItemRect, FocusItemRect;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    TColor ActiveFontColor = 0, FocusFontColor = 0;
    TRect CaptionRect;
    std::string CaptionFontName;
    int32_t CaptionFontHeight = 0;
    gui::TFontStyles CaptionFontStyle;
    TColor CaptionFontColor = 0;
    TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
    // The scroll bar control records of the list.
    std::string VScrollBarName, HScrollBarName, BothHScrollBarName;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinCheckListBox : public TskDataSkinListBox {
public:
    using TskDataSkinListBox::TskDataSkinListBox;
    TRect CheckImageRect, ItemCheckRect, UnCheckImageRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinComboBox : public TskDataSkinCustomControl, public TskFontGroup {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    TRect ItemRect, FocusItemRect;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    TColor FocusFontColor = 0;
    std::string ListBoxName;  // the control record of the drop-down list
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinScrollBarControl : public TskDataSkinCustomControl, public TskUpDownRects {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    TRect TrackArea;
    TRect ThumbRect, ActiveThumbRect, DownThumbRect;
    int32_t ThumbOffset1 = 0, ThumbOffset2 = 0;
    TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinSpinEditControl : public TskDataSkinCustomControl, public TskFontGroup, public TskUpDownRects {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinEditControl : public TskDataSkinCustomControl, public TskFontGroup {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    bool FitsPicture(int PictureWidth, int PictureHeight) const override;
    TRect ActiveSkinRect;
    TColor DisabledFontColor = 0, ActiveFontColor = 0;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinMemoControl : public TskDataSkinEditControl {
public:
    using TskDataSkinEditControl::TskDataSkinEditControl;
    TColor BGColor = 0, ActiveBGColor = 0;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinLabelControl : public TskDataSkinCustomControl, public TskFontGroup {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinBitLabelControl : public TskDataSkinCustomControl {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    TRect SkinTextRect;
    int32_t SymbolWidth = 0, SymbolHeight = 0;
    gui::TStringList Symbols;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinTrackBarControl : public TskDataSkinCustomControl {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    TRect TrackArea, ButtonRect, ActiveButtonRect;
    bool Vertical = false;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinSplitterControl : public TskDataSkinCustomControl {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
};

class TskDataSkinGaugeControl : public TskDataSkinCustomControl, public TskFontGroup {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    bool FitsPicture(int PictureWidth, int PictureHeight) const override;
    TRect ProgressArea, ProgressRect;
    int32_t BeginOffset = 0, EndOffset = 0;
    bool Vertical = false;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinScrollBoxControl : public TskDataSkinCustomControl {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    int32_t BGPictureIndex = 0;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinPanelControl : public TskDataSkinCustomControl, public TskFontGroup {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    bool FitsPicture(int PictureWidth, int PictureHeight) const override;
    int32_t BGPictureIndex = 0;
    TRect CaptionRect;
    gui::TAlignment Alignment = gui::taLeftJustify;
    TRect CheckImageRect, UnCheckImageRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinExPanelControl : public TskDataSkinCustomControl, public TskFontGroup {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    TRect RollHSkinRect, RollVSkinRect;
    int32_t RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
    TRect RollVCaptionRect, RollHCaptionRect;
    TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
    TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
    TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
    TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
    TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
    TRect CaptionRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinCheckRadioControl : public TskDataSkinCustomControl, public TskFontGroup {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    TColor ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;
    TRect ActiveSkinRect, CheckImageArea, TextArea;
    TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinButtonControl : public TskDataSkinCustomControl, public TskFontGroup {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    bool FitsPicture(int PictureWidth, int PictureHeight) const override;
    TColor ActiveFontColor = 0, DisabledFontColor = 0, DownFontColor = 0;
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;
    TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinMenuButtonControl : public TskDataSkinButtonControl {
public:
    using TskDataSkinButtonControl::TskDataSkinButtonControl;
    TRect TrackButtonRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

// A new record of the class that a SKINCONTROLS type keyword names (compared
// exactly), or none for a keyword of no control.
std::unique_ptr<TskDataSkinControl> CreateControlRecord(const std::string& keyword, const std::string& name);

}  // namespace sk
