// A live object of a skinned form's frame, made by the form skinning engine from
// one record of the skin's frame objects. It draws itself onto the frame, reacts
// to the mouse events the engine routes to it (the engine hit-tests), and changes
// between its normal and highlighted look either at once or by a morph of 0.1
// per tick of the engine's 20 ms timer. Every event names the object by IDName.
#pragma once

#include <string>

#include "gui/controls/events.h"
#include "gui/core/types.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "skin/frame/skin_object_host.h"
#include "skin/model/object_records.h"

namespace sk {

class TskSkinData;

class TskActiveSkinObject {
public:
    // The record may be none (the caption buttons of a frame without a skin).
    TskActiveSkinObject(TskSkinObjectHost* parent, TskDataSkinObject* data);
    virtual ~TskActiveSkinObject() = default;
    TskActiveSkinObject(const TskActiveSkinObject&) = delete;
    TskActiveSkinObject& operator=(const TskActiveSkinObject&) = delete;

    // The engine the object belongs to.
    TskSkinObjectHost* Parent() const { return parent_; }
    TskSkinData* SkinData() const { return skinData_; }
    const std::string& IDName() const { return idName_; }
    void SetIDName(const std::string& value) { idName_ = value; }
    const std::string& Hint() const { return hint_; }
    // The skin's picture, or its roll-up picture; the picture of the
    // highlighted look, none when the record names no valid one.
    gui::TBitmap* Picture() const { return picture_; }
    gui::TBitmap* ActivePicture() const { return activePicture_; }
    // The normal look, and the highlighted look in ActivePicture (null for none).
    const gui::TRect& SkinRect() const { return skinRect_; }
    void SetSkinRect(const gui::TRect& value) { skinRect_ = value; }
    const gui::TRect& ActiveSkinRect() const { return activeSkinRect_; }
    // The normal look comes from ActivePicture, so the painted frame lacks it.
    bool SkinRectInAPicture() const { return skinRectInAPicture_; }
    void SetSkinRectInAPicture(bool value) { skinRectInAPicture_ = value; }
    bool Morphing() const { return morphing_; }
    TskMorphKind MorphKind() const { return morphKind_; }
    int CursorIndex() const { return cursorIndex_; }
    // Belongs to the rolled-up look.
    bool RollUp() const { return rollUp_; }
    // Where the object is drawn, in frame coordinates.
    const gui::TRect& ObjectRect() const { return objectRect_; }
    void SetObjectRect(const gui::TRect& value) { objectRect_ = value; }
    // 0 the normal look .. 1 the highlighted look; kept in 0..1.
    double MorphFactor() const { return morphFactor_; }
    void SetMorphFactor(double value);
    bool MouseIn() const { return mouseIn_; }
    void SetMouseIn(bool value) { mouseIn_ = value; }
    // The highlighted look is wanted.
    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }

    // Repaint: the object is drawn alone over a frame already on screen (false:
    // into freshly composed frame strips that show its normal look already).
    virtual void Draw(gui::TCanvas& canvas, bool repaint);
    virtual void DblClick() {}
    virtual void MouseDown(int x, int y, gui::TMouseButton button);
    virtual void MouseUp(int x, int y, gui::TMouseButton button);
    virtual void MouseMove(int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The look is still on its way to the one wanted.
    virtual bool MorphInProgress();

    // Starts the change of look: the morph timer, or a repaint at once.
    void StartMorph();
    // One tick of the morph: 0.1 toward the look wanted, then a repaint.
    void MorphStep();

protected:
    // A record whose highlighted look cannot morph.
    void SetMorphing(bool value) { morphing_ = value; }
    // A morph is on its way: MorphFactor has not reached the look wanted.
    bool LookChanging() const
    {
        return morphing_ && ((active_ && morphFactor_ != 1) || (!active_ && morphFactor_ != 0));
    }
    // The normal look's source: ActivePicture when SkinRectInAPicture, else Picture.
    gui::TBitmap* NormalPicture() const;
    // Source rectangle copied (scaled) into ObjectRect of Canvas; nothing when
    // the picture is missing.
    void CopyToObject(gui::TCanvas& canvas, gui::TBitmap* source, const gui::TRect& sourceRect);
    // A morph of Normal toward Highlighted (equal sizes) by MorphKind and
    // MorphFactor, drawn at ObjectRect's top-left corner.
    void DrawMorph(gui::TCanvas& canvas, gui::TBitmap& normal, gui::TBitmap& highlighted);

private:
    TskSkinObjectHost* parent_;
    TskSkinData* skinData_ = nullptr;
    std::string idName_;
    std::string hint_;
    gui::TBitmap* picture_ = nullptr;
    gui::TBitmap* activePicture_ = nullptr;
    gui::TRect skinRect_;
    gui::TRect activeSkinRect_;
    bool skinRectInAPicture_ = false;
    bool morphing_ = false;
    TskMorphKind morphKind_ = mkDefault;
    int cursorIndex_ = -1;
    bool rollUp_ = false;
    gui::TRect objectRect_;
    double morphFactor_ = 0;
    bool mouseIn_ = false;
    bool active_ = false;
    bool enabled_ = true;
    bool visible_ = true;
};

// Fills Dest, sized to Width x Height, with SourceRect of Source scaled to it;
// a missing source leaves it white.
void CopyScaled(gui::TBitmap& dest, int width, int height, gui::TBitmap* source, const gui::TRect& sourceRect);

}  // namespace sk
