#include "skin/forms/form_skin_engine.h"

#include <algorithm>
#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/controls/timer.h"
#include "gui/core/exceptions.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/imaging/layered.h"
#include "skin/popups/skin_hint.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_menu.h"
#include "skin/popups/tray_icon.h"

namespace sk {

namespace {

// The fade-in's window timer.
constexpr UINT_PTR kFadeTimer = 1;

void SetExStyleFlag(HWND window, LONG_PTR flag, bool on)
{
    const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
    const LONG_PTR changed = on ? (style | flag) : (style & ~flag);
    if (changed != style)
        ::SetWindowLongPtrA(window, GWL_EXSTYLE, changed);
}

gui::TTimer* MakeTimer(gui::TComponent* owner, UINT interval, std::function<void()> tick)
{
    auto* timer = new gui::TTimer(owner);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->OnTimer = [tick](gui::TComponent*) { tick(); };
    return timer;
}

}  // namespace

// ---- Construction ----

TskFormSkinEngine::TskFormSkinEngine(gui::TComponent* owner) : gui::TComponent(owner)
{
    form_ = dynamic_cast<gui::TForm*>(owner);
    if (!form_)
        throw gui::EInvalidCast("A form skinning engine must be owned by a form");

    defCaptionFont_.SetName("Arial");
    defCaptionFont_.SetHeight(14);
    defCaptionFont_.SetStyle({gui::fsBold});
    defCaptionFont_.SetColor(gui::clBtnText);
    defInActiveCaptionFont_.Assign(defCaptionFont_);
    defInActiveCaptionFont_.SetColor(gui::clBtnShadow);

    morphTimer_ = MakeTimer(this, 20, [this] { MorphTimerTick(); });
    mouseTimer_ = MakeTimer(this, 50, [this] { MouseTimerTick(); });
    animationTimer_ = MakeTimer(this, 25, [this] { AnimationTimerTick(); });
    defaultSysMenu_ = new gui::TPopupMenu(this);
    skinPopupMenu_ = new TskSkinPopupMenu(this);
    skinPopupMenu_->SetOwnerForm(form_);
    skinMenu_ = new TskSkinMenu(this, form_);
    BuildTrayMenu();
    // Alt and a letter open the main menu's items.
    savedShortCut_ = std::move(form_->OnShortCut);
    form_->OnShortCut = [this](gui::TMessage& message, bool& handled) { FormShortCut(message, handled); };

    if (ComponentState().Contains(gui::csDesigning))
        return;
    hook_ = std::make_unique<gui::TWndProcHook>(form_->WindowProc(),
                                                [this](gui::TMessage& message) { SkinFormWndProc(message); });
    // The window is made anew, without caption and caption buttons of the
    // system's: the engine draws its own.
    if (form_->HandleAllocated())
        form_->RecreateWnd();
}

TskFormSkinEngine::~TskFormSkinEngine()
{
    // The form's own window procedure first, and the client window's: no
    // message may reach a half-gone engine.
    hook_.reset();
    mdiClientHook_.reset();
    // A child whose engine goes leaves the window list, and a maximized one
    // gives its parent's caption and menu bar back.
    LeaveMDIParent();
    form_->OnShortCut = std::move(savedShortCut_);
    UnhookAppMessages();
    ReleaseTrayIcon();
    StopTimers();
    if (form_->HandleAllocated())
        ::KillTimer(form_->Handle(), kFadeTimer);
    ClearSkinObjects();
    if (form_->HandleAllocated() && !form_->ComponentState().Contains(gui::csDestroying) &&
        !ComponentState().Contains(gui::csDesigning))
        GiveBackFormFrame();
    // A region given to the window belongs to the system, which deletes it with
    // the window or when another replaces it.
    region_ = nullptr;
}

void TskFormSkinEngine::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TComponent::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == skinData_) {
        // The skin goes: its pictures with it. The objects drawn from them must
        // not outlive it, but the frame is not rebuilt until a new skin comes.
        skinData_ = nullptr;
        skinInUse_ = false;
        StopTimers();
        hoverIndex_ = oldHoverIndex_ = capturedIndex_ = -1;
        ClearSkinObjects();
        if (!InSpecialState() && form_->HandleAllocated()) {
            RemoveRegion();
            if (supportNCArea_)
                NudgeWidth();
            RepaintFrame();
        }
    }
    if (component == menusSkinData_)
        menusSkinData_ = nullptr;
    if (component == mainMenu_)
        mainMenu_ = nullptr;
    if (component == systemMenu_)
        systemMenu_ = nullptr;
    if (component == mainMenuBarComponent_) {
        mainMenuBar_ = nullptr;
        mainMenuBarComponent_ = nullptr;
    }
    if (component == trayIcon_) {
        trayIcon_ = nullptr;
        trayDblClickSet_ = false;
    }
    rolledUpControls_.erase(std::remove(rolledUpControls_.begin(), rolledUpControls_.end(), component),
                            rolledUpControls_.end());
    if (component == skinHint_)
        skinHint_ = nullptr;
    if (component == windowListItem_)
        windowListItem_ = nullptr;
}

bool TskFormSkinEngine::InSpecialState() const
{
    const gui::TComponentState state = ComponentState();
    return state.Contains(gui::csLoading) || state.Contains(gui::csDesigning) ||
           state.Contains(gui::csDestroying);
}

// ---- Properties ----

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
    skinPopupMenu_->SetSkinData(value);
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
    // What the buttons offer, the window offers the system too.
    ShowSystemState();
    if (skinInUse_) {
        // The skin's own buttons stay; the icons decide which of them work.
        hoverIndex_ = oldHoverIndex_ = capturedIndex_ = -1;
        BuildSkinObjects();
        ButtonVisibilityPass();
        RecomputeGeometry();
        PlaceObjects();
    } else if (supportNCArea_) {
        CreateDefaultButtons();
    } else {
        return;
    }
    RepaintFrame();
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
    skinMenu_->SetAlphaBlend(value);
}

void TskFormSkinEngine::SetMenusAlphaBlendAnimation(bool value)
{
    menusAlphaBlendAnimation_ = value;
    skinMenu_->SetAlphaBlendAnimation(value);
}

void TskFormSkinEngine::SetMenusAlphaBlendValue(uint8_t value)
{
    menusAlphaBlendValue_ = value;
    skinMenu_->SetAlphaBlendValue(value);
}

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

void TskFormSkinEngine::SetDefCaptionFont(const gui::TFont& value)
{
    defCaptionFont_.Assign(value);
    if (!InSpecialState() && !skinInUse_)
        RepaintFrame();
}

void TskFormSkinEngine::SetDefInActiveCaptionFont(const gui::TFont& value)
{
    defInActiveCaptionFont_.Assign(value);
    if (!InSpecialState() && !skinInUse_)
        RepaintFrame();
}

int TskFormSkinEngine::DefMenuItemHeight() const { return skinMenu_->ItemHeight(); }

void TskFormSkinEngine::SetDefMenuItemHeight(int value)
{
    if (value > 0)
        skinMenu_->SetItemHeight(value);
}

gui::TFont& TskFormSkinEngine::DefMenuItemFont() { return skinMenu_->Font(); }

void TskFormSkinEngine::SetDefMenuItemFont(const gui::TFont& value) { skinMenu_->Font().Assign(value); }

void TskFormSkinEngine::SetSystemMenu(gui::TPopupMenu* value)
{
    if (systemMenu_ && systemMenu_ != value)
        systemMenu_->RemoveFreeNotification(this);
    systemMenu_ = value;
    if (systemMenu_)
        systemMenu_->FreeNotification(this);
}

// ---- The event relays ----

void TskFormSkinEngine::MouseDownEvent(const std::string& IDName, int X, int Y, const gui::TRect& ObjectRect,
                                       gui::TMouseButton Button)
{
    if (OnMouseDownEvent)
        OnMouseDownEvent(this, IDName, X, Y, ObjectRect, Button);
}

void TskFormSkinEngine::MouseUpEvent(const std::string& IDName, int X, int Y, const gui::TRect& ObjectRect,
                                     gui::TMouseButton Button)
{
    if (OnMouseUpEvent)
        OnMouseUpEvent(this, IDName, X, Y, ObjectRect, Button);
}

void TskFormSkinEngine::MouseMoveEvent(const std::string& IDName, int X, int Y, const gui::TRect& ObjectRect)
{
    if (OnMouseMoveEvent)
        OnMouseMoveEvent(this, IDName, X, Y, ObjectRect);
}

void TskFormSkinEngine::MouseEnterEvent(const std::string& IDName)
{
    if (OnMouseEnterEvent)
        OnMouseEnterEvent(this, IDName);
}

void TskFormSkinEngine::MouseLeaveEvent(const std::string& IDName)
{
    if (OnMouseLeaveEvent)
        OnMouseLeaveEvent(this, IDName);
}

void TskFormSkinEngine::PaintEvent(const std::string& IDName, gui::TCanvas& Canvas, const gui::TRect& ObjectRect)
{
    if (OnPaintEvent)
        OnPaintEvent(this, IDName, Canvas, ObjectRect);
}

void TskFormSkinEngine::SwitchChangeStateEvent(const std::string& IDName, TSwitchState State)
{
    if (OnSwitchChangeStateEvent)
        OnSwitchChangeStateEvent(this, IDName, State);
}

void TskFormSkinEngine::TrackBarChangeValueEvent(const std::string& IDName, int Value)
{
    if (OnTrackBarChangeValueEvent)
        OnTrackBarChangeValueEvent(this, IDName, Value);
}

void TskFormSkinEngine::FrameRegulatorChangeValueEvent(const std::string& IDName, int Value)
{
    if (OnFrameRegulatorChangeValueEvent)
        OnFrameRegulatorChangeValueEvent(this, IDName, Value);
}

// ---- What the objects ask of the form ----

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
    return IsMDIChild() || IsMDIParent() ? mdiActive_ : active_;
}

std::string TskFormSkinEngine::CaptionText() const
{
    std::string text = form_->Caption();
    if (IsMDIParent() && childMaximized_)
        if (TskFormSkinEngine* child = FindMaximizedChild())
            text += " - [" + child->Form()->Caption() + "]";
    return text;
}

void TskFormSkinEngine::DrawFormIcon(gui::TCanvas& Canvas, int X, int Y)
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
    ::DrawIconEx(Canvas.Handle(), X, Y, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
}

gui::TPoint TskFormSkinEngine::FrameScreenOrigin() const
{
    if (form_->HandleAllocated()) {
        RECT r;
        ::GetWindowRect(form_->Handle(), &r);
        return gui::Point(r.left, r.top);
    }
    return gui::Point(form_->Left(), form_->Top());
}

void TskFormSkinEngine::StartFormDrag(int X, int Y)
{
    (void)X;
    (void)Y;
    if (supportNCArea_ || windowState_ == wsMaximized)
        return;
    POINT p;
    ::GetCursorPos(&p);
    lastCursor_ = moveStartCursor_ = gui::Point(p.x, p.y);
    moveStartBounds_ = form_->BoundsRect();
    dragging_ = true;
    mouseTimer_->SetEnabled(true);
}

void TskFormSkinEngine::EndFormDrag() { dragging_ = false; }

// ---- Timers ----

void TskFormSkinEngine::StartMorphTimer() { morphTimer_->SetEnabled(true); }

void TskFormSkinEngine::StartAnimationTimer() { animationTimer_->SetEnabled(true); }

void TskFormSkinEngine::StopTimers()
{
    morphTimer_->SetEnabled(false);
    mouseTimer_->SetEnabled(false);
    animationTimer_->SetEnabled(false);
}

// ---- Snapping ----

void TskFormSkinEngine::MagneticMove(int& Left, int& Top, int Height, int Width)
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    gui::TRect area = gui::Rect(work.left, work.top, work.right, work.bottom);
    // A child snaps to the edges of the space its parent gives the children.
    gui::TForm* main = gui::Application().MainForm();
    if (IsMDIChild() && main && main->HandleAllocated()) {
        area = MDIClientArea();
        const gui::TPoint origin = main->ClientToScreen(gui::Point(0, 0));
        area = gui::Rect(area.Left + origin.X, area.Top + origin.Y, area.Right + origin.X, area.Bottom + origin.Y);
    }
    SnapToArea(area, magneticSize_, Left, Top, Height, Width);
}

// ---- Skin rebuild ----

void TskFormSkinEngine::RebuildSkin()
{
    hoverIndex_ = oldHoverIndex_ = capturedIndex_ = -1;
    skinInUse_ = skinData_ && !skinData_->Empty();
    if (supportNCArea_) {
        if (skinInUse_) {
            BuildSkinObjects();
            ButtonVisibilityPass();
        } else {
            ClearSkinObjects();
            RemoveRegion();
        }
        FitFormToMinimum();
        frameWidth_ = form_->Width();
        frameHeight_ = form_->Height();
        if (skinInUse_)
            UpdateFrame(true);
        if (IsMDIParent() && form_->ClientHandle()) {
            // The children's background is the skin's too.
            ::RedrawWindow(form_->ClientHandle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
            RefitMDIChildren();
        } else {
            form_->Invalidate();
        }
        RepaintFrame();
        if (!IsMaximizedMDIChild())
            UpdateCaptionActive(true);
        mouseTimer_->SetEnabled(true);
        if (OnChangeSkinData)
            OnChangeSkinData(this);
        return;
    }
    if (!skinInUse_) {
        // A form rolled up under the old skin gets its controls and height back:
        // without a skin nothing could roll it down later.
        if (rolledUp_) {
            std::vector<gui::TControl*> controls;
            controls.swap(rolledUpControls_);
            for (gui::TControl* control : controls) {
                control->RemoveFreeNotification(this);
                control->SetVisible(true);
            }
            rolledUp_ = false;
            rolledUpMaximized_ = false;
            form_->SetHeight(oldHeight_);
            if (OnChangeRollUpState)
                OnChangeRollUpState(this);
        }
        // Nothing of the old skin may stay on the form.
        ClearSkinObjects();
        RemoveRegion();
        form_->Invalidate();
        return;
    }
    // A skin without a roll-up picture has no rolled-up look: the form rolls
    // down and its hidden controls come back.
    if (rolledUp_ && skinData_->RollUpPicture().Empty())
        RollUpForm(false);
    const TskFormInfo& info = skinData_->FormInfo;
    const bool stretchable = IsStretchableSkin(info);
    const int pw = skinData_->Picture().Width(), ph = skinData_->Picture().Height();
    if (!rolledUp_) {
        // The client area takes at least the picture's size, exactly it for a
        // skin of fixed size. Without a frame of its own, the client area is the
        // whole window.
        if (stretchable) {
            if (minWidth_ == 0 || minHeight_ == 0) {
                if (form_->Width() < pw)
                    form_->SetWidth(pw);
                if (form_->Height() < ph)
                    form_->SetHeight(ph);
            }
        } else {
            form_->SetBounds(form_->Left(), form_->Top(), pw, ph);
            sizeable_ = false;
        }
    }
    BuildSkinObjects();
    ButtonVisibilityPass();
    // A form that stays rolled up takes the new skin's rolled-up look: the size
    // of its roll-up picture, its mask and the places of its roll-up objects.
    if (rolledUp_ && !skinData_->RollUpPicture().Empty())
        RollUpClient();
    if (OnChangeSkinData)
        OnChangeSkinData(this);
    frameWidth_ = form_->Width();
    frameHeight_ = form_->Height();
    if (!rolledUp_ && (stretchable || (form_->Width() == pw && form_->Height() == ph)))
        UpdateFrame(stretchable);
    AnchorAreaControls();
    PlaceAreaControls();
    UpdateCaptionActive(true);
    mouseTimer_->SetEnabled(true);
}

void TskFormSkinEngine::FitFormToMinimum()
{
    const int minWidth = GetMinWidth(), minHeight = GetMinHeight();
    const bool narrow = form_->Width() < minWidth, low = form_->Height() < minHeight;
    if (narrow && low)
        form_->SetBounds(form_->Left(), form_->Top(), minWidth, minHeight);
    else if (low)
        form_->SetHeight(minHeight);
    else if (narrow)
        form_->SetWidth(minWidth);
    else
        NudgeWidth();
    if (rolledUp_ || windowState_ == wsMinimized)
        form_->SetHeight(minHeight);
    if (windowState_ == wsMinimized)
        form_->SetWidth(minWidth);
}

void TskFormSkinEngine::NudgeWidth()
{
    // A size change makes the system ask for the non-client size anew.
    const int width = form_->Width();
    form_->SetWidth(width > GetMinWidth() ? width - 1 : width + 1);
    form_->SetWidth(width);
}

// ---- Track sizes ----

int TskFormSkinEngine::GetMinWidth()
{
    if (supportNCArea_) {
        if (!skinInUse_)
            return minWidth_ > 0 ? minWidth_ : 130;
        const int pw = skinData_->Picture().Width();
        return minWidth_ > pw && windowState_ != wsMinimized ? minWidth_ : pw;
    }
    if (!skinInUse_)
        return 0;
    const int pw = skinData_->Picture().Width();
    return minWidth_ == 0 || minWidth_ > pw ? pw : minWidth_;
}

int TskFormSkinEngine::GetMinHeight()
{
    if (supportNCArea_) {
        const int h = skinInUse_ ? skinData_->Picture().Height() - RectHeight(skinData_->FormInfo.ClRect)
                                 : DefCaptionHeight() + 6;
        return h >= minHeight_ || rolledUp_ || windowState_ == wsMinimized ? h : minHeight_;
    }
    if (!skinInUse_)
        return 0;
    const int ph = skinData_->Picture().Height();
    return minHeight_ == 0 || minHeight_ > ph ? ph : minHeight_;
}

int TskFormSkinEngine::GetMaxWidth()
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work.right - work.left;
}

int TskFormSkinEngine::GetMaxHeight()
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work.bottom - work.top;
}

// ---- Fade-in ----

// One step of the fade-in per tick of its timer, so that the form is seen
// coming in: 5, 10, 15... up to the target with the animation, or the blend
// value at once without it.
void TskFormSkinEngine::FadeIn()
{
    const HWND window = form_->Handle();
    const uint8_t target = alphaBlendAnimation_ && !alphaBlend_ ? 255 : alphaBlendValue_;
    if (alphaBlendAnimation_) {
        fadeAlpha_ = std::min<int>(fadeAlpha_ + 5, target);
        SetWindowAlpha(window, BYTE(fadeAlpha_));
        if (fadeAlpha_ < target)
            return;
    } else if (target != 255) {
        SetWindowAlpha(window, alphaBlendValue_);
    }
    ::KillTimer(window, kFadeTimer);
    if (target == 255)
        SetExStyleFlag(window, WS_EX_LAYERED, false);
}

}  // namespace sk
