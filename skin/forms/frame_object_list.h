// The live objects of a skinned form's frame as the engine keeps them: made from
// the skin's object records (or the default caption buttons), placed for the
// form's size, found under the mouse and handed its presses, and stepped by the
// morph, mouse-tracking and animation timers. The form's controls that the skin
// anchors to areas of its picture are placed here too.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/controls/events.h"
#include "gui/controls/message.h"
#include "gui/core/types.h"
#include "skin/model/object_records.h"

namespace gui {
class TControl;
class TTimer;
}  // namespace gui

namespace sk {

class TskActiveSkinObject;
class TskEngineParts;
class TskSkinStdButtonObject;
class TskSkinMainMenuItem;

class TskFrameObjectList {
public:
    using ObjectPtr = std::unique_ptr<TskActiveSkinObject>;

    explicit TskFrameObjectList(TskEngineParts& parts);
    ~TskFrameObjectList();
    TskFrameObjectList(const TskFrameObjectList&) = delete;
    TskFrameObjectList& operator=(const TskFrameObjectList&) = delete;

    // The objects, in list order: the order of the skin's records, then the
    // main-menu items.
    const std::vector<ObjectPtr>& All() const { return objects_; }
    int Count() const { return int(objects_.size()); }
    TskActiveSkinObject* At(int index) const { return objects_.at(size_t(index)).get(); }
    // The standard button of a command, or none.
    TskSkinStdButtonObject* StdButton(TskStdCommand command) const;
    bool HasMainMenuItems() const;

    // Made anew from the skin's records and the main menu's items.
    void Build();
    // The objects and the anchored controls go; no hover, no capture.
    void Clear();
    // The caption buttons of the frame without a skin.
    void CreateDefaultButtons();
    // Buttons whose border icon the form lacks are disabled (and hidden where
    // the painted frame shows no look of theirs); the main caption gets the
    // form's caption.
    void ButtonVisibilityPass();
    // The main menu changed: its items are made anew.
    void ReplaceMainMenuItems();
    // The main caption's text.
    void SetMainCaption(const std::string& text);
    // Places every object for the frame's current geometry, and the caption
    // buttons in the buttons or caption rectangle.
    void Place();
    // Whether an object belongs to the look the form has now: a skin frame shows
    // no roll-up objects; a skin painted into the client area shows its roll-up
    // objects while rolled up and the others while not.
    bool ShownInRollState(const TskActiveSkinObject& object) const;

    // ---- Hover and capture ----
    int HoverIndex() const { return hoverIndex_; }
    // Forgets the hover and the capture without telling the objects.
    void ResetHover() { hoverIndex_ = oldHoverIndex_ = capturedIndex_ = -1; }
    // Finds the object under a frame point (none without Allow) and tells the
    // one left and the one entered.
    void Track(int x, int y, bool allow);
    void ClearHover();
    // The hover and the hover looks go (the caption's stays): an inactive frame
    // shows none.
    void ClearObjectHover();
    // A press on the caption moves the form: no object keeps it.
    void ForgetCapture() { capturedIndex_ = -1; }
    bool OnCaption(int x, int y) const;
    static bool IsCaption(const TskActiveSkinObject* object);
    // The caption objects show the form's activation (Update: repainted at
    // once; else only their morph is set), then OnActivate or OnDeActivate.
    void UpdateCaptionActive(bool update);

    // The form's mouse messages, after the form's own procedure: frame
    // messages in the non-client mode, client messages in the client mode.
    void FormMouse(gui::TMessage& message);
    // A hit test of the client mode: the first one starts the tracking.
    void ClientHitTest(int x, int y);

    // ---- Timers ----
    void StartMorphTimer();
    void StopMorphTimer();
    void StartAnimationTimer();
    // The mouse-tracking timer follows the cursor over the frame (and a drag by
    // the client area) and stops by itself once the cursor has left.
    void StartMouseTimer();
    void StopMouseTimer();
    bool MouseTimerRunning() const;
    void StopTimers();

    // Client mode: the cursor follows the hovered object.
    bool UseSkinCursors() const { return useSkinCursors_; }
    void SetUseSkinCursors(bool value) { useSkinCursors_ = value; }

    // ---- Controls anchored to the skin's areas ----
    void AnchorAreaControls();
    void PlaceAreaControls();

private:
    void AddMainMenuItems();
    void ObjectMouseDown(gui::TMouseButton button, int x, int y);
    void ObjectMouseUp(gui::TMouseButton button, int x, int y);
    void ObjectMouseMove(int x, int y);
    void ObjectDblClick();
    void FrameMouse(gui::TMessage& message);
    void ClientMouse(gui::TMessage& message);
    void MorphTimerTick();
    void MouseTimerTick();
    void AnimationTimerTick();
    void ApplySkinCursor();

    TskEngineParts& parts_;
    std::vector<ObjectPtr> objects_;
    struct AreaControl {
        gui::TControl* control;
        gui::TRect rect;
    };
    std::vector<AreaControl> areaControls_;
    int hoverIndex_ = -1, oldHoverIndex_ = -1, capturedIndex_ = -1;
    // Client mode: the mouse-tracking timer was started by a hit test.
    bool clientTracking_ = false;
    bool useSkinCursors_ = false;
    gui::TTimer* morphTimer_;      // 20 ms; the engine owns it
    gui::TTimer* mouseTimer_;      // 50 ms
    gui::TTimer* animationTimer_;  // 25 ms
};

}  // namespace sk
