// The records of the frame objects (the SKINOBJECTS section): caption, buttons,
// menu items, gauges and the like on a skinned form's frame. One class per type
// keyword; a derived class also counts as its parent wherever the form engine
// tests the kind of a record.
#pragma once

#include <memory>
#include <string>

#include "skin/model/skin_record.h"

namespace sk {

using gui::TColor;
using gui::TPoint;
using gui::TRect;

class TskDataSkinObject : public TskDataSkinRecord {
public:
    using TskDataSkinRecord::TskDataSkinRecord;
    std::string Hint;
    bool RollUp = false;
    int32_t ActivePictureIndex = -1;
    bool SkinRectInAPicture = false;
    int32_t CursorIndex = -1;
    TRect SkinRect;  // the object's place in the frame picture
    TRect ActiveSkinRect;
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;

protected:
    void Fields(TskRecordFields& fields) override;
};

// Reads only rollup, skinrect and cursorindex; the other fields keep their
// creation values.
class TskDataUserObject : public TskDataSkinObject {
public:
    using TskDataSkinObject::TskDataSkinObject;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinSwitch : public TskDataSkinObject {
public:
    using TskDataSkinObject::TskDataSkinObject;
};

class TskDataSkinBitLabel : public TskDataSkinObject {
public:
    using TskDataSkinObject::TskDataSkinObject;
    std::string TextValue;
    int32_t SymbolWidth = 0, SymbolHeight = 0;
    gui::TStringList Symbols;

protected:
    void Fields(TskRecordFields& fields) override;
};

// Never morphs: Morphing is false once read, and written as 0.
class TskDataSkinAnimate : public TskDataSkinObject {
public:
    using TskDataSkinObject::TskDataSkinObject;
    int32_t CountFrames = 0;
    bool Cycle = false;
    bool ButtonStyle = false;
    int32_t TimerInterval = 0;  // milliseconds
    TskStdCommand Command = cmClose;

    void LoadFromIni(TCustomIniFile& ini) override;
    void SaveToIni(TCustomIniFile& ini) override;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinLabel : public TskDataSkinObject, public TskFontGroup {
public:
    using TskDataSkinObject::TskDataSkinObject;
    TColor ActiveFontColor = 0;
    gui::TAlignment Alignment = gui::taLeftJustify;
    std::string TextValue;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinGauge : public TskDataSkinObject {
public:
    using TskDataSkinObject::TskDataSkinObject;
    int32_t MinValue = 0, MaxValue = 0;
    TskGaugeKind Kind = gkHorizontal;

protected:
    void Fields(TskRecordFields& fields) override;
};

// A value range shown by one of a strip of equal frames: minvalue, maxvalue,
// countframes (not corrected), framesplacement.
struct TskFrameRange {
    int32_t MinValue = 0, MaxValue = 0;
    int32_t CountFrames = 0;
    TskFramesPlacement FramesPlacement = fpHorizontal;

    void FrameRangeFields(TskRecordFields& fields);
};

class TskDataSkinFrameGaugeObject : public TskDataSkinObject, public TskFrameRange {
public:
    using TskDataSkinObject::TskDataSkinObject;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinFrameRegulatorObject : public TskDataSkinObject, public TskFrameRange {
public:
    using TskDataSkinObject::TskDataSkinObject;
    TskRegulatorKind Kind = rkRound;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinTrackBar : public TskDataSkinObject {
public:
    using TskDataSkinObject::TskDataSkinObject;
    TRect ButtonRect, ActiveButtonRect;
    TPoint BeginPoint, EndPoint;  // the track runs between them
    int32_t MinValue = 0, MaxValue = 0;
    bool MouseDownChangeValue = false;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinButton : public TskDataSkinObject {
public:
    using TskDataSkinObject::TskDataSkinObject;
    TRect DownRect;
    TRect DisableSkinRect;  // the key is spelled "disableskinrsect"
    int32_t GroupIndex = -1;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinStdButton : public TskDataSkinButton {
public:
    using TskDataSkinButton::TskDataSkinButton;
    TskStdCommand Command = cmClose;
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
public:
    using TskDataSkinStdButton::TskDataSkinStdButton;
};

class TskDataSkinMenuItem : public TskDataSkinObject, public TskFontGroup {
public:
    using TskDataSkinObject::TskDataSkinObject;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect DividerRect;
    int32_t DividerLeftOffset = 0, DividerRightOffset = 0;
    TRect TextRect;
    TColor ActiveFontColor = 0, UnEnabledFontColor = 0;

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinMainMenuItem : public TskDataSkinObject, public TskFontGroup {
public:
    using TskDataSkinObject::TskDataSkinObject;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect DownRect, TextRect;
    TColor ActiveFontColor = 0, DownFontColor = 0;
    TColor UnEnabledFontColor = 0;  // the key is spelled "unenabledfontColor"

protected:
    void Fields(TskRecordFields& fields) override;
};

class TskDataSkinMainMenuBarItem : public TskDataSkinMainMenuItem {
public:
    using TskDataSkinMainMenuItem::TskDataSkinMainMenuItem;
};

class TskDataSkinCaption : public TskDataSkinObject, public TskFontGroup {
public:
    using TskDataSkinObject::TskDataSkinObject;
    bool DefaultCaption = false;
    TRect TextRect;
    TColor ActiveFontColor = 0;
    gui::TAlignment Alignment = gui::taLeftJustify;
    bool Shadow = false;
    TColor ShadowColor = 0, ActiveShadowColor = 0;
    TRect FrameRect, ActiveFrameRect, FrameTextRect;
    int32_t FrameLeftOffset = 0, FrameRightOffset = 0;

protected:
    void Fields(TskRecordFields& fields) override;
};

// A new record of the class that a SKINOBJECTS type keyword names (compared
// exactly), or none for a keyword of no frame object.
std::unique_ptr<TskDataSkinObject> CreateObjectRecord(const std::string& keyword, const std::string& name);

}  // namespace sk
