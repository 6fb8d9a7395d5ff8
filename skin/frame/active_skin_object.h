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
    // Data may be none (the caption buttons of a frame without a skin).
    TskActiveSkinObject(TskSkinObjectHost* AParent, TskDataSkinObject* AData);
    virtual ~TskActiveSkinObject() = default;
    TskActiveSkinObject(const TskActiveSkinObject&) = delete;
    TskActiveSkinObject& operator=(const TskActiveSkinObject&) = delete;

    TskSkinObjectHost* Parent;
    double MorphFactor = 0;  // 0 the normal look .. 1 the highlighted look
    bool MouseIn = false;
    gui::TBitmap* Picture = nullptr;        // the skin's picture, or its roll-up picture
    gui::TBitmap* ActivePicture = nullptr;  // none when the record names no valid one
    TskSkinData* SkinData = nullptr;
    std::string IDName;
    std::string Hint;
    gui::TRect SkinRect;        // the normal look
    gui::TRect ActiveSkinRect;  // the highlighted look in ActivePicture; null for none
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;
    gui::TRect ObjectRect;  // where the object is drawn, in frame coordinates
    bool Active = false;    // the highlighted look is wanted
    bool Enabled = true;
    int CursorIndex = -1;
    bool RollUp = false;  // belongs to the rolled-up look
    bool Visible = true;
    // The normal look comes from ActivePicture, so the painted frame lacks it.
    bool SkinRectInAPicture = false;

    // Repaint: the object is drawn alone over a frame already on screen (false:
    // into freshly composed frame strips that show its normal look already).
    virtual void Draw(gui::TCanvas& Canvas, bool Repaint);
    virtual void DblClick() {}
    virtual void MouseDown(int X, int Y, gui::TMouseButton Button);
    virtual void MouseUp(int X, int Y, gui::TMouseButton Button);
    virtual void MouseMove(int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The look is still on its way to the one wanted.
    virtual bool MorphInProgress();

    // Starts the change of look: the morph timer, or a repaint at once.
    void StartMorph();
    // One tick of the morph: 0.1 toward the look wanted, then a repaint.
    void MorphStep();
    void SetMorphFactor(double value);  // kept in 0..1

protected:
    // A morph is on its way: MorphFactor has not reached the look wanted.
    bool LookChanging() const
    {
        return Morphing && ((Active && MorphFactor != 1) || (!Active && MorphFactor != 0));
    }
    // The normal look's source: ActivePicture when SkinRectInAPicture, else Picture.
    gui::TBitmap* NormalPicture() const;
    // Source rectangle copied (scaled) into ObjectRect of Canvas; nothing when
    // the picture is missing.
    void CopyToObject(gui::TCanvas& Canvas, gui::TBitmap* Source, const gui::TRect& SourceRect);
    // A morph of Normal toward Highlighted (equal sizes) by MorphKind and
    // MorphFactor, drawn at ObjectRect's top-left corner.
    void DrawMorph(gui::TCanvas& Canvas, gui::TBitmap& Normal, gui::TBitmap& Highlighted);
};

// Fills Dest, sized to Width x Height, with SourceRect of Source scaled to it;
// a missing source leaves it white.
void CopyScaled(gui::TBitmap& Dest, int Width, int Height, gui::TBitmap* Source, const gui::TRect& SourceRect);

}  // namespace sk
