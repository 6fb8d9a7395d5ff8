// What the live objects of a skinned frame (caption, caption buttons, gauges,
// switches, main-menu items...) need of the form skinning engine that owns them:
// the other objects of the form, repaints and timers, the form's state, the
// relays of the object events, and the menus. The engine implements it; an object
// never reaches the form but through it.
#pragma once

#include <string>

#include "gui/controls/events.h"
#include "gui/core/types.h"
#include "skin/popups/skin_menu_host.h"

namespace gui {
class TCanvas;
class TFont;
class TMenuItem;
}  // namespace gui

namespace sk {

class TskActiveSkinObject;

// A switch object is on or off.
enum TSwitchState { swOn, swOff };

class TskSkinObjectHost : public TskSkinMenuHost {
public:
    // The active objects of the form, in list order.
    virtual int ObjectCount() const = 0;
    virtual TskActiveSkinObject* Objects(int index) const = 0;
    // Repaints one object at once over the frame on screen.
    virtual void RedrawObject(TskActiveSkinObject& object) = 0;
    // The 20 ms timer that steps every object whose look is still changing, and
    // the 25 ms timer that steps the running animations; each stops by itself.
    virtual void StartMorphTimer() = 0;
    virtual void StartAnimationTimer() = 0;

    // The object events, fired for the object named idName. Coordinates are frame
    // coordinates (the window's top-left corner at 0, 0).
    virtual void MouseDownEvent(const std::string& idName, int x, int y, const gui::TRect& objectRect,
                                gui::TMouseButton button) = 0;
    virtual void MouseUpEvent(const std::string& idName, int x, int y, const gui::TRect& objectRect,
                              gui::TMouseButton button) = 0;
    virtual void MouseMoveEvent(const std::string& idName, int x, int y, const gui::TRect& objectRect) = 0;
    virtual void MouseEnterEvent(const std::string& idName) = 0;
    virtual void MouseLeaveEvent(const std::string& idName) = 0;
    virtual void PaintEvent(const std::string& idName, gui::TCanvas& canvas, const gui::TRect& objectRect) = 0;
    virtual void SwitchChangeStateEvent(const std::string& idName, TSwitchState state) = 0;
    virtual void TrackBarChangeValueEvent(const std::string& idName, int value) = 0;
    virtual void FrameRegulatorChangeValueEvent(const std::string& idName, int value) = 0;

    // The skin frame lies in the non-client area (otherwise the skin is painted
    // into the client area and the engine moves the form itself).
    virtual bool SupportNCArea() const = 0;
    // The engine's window state: 0 normal, 1 minimized, 2 maximized.
    virtual int WindowState() const = 0;
    virtual void SetFormState(int state) = 0;
    virtual bool RolledUp() const = 0;
    virtual void RollUpForm(bool rollUp) = 0;
    virtual void CloseForm() = 0;
    // The form looks active (for MDI forms, the engine's own activation state).
    virtual bool FormActive() const = 0;
    // The text the caption shows: the form's caption, and for an MDI parent
    // with a maximized child the parent's caption + " - [" + child's + "]".
    virtual std::string CaptionText() const = 0;
    // The font whose character set the caption's text takes.
    virtual gui::TFont& DefCaptionFont() = 0;
    // Draws the form's small icon in the system-menu button.
    virtual bool ShowIcon() const = 0;
    virtual void DrawFormIcon(gui::TCanvas& canvas, int x, int y) = 0;
    // The client rectangle of the form, in frame coordinates.
    virtual gui::TRect FormClientRect() const = 0;
    // Where frame point (0, 0) lies on the screen: the form's Left and Top, or,
    // for an MDI child, its window's top-left corner turned into screen
    // coordinates. Popups of frame objects open at rectangles moved by it.
    virtual gui::TPoint FrameScreenOrigin() const = 0;
    // Client mode: moving the form by a press on its caption object.
    virtual void StartFormDrag(int x, int y) = 0;
    virtual void EndFormDrag() = 0;

    // The items of the system menu, made ready for the form's current state.
    virtual gui::TMenuItem* GetSystemMenuItems() = 0;
    // The area of the frame that the main-menu items are laid out in.
    virtual gui::TRect MainMenuRect() const = 0;
    // The keyboard's main-menu mode; entering it hooks the application's keys
    // and fires OnMainMenuEnter.
    virtual bool MainMenuMode() const = 0;
    virtual void EnterMainMenuMode() = 0;
    // Clears the flag that SkinMenuOpen set: a main-menu item without a submenu
    // was chosen and opens nothing.
    virtual void ClearMenuOpen() = 0;

protected:
    ~TskSkinObjectHost() = default;
};

}  // namespace sk
