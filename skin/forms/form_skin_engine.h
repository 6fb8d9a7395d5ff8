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
#include "gui/controls/wnd_proc_chain.h"
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
class TskSkinMenu;
class TskSkinPopupMenu;
class TskSkinHint;
class TskSkinMainMenuItem;
class TskTrayIcon;

// The object events: each names the object by IDName first; X and Y are frame
// coordinates.
using TskMouseUpEvent = std::function<void(gui::TComponent* Sender, const std::string& IDName, int X, int Y,
                                           const gui::TRect& ObjectRect, gui::TMouseButton Button)>;
using TMouseDownEvent = std::function<void(gui::TComponent* Sender, const std::string& IDName, int X, int Y,
                                           const gui::TRect& ObjectRect, gui::TMouseButton Button)>;
using TMouseMoveEvent = std::function<void(gui::TComponent* Sender, const std::string& IDName, int X, int Y,
                                           const gui::TRect& ObjectRect)>;
using TMouseEnterEvent = std::function<void(gui::TComponent* Sender, const std::string& IDName)>;
using TMouseLeaveEvent = std::function<void(gui::TComponent* Sender, const std::string& IDName)>;
// The application paints a user object's area on Canvas.
using TPaintEvent = std::function<void(gui::TComponent* Sender, const std::string& IDName, gui::TCanvas& Canvas,
                                       const gui::TRect& ObjectRect)>;
using TSwitchChangeStateEvent =
    std::function<void(gui::TComponent* Sender, const std::string& IDName, TSwitchState State)>;
using TTrackBarChangeValueEvent = std::function<void(gui::TComponent* Sender, const std::string& IDName, int Value)>;
using TFrameRegulatorChangeValueEvent =
    std::function<void(gui::TComponent* Sender, const std::string& IDName, int Value)>;
// The form's client rectangle after the frame was fitted to a new size.
using TChangeClientRectEvent = std::function<void(gui::TComponent* Sender, const gui::TRect& ClientRect)>;

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
    bool Magnetic() const { return magnetic_; }
    void SetMagnetic(bool value) { magnetic_ = value; }
    uint8_t MagneticSize() const { return magneticSize_; }
    void SetMagneticSize(uint8_t value) { magneticSize_ = value; }
    // Client mode: the form can be dragged by its client area.
    bool DraggAble() const { return draggAble_; }
    void SetDraggAble(bool value) { draggAble_ = value; }
    // 0: the minimum is the skin's.
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { minWidth_ = value; }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int value) { minHeight_ = value; }
    bool MaximizeOnFullScreen() const { return maximizeOnFullScreen_; }
    void SetMaximizeOnFullScreen(bool value) { maximizeOnFullScreen_ = value; }
    // The form's icon shows in the system-menu button.
    bool ShowIcon() const override { return showIcon_; }
    void SetShowIcon(bool value);
    // Hints of the frame objects, shown through SkinHint.
    bool ShowObjectHint() const { return showObjectHint_; }
    void SetShowObjectHint(bool value) { showObjectHint_ = value; }
    TskSkinHint* SkinHint() const { return skinHint_; }
    void SetSkinHint(TskSkinHint* value);
    // Client mode: the cursor follows the hovered object.
    bool UseSkinCursors() const { return useSkinCursors_; }
    void SetUseSkinCursors(bool value) { useSkinCursors_ = value; }
    // Caption fonts of the default frame ("Arial", height 14, bold).
    gui::TFont& DefCaptionFont() override { return defCaptionFont_; }
    void SetDefCaptionFont(const gui::TFont& value);
    gui::TFont& DefInActiveCaptionFont() { return defInActiveCaptionFont_; }
    void SetDefInActiveCaptionFont(const gui::TFont& value);
    int DefMenuItemHeight() const;
    void SetDefMenuItemHeight(int value);  // a height <= 0 is ignored
    gui::TFont& DefMenuItemFont();
    void SetDefMenuItemFont(const gui::TFont& value);
    bool UseDefaultSysMenu() const { return useDefaultSysMenu_; }
    void SetUseDefaultSysMenu(bool value) { useDefaultSysMenu_ = value; }
    gui::TMainMenu* MainMenu() const { return mainMenu_; }
    void SetMainMenu(gui::TMainMenu* value);
    gui::TPopupMenu* SystemMenu() const { return systemMenu_; }
    void SetSystemMenu(gui::TPopupMenu* value);
    // The menu bar that the keyboard's menu mode (F10, Alt, Alt+letter, arrows,
    // Enter, Esc) goes to instead of the main-menu items of the frame.
    // A bar that is a component is let go of when it is destroyed.
    TskFormMenuBar* MainMenuBar() const { return mainMenuBar_; }
    void SetMainMenuBar(TskFormMenuBar* value);
    // The icon the program hides in with "Minimize to Tray". Setting it hides the
    // icon and, unless it has a menu of its own, gives it the engine's tray menu
    // and a double click that brings the program back.
    TskTrayIcon* TrayIcon() const { return trayIcon_; }
    void SetTrayIcon(TskTrayIcon* value);

    // Events; Sender is the engine.
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
    int ObjectCount() const override { return int(objects_.size()); }
    TskActiveSkinObject* Objects(int index) const override { return objects_.at(size_t(index)).get(); }
    void RedrawObject(TskActiveSkinObject& object) override;
    void StartMorphTimer() override;
    void StartAnimationTimer() override;
    void MouseDownEvent(const std::string& IDName, int X, int Y, const gui::TRect& ObjectRect,
                        gui::TMouseButton Button) override;
    void MouseUpEvent(const std::string& IDName, int X, int Y, const gui::TRect& ObjectRect,
                      gui::TMouseButton Button) override;
    void MouseMoveEvent(const std::string& IDName, int X, int Y, const gui::TRect& ObjectRect) override;
    void MouseEnterEvent(const std::string& IDName) override;
    void MouseLeaveEvent(const std::string& IDName) override;
    void PaintEvent(const std::string& IDName, gui::TCanvas& Canvas, const gui::TRect& ObjectRect) override;
    void SwitchChangeStateEvent(const std::string& IDName, TSwitchState State) override;
    void TrackBarChangeValueEvent(const std::string& IDName, int Value) override;
    void FrameRegulatorChangeValueEvent(const std::string& IDName, int Value) override;
    int WindowState() const override { return windowState_; }
    // The bounds the form has in the normal state, rolled down: what to keep
    // for the next start while it is maximized, minimized or rolled up.
    gui::TRect RestoredBounds() const;
    void SetFormState(int state) override;
    bool RolledUp() const override { return rolledUp_; }
    void RollUpForm(bool rollUp) override;
    void CloseForm() override;
    bool FormActive() const override;
    std::string CaptionText() const override;
    void DrawFormIcon(gui::TCanvas& Canvas, int X, int Y) override;
    gui::TRect FormClientRect() const override { return geometry_.ClientRect; }
    gui::TPoint FrameScreenOrigin() const override;
    void StartFormDrag(int X, int Y) override;
    void EndFormDrag() override;
    gui::TMenuItem* GetSystemMenuItems() override;
    gui::TRect MainMenuRect() const override { return geometry_.MainMenuRect; }
    bool MainMenuMode() const override { return mainMenuMode_; }
    void EnterMainMenuMode() override;
    void ClearMenuOpen() override { menuOpen_ = false; }
    void SkinMenuOpen() override;
    TskSkinMenu& SkinMenu() override { return *skinMenu_; }

    // A skinned menu opened on the form is still open.
    bool MenuOpen() const { return menuOpen_; }
    // The menus and the keyboard's menu mode (form_engine_menus.cpp). The
    // pressed main-menu item's menu closed; all menus closed; the menu mode ends.
    void SkinMenuClose();
    void SkinMenusClosed();
    void MainMenuExit();
    // While a menu is open or the menu mode is on, the key presses of every
    // message loop of the program come to the engine first.
    void HookAppMessages();
    void UnhookAppMessages();
    // The program goes to the notification area, and back (form_engine_tray.cpp).
    void MinimizeToTray();
    void RestoreFromTray();
    // The engine of the application main form's maximized MDI child: the active
    // child when it is maximized, else the first maximized one in the system's
    // order, else none (form_engine_mdi.cpp).
    TskFormSkinEngine* FindMaximizedChild() const;
    // An MDI parent: one of its children is maximized.
    bool ChildMaximized() const { return childMaximized_; }
    // The form is an MDI child that the engine keeps maximized: it has no frame
    // of its own, and its parent's caption and menu bar stand for it.
    bool IsMaximizedMDIChild() const;
    // The space the main form's client window takes: its client area less the
    // visible aligned controls, in its client coordinates.
    static gui::TRect MDIClientArea();
    // The skinned popup menu of the engine (the tray menu).
    TskSkinPopupMenu& SkinPopupMenu() { return *skinPopupMenu_; }
    // Whether a skin is loaded and in use.
    bool SkinInUse() const { return skinInUse_; }
    // The frame laid out for the form's current size.
    const TskFrameGeometry& Geometry() const { return geometry_; }
    // The index of the hovered object, or -1.
    int HoverIndex() const { return hoverIndex_; }
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

    // Lays the frame out for the current size (and the objects with Recompute),
    // sets the region, and repaints.
    void UpdateFrame(bool Recompute);
    // The window region from the skin's mask; Recompute cuts the mask anew for
    // the current size.
    void SetFormRegion(bool Recompute);
    // Paints the skinned frame on the window.
    void PaintSkinFrame();
    // Asks for the non-client area to be painted again.
    void RepaintFrame();
    // Snaps a moving form's position to the work area's edges.
    void MagneticMove(int& Left, int& Top, int Height, int Width);

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    // Window procedure (form_skin_engine.cpp).
    void SkinFormWndProc(gui::TMessage& message);
    void CallSaved(gui::TMessage& message);
    void AfterSaved(gui::TMessage& message);
    void WMSize(gui::TMessage& message);
    // The frame laid out and painted for the form's size.
    void FitFrameToSize();
    void WMActivate(gui::TMessage& message);
    void WMSetText(gui::TMessage& message);
    void WMShowWindow(gui::TMessage& message);
    void WMNCHitTest(gui::TMessage& message);
    void WMNCActivate(gui::TMessage& message);
    // The hover and the hover looks of the frame's objects go (the caption's stays).
    void ClearObjectHover();
    void WMSizing(gui::TMessage& message);
    void WMMoving(gui::TMessage& message);
    void WMEnterSizeMove();
    // A press on the caption: the system's move begins only when the pointer
    // moves with the button down (form_engine_caption.cpp).
    bool CaptionPressMoves(const gui::TMessage& message);
    void StripCaptionStyles();
    void GiveBackFormFrame();
    // The form as the system and a window manager see it
    // (form_engine_system_state.cpp): the styles that offer minimize and
    // maximize, a maximized window while the engine keeps the form maximized,
    // and the system commands that a manager sends.
    bool IsTopLevel() const;
    bool ShownMaximized() const;
    LONG_PTR SystemStyles() const;
    // Sets the styles for the engine's state; true when they changed.
    bool ApplySystemStyles();
    // The same, and the system told of a change even when the form keeps its place.
    void ShowSystemState();
    void MaximizedPlacement(MINMAXINFO& info);
    void WMSysCommand(gui::TMessage& message);
    // Where a maximized form goes: the work area, or the whole screen.
    gui::TRect MaximizedBounds() const;
    // Menus and menu mode (form_engine_menus.cpp).
    void DismissMenus();
    void SysKeyMenu();
    void SystemMenuKey();
    void AppMessage(MSG& msg, bool& handled);
    void MenuKey(WORD key);
    void FormShortCut(gui::TMessage& message, bool& handled);
    bool AltLetter(char key);
    void SelectMainMenuItem(bool next);
    bool PressMainMenuItem();
    void ChooseMainMenuItem(TskSkinMainMenuItem& item);
    bool HasMainMenuItems() const;
    // The tray menu (form_engine_tray.cpp).
    void BuildTrayMenu();
    // Takes the engine's menu and double click back from the tray icon.
    void ReleaseTrayIcon();
    // Opens the system menu at a screen point.
    void OpenSystemMenu(gui::TPoint screen);
    // Tells the form's skinned controls that a skin is about to change (Apply
    // false) or has changed: those bound to that skin, or all for none.
    void WalkSkinControls(TskSkinData* skin, bool Apply);
    void StopTimers();
    void RebuildSkin();
    void FitFormToMinimum();
    void NudgeWidth();
    void FadeIn();
    bool InSpecialState() const;
    // The form minimized by the system: a title of its own (form_engine_iconic.cpp).
    bool Iconic() const;
    void RestoreIconic();
    void PaintIconicTitle();
    bool IconicMouse(gui::TMessage& message);
    // Window states (form_engine_states.cpp).
    void MinimizeForm();
    void MaximizeForm();
    void RestoreForm();
    // The roll-up of a form whose skin is its background (form_engine_rollup.cpp).
    void RollUpClient();
    void RollDownClient();
    void FitClientToSkin();
    void SetRollUpRegion();
    bool BorderNone() const;
    bool ToolWindowBorder() const;
    // The parking place of a minimized form: the first one that no other
    // minimized form overlaps, or none of the given places.
    gui::TPoint ParkingSlot(const std::vector<gui::TRect>* occupied = nullptr);

    // Multiple-document forms (form_engine_mdi.cpp).
    bool IsMDIChild() const;
    bool IsMDIParent() const;
    // The engine of the application's main form, when it has one and it is not
    // this one.
    TskFormSkinEngine* MainFormEngine() const;
    // The size the children have to live in.
    static gui::TSize MDIChildSpace();
    // Sends a message to the application's main form, when it has a window.
    void SendToMainForm(UINT message) const;
    void HookMDIClient();
    void MDIClientWndProc(gui::TMessage& message);
    void PaintMDIClientBackground(HWND client, HDC dc);
    // Maximized children fill the client area anew; minimized ones park anew.
    void RefitMDIChildren();
    void WMMDIChildRefit();
    void WMMDIChildMaximized();
    void WMMDIChildRestored();
    // The window list under the main form's WindowMenu.
    void AddWindowListItem();
    void RemoveWindowListItem();
    void RenameWindowListItem();
    void CheckWindowListItems(bool active);
    // An MDI child leaves its parent: window list, maximized state.
    void LeaveMDIParent();
    // An MDI child was activated: while another child is maximized, it takes
    // the maximized state over, or ends it when it cannot be maximized.
    void MDIChildActivated();

    // Frame objects (form_engine_objects.cpp).
    void BuildSkinObjects();
    void AddMainMenuItems();
    void ClearSkinObjects();
    void CreateDefaultButtons();
    void ButtonVisibilityPass();
    void PlaceObjects();
    bool ShownInRollState(const TskActiveSkinObject& object) const;
    void TrackObjects(int X, int Y, bool Allow);
    void ClearHover();
    void ObjectMouseDown(gui::TMouseButton Button, int X, int Y);
    void ObjectMouseUp(gui::TMouseButton Button, int X, int Y);
    void ObjectMouseMove(int X, int Y);
    void ObjectDblClick();
    bool IsCaptionObject(const TskActiveSkinObject* object) const;
    bool OnCaptionObject(int X, int Y) const;
    void UpdateCaptionActive(bool Update);
    void SetMainCaption(const std::string& text);
    void MorphTimerTick();
    void MouseTimerTick();
    void AnimationTimerTick();
    void DragStep();
    void ApplySkinCursor();
    void AnchorAreaControls();
    void PlaceAreaControls();

    // Frame painting, region and hit tests (form_frame_paint.cpp).
    void RecomputeGeometry();
    bool FrameSkinUsable() const;
    void NCCalcSize(gui::TMessage& message);
    void LayoutDefaultFrame();
    void PaintDefaultFrame();
    void PaintClientBackground(HDC dc);
    // The skin's client background over an area of a DC.
    void PaintBackground(HDC dc, const gui::TRect& area);
    void PaintWholeForm(HDC dc);
    void RemoveRegion();
    LRESULT SkinHitTest(int X, int Y);
    LRESULT DefaultHitTest(int X, int Y);
    LRESULT ClientSkinHitTest(int X, int Y);
    bool NearBorder(int X, int Y);
    gui::TPoint ScreenToFrame(gui::TPoint p);

    gui::TForm* form_ = nullptr;
    std::unique_ptr<gui::TWndProcHook> hook_;
    // What the engine took from the form, given back when the engine goes
    // before it: its shortcut handler, and the caption styles taken off its window.
    std::function<void(gui::TMessage&, bool&)> savedShortCut_;
    LONG_PTR strippedStyles_ = 0;
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
    bool magnetic_ = false;
    uint8_t magneticSize_ = 10;
    bool draggAble_ = false;
    int minWidth_ = 0, minHeight_ = 0;
    bool maximizeOnFullScreen_ = false;
    bool showIcon_ = false;
    bool showObjectHint_ = false;
    TskSkinHint* skinHint_ = nullptr;
    bool useSkinCursors_ = false;
    gui::TFont defCaptionFont_, defInActiveCaptionFont_;
    bool useDefaultSysMenu_ = true;
    gui::TMainMenu* mainMenu_ = nullptr;
    gui::TPopupMenu* systemMenu_ = nullptr;
    TskFormMenuBar* mainMenuBar_ = nullptr;
    gui::TComponent* mainMenuBarComponent_ = nullptr;  // the same bar, as a component
    TskTrayIcon* trayIcon_ = nullptr;
    bool trayDblClickSet_ = false;  // the icon's double click is the engine's

    // The mask cut for the current size, for hit testing.
    gui::TBitmap topMask_, bottomMask_, leftMask_, rightMask_;
    std::vector<std::unique_ptr<TskActiveSkinObject>> objects_;
    struct AreaControl {
        gui::TControl* control;
        gui::TRect rect;
    };
    std::vector<AreaControl> areaControls_;
    // The controls that a roll-up hid, to show again when the form rolls down.
    std::vector<gui::TControl*> rolledUpControls_;
    gui::TTimer* morphTimer_ = nullptr;          // owned
    gui::TTimer* mouseTimer_ = nullptr;          // owned
    gui::TTimer* animationTimer_ = nullptr;      // owned
    gui::TPopupMenu* defaultSysMenu_ = nullptr;  // owned
    TskSkinPopupMenu* skinPopupMenu_ = nullptr;  // owned
    TskSkinMenu* skinMenu_ = nullptr;            // owned
    HRGN region_ = nullptr;

    bool skinInUse_ = false;
    TskWindowState windowState_ = wsNormal;
    bool rolledUp_ = false;
    bool rolledUpMaximized_ = false;
    int oldHeight_ = 0;
    int frameWidth_ = 0, frameHeight_ = 0;
    // The size WM_SIZING laid the frame out for, until the WM_SIZE of that size.
    gui::TPoint sizingFitted_{-1, -1};
    gui::TRect normalBounds_;
    int fadeAlpha_ = 0;  // the fade-in's last step
    bool inSizeMove_ = false;
    bool fullDrag_ = false;
    int hoverIndex_ = -1, oldHoverIndex_ = -1, capturedIndex_ = -1;
    bool clientTracking_ = false;
    bool dragging_ = false;
    gui::TPoint lastCursor_;
    // Where a move (the system's, or a drag by the client area) began: the
    // form's bounds and the cursor. The form goes where the pointer's movement
    // since then takes it, snapped: a snap never holds it back.
    bool moveStarted_ = false;
    gui::TRect moveStartBounds_;
    gui::TPoint moveStartCursor_;
    // The last activation the window was told of (WM_ACTIVATE, WM_NCACTIVATE).
    bool active_ = false;
    // MDI forms: the last WM_NCACTIVATE state.
    bool mdiActive_ = false;
    // MDI parent: one of its children is maximized.
    bool childMaximized_ = false;
    // An activated child is taking the maximized state over from another.
    bool takingOverMaximized_ = false;
    // MDI parent: the engine's handler in front of the client window's procedure,
    // put there once, when the form first shows.
    std::unique_ptr<gui::TWndProcHook> mdiClientHook_;
    // MDI child: its item in the parent's window list, while it shows.
    gui::TMenuItem* windowListItem_ = nullptr;
    bool menuOpen_ = false;
    bool mainMenuMode_ = false;
    // The engine's place among the application's message handlers while a menu
    // mode lasts: what it replaced, and whether it still takes the messages.
    struct AppMessageLink {
        TskFormSkinEngine* engine;
        std::function<void(MSG&, bool&)> replaced;
    };
    struct AppMessageHook;
    std::shared_ptr<AppMessageLink> appLink_;
    TskFrameGeometry geometry_;
    // The default frame's caption rectangle, between the buttons.
    gui::TRect defCaptionRect_;
};

}  // namespace sk
