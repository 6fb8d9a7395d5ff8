// The form skinning engine: dropped on a form (its owner), it takes over the
// form's window procedure for the form's whole life and draws and handles the
// whole frame itself: the non-client size, the frame composed from the skin, the
// live frame objects (caption, caption buttons, gauges, switches...), the window
// region from the skin's mask, hit testing for moving and sizing, snapping to the
// work area, a fade-in and dragging by the client area. Without a skin it draws a
// plain frame of its own with default caption buttons.
//
// Two modes: with SupportNCArea (the start) the skin frame is the window's
// non-client area and the client area is what the skin's client rectangle leaves;
// without it the form has no frame of its own and the whole skin picture is
// painted as the form's background.
//
// The frame objects call back into the engine: to repaint themselves, to run the
// morph and animation timers, to fire the object events, and for the window
// commands of the caption buttons.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/events.h"
#include "gui/controls/message.h"
#include "gui/core/component.h"
#include "gui/core/set.h"
#include "gui/core/types.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/data/skin_data.h"
#include "skin/forms/form_frame_geometry.h"
#include "skin/forms/form_menu_bar.h"
#include "skin/frame/skin_object_host.h"

namespace gui {
class TControl;
class TForm;
class TTimer;
class TMenuItem;
class TMainMenu;
class TPopupMenu;
}  // namespace gui

namespace sk {

class TskActiveSkinObject;
class TskEngineParts;
class TskSkinMenu;
class TskSkinPopupMenu;
class TskSkinHint;
class TskSkinMainMenuItem;
class TskTrayIcon;

// The object events: each names the object by its IDName first; x and y are frame
// coordinates.
using TskMouseUpEvent = std::function<void(gui::TComponent* sender, const std::string& idName, int x, int y,
                                           const gui::TRect& objectRect, gui::TMouseButton button)>;
using TMouseDownEvent = std::function<void(gui::TComponent* sender, const std::string& idName, int x, int y,
                                           const gui::TRect& objectRect, gui::TMouseButton button)>;
using TMouseMoveEvent = std::function<void(gui::TComponent* sender, const std::string& idName, int x, int y,
                                           const gui::TRect& objectRect)>;
using TMouseEnterEvent = std::function<void(gui::TComponent* sender, const std::string& idName)>;
using TMouseLeaveEvent = std::function<void(gui::TComponent* sender, const std::string& idName)>;
// The application paints a user object's area on Canvas.
using TPaintEvent = std::function<void(gui::TComponent* sender, const std::string& idName, gui::TCanvas& canvas,
                                       const gui::TRect& objectRect)>;
using TSwitchChangeStateEvent =
    std::function<void(gui::TComponent* sender, const std::string& idName, TSwitchState state)>;
using TTrackBarChangeValueEvent = std::function<void(gui::TComponent* sender, const std::string& idName, int value)>;
using TFrameRegulatorChangeValueEvent =
    std::function<void(gui::TComponent* sender, const std::string& idName, int value)>;
// The form's client rectangle after the frame was fitted to a new size.
using TChangeClientRectEvent = std::function<void(gui::TComponent* sender, const gui::TRect& clientRect)>;

// The caption buttons a form shows.
enum TskBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TskBorderIcons = gui::Set<TskBorderIcon>;

// The engine's own window state; the form itself always stays normal.
enum TskWindowState : uint8_t { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

class TskFormSkinEngine : public gui::TComponent, public TskSkinObjectHost {
public:
    // The owner must be a form (anything else raises EInvalidCast). From then on
    // the engine handles the form's messages before the form does.
    explicit TskFormSkinEngine(gui::TComponent* owner);
    ~TskFormSkinEngine() override;

    gui::TForm* Form() const { return form_; }

    // The skin. Setting it rebuilds the frame and its objects at once.
    TskSkinData* SkinData() const override { return skinData_; }
    void SetSkinData(TskSkinData* value);
    // The skin of the menus; the system menu falls back to SkinData without one.
    TskSkinData* MenusSkinData() const override { return menusSkinData_; }
    void SetMenusSkinData(TskSkinData* value);

    // The skin frame is the non-client area (true) or painted into the client
    // area (false).
    bool SupportNCArea() const override { return supportNCArea_; }
    void SetSupportNCArea(bool value) { supportNCArea_ = value; }
    // Whether the border lets the user resize the form.
    bool Sizeable() const { return sizeable_; }
    void SetSizeable(bool value) { sizeable_ = value; }
    TskBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TskBorderIcons value);

    // A constant alpha for the whole form (a layered window).
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value);
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value);
    // Fade in when shown: to AlphaBlendValue with AlphaBlend, else to opaque.
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool value) { alphaBlendAnimation_ = value; }
    bool MenusAlphaBlend() const { return menusAlphaBlend_; }
    void SetMenusAlphaBlend(bool value);
    bool MenusAlphaBlendAnimation() const { return menusAlphaBlendAnimation_; }
    void SetMenusAlphaBlendAnimation(bool value);
    uint8_t MenusAlphaBlendValue() const { return menusAlphaBlendValue_; }
    void SetMenusAlphaBlendValue(uint8_t value);

    // Snap to the work area's edges while moving, within MagneticSize pixels.
    bool Magnetic() const;
    void SetMagnetic(bool value);
    uint8_t MagneticSize() const;
    void SetMagneticSize(uint8_t value);
    // Client mode: the form can be dragged by its client area.
    bool DraggAble() const;
    void SetDraggAble(bool value);
    // 0: the minimum is the skin's.
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { minWidth_ = value; }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int value) { minHeight_ = value; }
    bool MaximizeOnFullScreen() const;
    void SetMaximizeOnFullScreen(bool value);
    // The form's icon shows in the system-menu button.
    bool ShowIcon() const override { return showIcon_; }
    void SetShowIcon(bool value);
    // Hints of the frame objects, shown through SkinHint.
    bool ShowObjectHint() const { return showObjectHint_; }
    void SetShowObjectHint(bool value) { showObjectHint_ = value; }
    TskSkinHint* SkinHint() const { return skinHint_; }
    void SetSkinHint(TskSkinHint* value);
    // Client mode: the cursor follows the hovered object.
    bool UseSkinCursors() const;
    void SetUseSkinCursors(bool value);
    // Caption fonts of the default frame ("Arial", height 14, bold).
    gui::TFont& DefCaptionFont() override;
    void SetDefCaptionFont(const gui::TFont& value);
    gui::TFont& DefInActiveCaptionFont();
    void SetDefInActiveCaptionFont(const gui::TFont& value);
    int DefMenuItemHeight() const;
    void SetDefMenuItemHeight(int value);  // a height <= 0 is ignored
    gui::TFont& DefMenuItemFont();
    void SetDefMenuItemFont(const gui::TFont& value);
    bool UseDefaultSysMenu() const;
    void SetUseDefaultSysMenu(bool value);
    gui::TMainMenu* MainMenu() const { return mainMenu_; }
    void SetMainMenu(gui::TMainMenu* value);
    gui::TPopupMenu* SystemMenu() const;
    void SetSystemMenu(gui::TPopupMenu* value);
    // The menu bar that the keyboard's menu mode (F10, Alt, Alt+letter, arrows,
    // Enter, Esc) goes to instead of the main-menu items of the frame.
    // A bar that is a component is let go of when it is destroyed.
    TskFormMenuBar* MainMenuBar() const;
    void SetMainMenuBar(TskFormMenuBar* value);
    // The icon the program hides in with "Minimize to Tray". Setting it hides the
    // icon and, unless it has a menu of its own, gives it the engine's tray menu
    // and a double click that brings the program back.
    TskTrayIcon* TrayIcon() const;
    void SetTrayIcon(TskTrayIcon* value);

    // Events; the sender is the engine.
    gui::TNotifyEvent OnChangeSkinData;
    gui::TNotifyEvent OnActivate;
    gui::TNotifyEvent OnDeActivate;
    gui::TNotifyEvent OnSkinMenuOpen;
    gui::TNotifyEvent OnSkinMenuClose;
    gui::TNotifyEvent OnChangeRollUpState;
    gui::TNotifyEvent OnMainMenuEnter;
    gui::TNotifyEvent OnMainMenuExit;
    gui::TNotifyEvent OnMinimizeToTray;
    gui::TNotifyEvent OnRestoreFromTray;
    TChangeClientRectEvent OnChangeClientRect;
    TskMouseUpEvent OnMouseUpEvent;
    TMouseDownEvent OnMouseDownEvent;
    TMouseMoveEvent OnMouseMoveEvent;
    TMouseEnterEvent OnMouseEnterEvent;
    TMouseLeaveEvent OnMouseLeaveEvent;
    TPaintEvent OnPaintEvent;
    TSwitchChangeStateEvent OnSwitchChangeStateEvent;
    TTrackBarChangeValueEvent OnTrackBarChangeValueEvent;
    TFrameRegulatorChangeValueEvent OnFrameRegulatorChangeValueEvent;

    // --- What the frame objects ask of the engine ---
    int ObjectCount() const override;
    TskActiveSkinObject* Objects(int index) const override;
    void RedrawObject(TskActiveSkinObject& object) override;
    void StartMorphTimer() override;
    void StartAnimationTimer() override;
    void MouseDownEvent(const std::string& idName, int x, int y, const gui::TRect& objectRect,
                        gui::TMouseButton button) override;
    void MouseUpEvent(const std::string& idName, int x, int y, const gui::TRect& objectRect,
                      gui::TMouseButton button) override;
    void MouseMoveEvent(const std::string& idName, int x, int y, const gui::TRect& objectRect) override;
    void MouseEnterEvent(const std::string& idName) override;
    void MouseLeaveEvent(const std::string& idName) override;
    void PaintEvent(const std::string& idName, gui::TCanvas& canvas, const gui::TRect& objectRect) override;
    void SwitchChangeStateEvent(const std::string& idName, TSwitchState state) override;
    void TrackBarChangeValueEvent(const std::string& idName, int value) override;
    void FrameRegulatorChangeValueEvent(const std::string& idName, int value) override;
    int WindowState() const override;
    // The bounds the form has in the normal state, rolled down: what to keep
    // for the next start while it is maximized, minimized or rolled up.
    gui::TRect RestoredBounds() const;
    void SetFormState(int state) override;
    bool RolledUp() const override;
    void RollUpForm(bool rollUp) override;
    void CloseForm() override;
    bool FormActive() const override;
    std::string CaptionText() const override;
    void DrawFormIcon(gui::TCanvas& canvas, int x, int y) override;
    gui::TRect FormClientRect() const override;
    gui::TPoint FrameScreenOrigin() const override;
    void StartFormDrag(int x, int y) override;
    void EndFormDrag() override;
    gui::TMenuItem* GetSystemMenuItems() override;
    gui::TRect MainMenuRect() const override;
    bool MainMenuMode() const override;
    void EnterMainMenuMode() override;
    void ClearMenuOpen() override;
    void SkinMenuOpen() override;
    TskSkinMenu& SkinMenu() override;

    // A skinned menu opened on the form is still open.
    bool MenuOpen() const;
    // The menus and the keyboard's menu mode: the pressed main-menu item's
    // menu closed; all menus closed; the menu mode ends.
    void SkinMenuClose();
    void SkinMenusClosed();
    void MainMenuExit();
    // While a menu is open or the menu mode is on, the key presses of every
    // message loop of the program come to the engine first.
    void HookAppMessages();
    void UnhookAppMessages();
    // The program goes to the notification area, and back.
    void MinimizeToTray();
    void RestoreFromTray();
    // The engine of the application main form's maximized MDI child: the active
    // child when it is maximized, else the first maximized one in the system's
    // order, else none.
    TskFormSkinEngine* FindMaximizedChild() const;
    // An MDI parent: one of its children is maximized.
    bool ChildMaximized() const;
    // The form is an MDI child that the engine keeps maximized: it has no frame
    // of its own, and its parent's caption and menu bar stand for it.
    bool IsMaximizedMDIChild() const;
    // The space the main form's client window takes: its client area less the
    // visible aligned controls, in its client coordinates.
    static gui::TRect MDIClientArea();
    // The skinned popup menu of the engine (the tray menu).
    TskSkinPopupMenu& SkinPopupMenu();
    // Whether a skin is loaded and in use.
    bool SkinInUse() const { return skinInUse_; }
    // The frame laid out for the form's current size.
    const TskFrameGeometry& Geometry() const;
    // The index of the hovered object, or -1.
    int HoverIndex() const;
    // Default frame metrics for the form's border style: a tool window has a
    // smaller caption and smaller buttons.
    int DefCaptionHeight() const;
    int DefButtonSize() const;
    // Track sizes of the form.
    int GetMinWidth();
    int GetMinHeight();
    int GetMaxWidth();
    int GetMaxHeight();

    // --- The frame ---

    // Lays the frame out for the current size (and the objects with recompute),
    // sets the region, and repaints.
    void UpdateFrame(bool recompute);
    // The window region from the skin's mask; with recompute it cuts the mask anew for
    // the current size.
    void SetFormRegion(bool recompute);
    // Paints the skinned frame on the window.
    void PaintSkinFrame();
    // Asks for the non-client area to be painted again.
    void RepaintFrame();
    // Snaps a moving form's position to the work area's edges.
    void MagneticMove(int& left, int& top, int height, int width);

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    // The parts find each other's engine's parts through it.
    friend class TskEngineParts;

    // The window procedure: every message of the form passes here first and
    // goes to the part that handles it, then (unless a part answered it) to
    // the form's own procedure.
    void SkinFormWndProc(gui::TMessage& message);
    void WMActivate(gui::TMessage& message);
    void WMNCActivate(gui::TMessage& message);
    void WMNCLButton(gui::TMessage& message);
    void WMSetText(gui::TMessage& message);
    void WMShowWindow(gui::TMessage& message);
    void WMDestroy(gui::TMessage& message);
    void WMSkinChanging(gui::TMessage& message);
    void WMSkinChanged(gui::TMessage& message);
    // The skin in use is built anew: objects, frame, minimum size, controls.
    void RebuildSkin();
    void RebuildNCSkin();
    void RebuildClientSkin();
    void FitFormToMinimum();
    // Tells the form's skinned controls that a skin is about to change (Apply
    // false) or has changed: those bound to that skin, or all for none.
    void WalkSkinControls(TskSkinData* skin, bool apply);
    // One step of the fade-in per tick of its window timer.
    void FadeIn();
    bool InSpecialState() const;

    gui::TForm* form_ = nullptr;
    TskSkinData* skinData_ = nullptr;
    TskSkinData* menusSkinData_ = nullptr;
    bool supportNCArea_ = true;
    bool sizeable_ = true;
    TskBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize, biRollUp};
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 200;
    bool alphaBlendAnimation_ = false;
    bool menusAlphaBlend_ = false;
    bool menusAlphaBlendAnimation_ = false;
    uint8_t menusAlphaBlendValue_ = 200;
    int minWidth_ = 0, minHeight_ = 0;
    bool showIcon_ = false;
    bool showObjectHint_ = false;
    TskSkinHint* skinHint_ = nullptr;
    gui::TMainMenu* mainMenu_ = nullptr;
    bool skinInUse_ = false;
    // The last activation the window was told of (WM_ACTIVATE, WM_NCACTIVATE).
    bool active_ = false;
    int fadeAlpha_ = 0;  // the fade-in's last step
    std::unique_ptr<TskEngineParts> parts_;
};

}  // namespace sk
