// The engine's settings, what it tells the frame objects of its form, the relays
// of the object events, and the public operations that its parts carry out.
#include <algorithm>

#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/graphics/canvas.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/imaging/layered.h"
#include "skin/popups/skin_hint.h"
#include "skin/popups/skin_menu.h"

namespace sk {

namespace {

void SetExStyleFlag(HWND window, LONG_PTR flag, bool on)
{
    const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
    const LONG_PTR changed = on ? (style | flag) : (style & ~flag);
    if (changed != style)
        ::SetWindowLongPtrA(window, GWL_EXSTYLE, changed);
}

}  // namespace

// ---- Settings ----

void TskFormSkinEngine::SetSkinData(TskSkinData* value)
{
    if (skinData_ && skinData_ != value)
        skinData_->RemoveFreeNotification(this);
    skinData_ = value;
    if (skinData_)
        skinData_->FreeNotification(this);
    // The menus' skin is often the same one and must still hear when it goes.
    if (menusSkinData_)
        menusSkinData_->FreeNotification(this);
    if (!ComponentState().Contains(gui::csDesigning))
        RebuildSkin();
    parts_->Tray().SetSkinData(value);
}

void TskFormSkinEngine::SetMenusSkinData(TskSkinData* value)
{
    if (menusSkinData_ && menusSkinData_ != value)
        menusSkinData_->RemoveFreeNotification(this);
    menusSkinData_ = value;
    if (menusSkinData_)
        menusSkinData_->FreeNotification(this);
    if (skinData_)
        skinData_->FreeNotification(this);
}

void TskFormSkinEngine::SetBorderIcons(TskBorderIcons value)
{
    borderIcons_ = value;
    TskEngineParts& parts = *parts_;
    // What the buttons offer, the window offers the system too.
    parts.SystemState().Show();
    if (skinInUse_) {
        // The skin's own buttons stay; the icons decide which of them work.
        parts.Objects().Build();
        parts.Objects().ButtonVisibilityPass();
        parts.Frame().RecomputeGeometry();
        parts.Objects().Place();
    } else if (supportNCArea_) {
        parts.Objects().CreateDefaultButtons();
    } else {
        return;
    }
    parts.Frame().Repaint();
}

void TskFormSkinEngine::SetAlphaBlend(bool value)
{
    if (alphaBlend_ == value)
        return;
    alphaBlend_ = value;
    if (InSpecialState() || !form_->HandleAllocated())
        return;
    SetExStyleFlag(form_->Handle(), WS_EX_LAYERED, value);
    if (value)
        SetWindowAlpha(form_->Handle(), alphaBlendValue_);
}

void TskFormSkinEngine::SetAlphaBlendValue(uint8_t value)
{
    if (alphaBlendValue_ == value)
        return;
    alphaBlendValue_ = value;
    if (alphaBlend_ && !InSpecialState() && form_->HandleAllocated())
        SetWindowAlpha(form_->Handle(), value);
}

void TskFormSkinEngine::SetMenusAlphaBlend(bool value)
{
    menusAlphaBlend_ = value;
    SkinMenu().SetAlphaBlend(value);
}

void TskFormSkinEngine::SetMenusAlphaBlendAnimation(bool value)
{
    menusAlphaBlendAnimation_ = value;
    SkinMenu().SetAlphaBlendAnimation(value);
}

void TskFormSkinEngine::SetMenusAlphaBlendValue(uint8_t value)
{
    menusAlphaBlendValue_ = value;
    SkinMenu().SetAlphaBlendValue(value);
}

bool TskFormSkinEngine::Magnetic() const { return parts_->Mover().Magnetic(); }

void TskFormSkinEngine::SetMagnetic(bool value) { parts_->Mover().SetMagnetic(value); }

uint8_t TskFormSkinEngine::MagneticSize() const { return parts_->Mover().MagneticSize(); }

void TskFormSkinEngine::SetMagneticSize(uint8_t value) { parts_->Mover().SetMagneticSize(value); }

bool TskFormSkinEngine::DraggAble() const { return parts_->Mover().DraggAble(); }

void TskFormSkinEngine::SetDraggAble(bool value) { parts_->Mover().SetDraggAble(value); }

bool TskFormSkinEngine::MaximizeOnFullScreen() const { return parts_->States().MaximizeOnFullScreen(); }

void TskFormSkinEngine::SetMaximizeOnFullScreen(bool value) { parts_->States().SetMaximizeOnFullScreen(value); }

void TskFormSkinEngine::SetShowIcon(bool value)
{
    showIcon_ = value;
    if (!InSpecialState())
        RepaintFrame();
}

void TskFormSkinEngine::SetSkinHint(TskSkinHint* value)
{
    if (skinHint_ && skinHint_ != value)
        skinHint_->RemoveFreeNotification(this);
    skinHint_ = value;
    if (skinHint_)
        skinHint_->FreeNotification(this);
}

bool TskFormSkinEngine::UseSkinCursors() const { return parts_->Objects().UseSkinCursors(); }

void TskFormSkinEngine::SetUseSkinCursors(bool value) { parts_->Objects().SetUseSkinCursors(value); }

gui::TFont& TskFormSkinEngine::DefCaptionFont() { return parts_->Frame().CaptionFont(); }

void TskFormSkinEngine::SetDefCaptionFont(const gui::TFont& value)
{
    parts_->Frame().CaptionFont().Assign(value);
    if (!InSpecialState() && !skinInUse_)
        RepaintFrame();
}

gui::TFont& TskFormSkinEngine::DefInActiveCaptionFont() { return parts_->Frame().InactiveCaptionFont(); }

void TskFormSkinEngine::SetDefInActiveCaptionFont(const gui::TFont& value)
{
    parts_->Frame().InactiveCaptionFont().Assign(value);
    if (!InSpecialState() && !skinInUse_)
        RepaintFrame();
}

int TskFormSkinEngine::DefMenuItemHeight() const { return parts_->Menus().SkinMenu().ItemHeight(); }

void TskFormSkinEngine::SetDefMenuItemHeight(int value)
{
    if (value > 0)
        SkinMenu().SetItemHeight(value);
}

gui::TFont& TskFormSkinEngine::DefMenuItemFont() { return SkinMenu().Font(); }

void TskFormSkinEngine::SetDefMenuItemFont(const gui::TFont& value) { SkinMenu().Font().Assign(value); }

bool TskFormSkinEngine::UseDefaultSysMenu() const { return parts_->SystemMenu().UseDefaultSysMenu(); }

void TskFormSkinEngine::SetUseDefaultSysMenu(bool value) { parts_->SystemMenu().SetUseDefaultSysMenu(value); }

void TskFormSkinEngine::SetMainMenu(gui::TMainMenu* value)
{
    if (mainMenu_ && mainMenu_ != value)
        mainMenu_->RemoveFreeNotification(this);
    mainMenu_ = value;
    if (mainMenu_)
        mainMenu_->FreeNotification(this);
    if (!skinInUse_)
        return;
    parts_->Objects().ReplaceMainMenuItems();
    if (supportNCArea_) {
        RepaintFrame();
    } else if (form_->HandleAllocated()) {
        const gui::TRect& menuRect = parts_->Frame().Geometry().MainMenuRect;
        RECT area{menuRect.Left, menuRect.Top, menuRect.Right, menuRect.Bottom};
        ::InvalidateRect(form_->Handle(), &area, TRUE);
    }
}

gui::TPopupMenu* TskFormSkinEngine::SystemMenu() const { return parts_->SystemMenu().ProgramMenu(); }

void TskFormSkinEngine::SetSystemMenu(gui::TPopupMenu* value) { parts_->SystemMenu().SetProgramMenu(value); }

TskFormMenuBar* TskFormSkinEngine::MainMenuBar() const { return parts_->Menus().Bar(); }

void TskFormSkinEngine::SetMainMenuBar(TskFormMenuBar* value) { parts_->Menus().SetBar(value); }

TskTrayIcon* TskFormSkinEngine::TrayIcon() const { return parts_->Tray().Icon(); }

void TskFormSkinEngine::SetTrayIcon(TskTrayIcon* value) { parts_->Tray().SetIcon(value); }

// ---- The event relays ----

void TskFormSkinEngine::MouseDownEvent(const std::string& idName, int x, int y, const gui::TRect& objectRect,
                                       gui::TMouseButton button)
{
    if (OnMouseDownEvent)
        OnMouseDownEvent(this, idName, x, y, objectRect, button);
}

void TskFormSkinEngine::MouseUpEvent(const std::string& idName, int x, int y, const gui::TRect& objectRect,
                                     gui::TMouseButton button)
{
    if (OnMouseUpEvent)
        OnMouseUpEvent(this, idName, x, y, objectRect, button);
}

void TskFormSkinEngine::MouseMoveEvent(const std::string& idName, int x, int y, const gui::TRect& objectRect)
{
    if (OnMouseMoveEvent)
        OnMouseMoveEvent(this, idName, x, y, objectRect);
}

void TskFormSkinEngine::MouseEnterEvent(const std::string& idName)
{
    if (OnMouseEnterEvent)
        OnMouseEnterEvent(this, idName);
}

void TskFormSkinEngine::MouseLeaveEvent(const std::string& idName)
{
    if (OnMouseLeaveEvent)
        OnMouseLeaveEvent(this, idName);
}

void TskFormSkinEngine::PaintEvent(const std::string& idName, gui::TCanvas& canvas, const gui::TRect& objectRect)
{
    if (OnPaintEvent)
        OnPaintEvent(this, idName, canvas, objectRect);
}

void TskFormSkinEngine::SwitchChangeStateEvent(const std::string& idName, TSwitchState state)
{
    if (OnSwitchChangeStateEvent)
        OnSwitchChangeStateEvent(this, idName, state);
}

void TskFormSkinEngine::TrackBarChangeValueEvent(const std::string& idName, int value)
{
    if (OnTrackBarChangeValueEvent)
        OnTrackBarChangeValueEvent(this, idName, value);
}

void TskFormSkinEngine::FrameRegulatorChangeValueEvent(const std::string& idName, int value)
{
    if (OnFrameRegulatorChangeValueEvent)
        OnFrameRegulatorChangeValueEvent(this, idName, value);
}

// ---- What the frame objects ask of the form ----

int TskFormSkinEngine::ObjectCount() const { return parts_->Objects().Count(); }

TskActiveSkinObject* TskFormSkinEngine::Objects(int index) const { return parts_->Objects().At(index); }

void TskFormSkinEngine::RedrawObject(TskActiveSkinObject& object) { parts_->Frame().RedrawObject(object); }

void TskFormSkinEngine::StartMorphTimer() { parts_->Objects().StartMorphTimer(); }

void TskFormSkinEngine::StartAnimationTimer() { parts_->Objects().StartAnimationTimer(); }

int TskFormSkinEngine::WindowState() const { return parts_->States().State(); }

gui::TRect TskFormSkinEngine::RestoredBounds() const { return parts_->States().RestoredBounds(); }

void TskFormSkinEngine::SetFormState(int state) { parts_->States().Set(state); }

bool TskFormSkinEngine::RolledUp() const { return parts_->RollUp().RolledUp(); }

void TskFormSkinEngine::RollUpForm(bool rollUp) { parts_->RollUp().Roll(rollUp); }

// As the system's close box does: the form hears WM_CLOSE, so that its own
// closing runs (a main window saves its settings and ends the program).
void TskFormSkinEngine::CloseForm()
{
    if (form_->HandleAllocated())
        ::SendMessageA(form_->Handle(), WM_CLOSE, 0, 0);
    else
        form_->Close();
}

bool TskFormSkinEngine::FormActive() const
{
    // MDI forms take it from their non-client activation, which the MDI
    // procedures send to the parent and to the active child alike.
    const TskMDISupport& mdi = parts_->MDI();
    return mdi.IsChild() || mdi.IsParent() ? mdi.Active() : active_;
}

std::string TskFormSkinEngine::CaptionText() const
{
    std::string text = form_->Caption();
    if (parts_->MDI().IsParent() && parts_->MDI().ChildMaximized())
        if (TskFormSkinEngine* child = FindMaximizedChild())
            text += " - [" + child->Form()->Caption() + "]";
    return text;
}

void TskFormSkinEngine::DrawFormIcon(gui::TCanvas& canvas, int x, int y)
{
    if (!form_->HandleAllocated())
        return;
    const HWND window = form_->Handle();
    auto icon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICONSM));
    if (!icon)
        icon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    if (!icon)
        icon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    const gui::TSize size = SmallIconSize();
    ::DrawIconEx(canvas.Handle(), x, y, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
}

gui::TRect TskFormSkinEngine::FormClientRect() const { return parts_->Frame().Geometry().ClientRect; }

gui::TPoint TskFormSkinEngine::FrameScreenOrigin() const
{
    if (form_->HandleAllocated()) {
        RECT bounds;
        ::GetWindowRect(form_->Handle(), &bounds);
        return gui::Point(bounds.left, bounds.top);
    }
    return gui::Point(form_->Left(), form_->Top());
}

void TskFormSkinEngine::StartFormDrag(int x, int y)
{
    (void)x;
    (void)y;
    parts_->Mover().StartDrag();
}

void TskFormSkinEngine::EndFormDrag() { parts_->Mover().EndDrag(); }

gui::TMenuItem* TskFormSkinEngine::GetSystemMenuItems() { return parts_->SystemMenu().Items(); }

gui::TRect TskFormSkinEngine::MainMenuRect() const { return parts_->Frame().Geometry().MainMenuRect; }

bool TskFormSkinEngine::MainMenuMode() const { return parts_->Menus().MainMenuMode(); }

void TskFormSkinEngine::EnterMainMenuMode() { parts_->Menus().EnterMainMenuMode(); }

void TskFormSkinEngine::ClearMenuOpen() { parts_->Menus().ClearMenuOpen(); }

void TskFormSkinEngine::SkinMenuOpen() { parts_->Menus().SkinMenuOpen(); }

TskSkinMenu& TskFormSkinEngine::SkinMenu() { return parts_->Menus().SkinMenu(); }

// ---- Menus, tray and MDI ----

bool TskFormSkinEngine::MenuOpen() const { return parts_->Menus().MenuOpen(); }

void TskFormSkinEngine::SkinMenuClose() { parts_->Menus().SkinMenuClose(); }

void TskFormSkinEngine::SkinMenusClosed() { parts_->Menus().SkinMenusClosed(); }

void TskFormSkinEngine::MainMenuExit() { parts_->Menus().MainMenuExit(); }

void TskFormSkinEngine::HookAppMessages() { parts_->Menus().HookAppMessages(); }

void TskFormSkinEngine::UnhookAppMessages() { parts_->Menus().UnhookAppMessages(); }

void TskFormSkinEngine::MinimizeToTray() { parts_->Tray().MinimizeToTray(); }

void TskFormSkinEngine::RestoreFromTray() { parts_->Tray().RestoreFromTray(); }

TskFormSkinEngine* TskFormSkinEngine::FindMaximizedChild() const { return TskMDISupport::FindMaximizedChild(); }

bool TskFormSkinEngine::ChildMaximized() const { return parts_->MDI().ChildMaximized(); }

bool TskFormSkinEngine::IsMaximizedMDIChild() const { return parts_->MDI().IsMaximizedChild(); }

gui::TRect TskFormSkinEngine::MDIClientArea() { return TskMDISupport::ClientArea(); }

TskSkinPopupMenu& TskFormSkinEngine::SkinPopupMenu() { return parts_->Tray().Menu(); }

// ---- The frame ----

const TskFrameGeometry& TskFormSkinEngine::Geometry() const { return parts_->Frame().Geometry(); }

int TskFormSkinEngine::HoverIndex() const { return parts_->Objects().HoverIndex(); }

int TskFormSkinEngine::DefCaptionHeight() const { return parts_->Frame().DefCaptionHeight(); }

int TskFormSkinEngine::DefButtonSize() const { return parts_->Frame().DefButtonSize(); }

void TskFormSkinEngine::UpdateFrame(bool recompute) { parts_->Frame().Update(recompute); }

void TskFormSkinEngine::SetFormRegion(bool recompute) { parts_->Frame().SetRegion(recompute); }

void TskFormSkinEngine::PaintSkinFrame() { parts_->Frame().PaintSkinFrame(); }

void TskFormSkinEngine::RepaintFrame() { parts_->Frame().Repaint(); }

void TskFormSkinEngine::MagneticMove(int& left, int& top, int height, int width)
{
    parts_->Mover().MagneticMove(left, top, height, width);
}

}  // namespace sk
