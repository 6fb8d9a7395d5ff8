// The form skinning engine's core: its making and going, and the window procedure
// it puts in front of the form's, which hands each message to the part of the
// engine that handles it (form_engine_parts.h) and then, unless that part
// answered it, to the form's own procedure.
#include "skin/forms/form_skin_engine.h"

#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/core/exceptions.h"
#include "skin/data/skin_messages.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/mdi_messages.h"
#include "skin/imaging/layered.h"
#include "skin/popups/skin_hint.h"
#include "skin/popups/skin_menu.h"

namespace sk {

namespace {

// The fade-in's window timer.
constexpr UINT_PTR kFadeTimer = 1;

// A press or a move of the window anywhere closes the menus open on the form.
bool DismissesMenus(UINT message)
{
    switch (message) {
    case WM_MOVE: case WM_SIZE: case WM_ACTIVATE: case WM_KILLFOCUS: case WM_CANCELMODE: case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: case WM_PARENTNOTIFY:
        return true;
    default:
        return false;
    }
}

}  // namespace

TskFormSkinEngine::TskFormSkinEngine(gui::TComponent* owner) : gui::TComponent(owner)
{
    form_ = dynamic_cast<gui::TForm*>(owner);
    if (!form_)
        throw gui::EInvalidCast("A form skinning engine must be owned by a form");
    parts_ = std::make_unique<TskEngineParts>(*this, *form_);
    // Alt and a letter open the main menu's items.
    parts_->Menus().TakeFormShortCuts();
    if (ComponentState().Contains(gui::csDesigning))
        return;
    parts_->HookForm([this](gui::TMessage& message) { SkinFormWndProc(message); });
    // The window is made anew, without caption and caption buttons of the
    // system's: the engine draws its own.
    if (form_->HandleAllocated())
        form_->RecreateWnd();
}

TskFormSkinEngine::~TskFormSkinEngine()
{
    TskEngineParts& parts = *parts_;
    // The form's own window procedure first, and the client window's: no
    // message may reach a half-gone engine.
    parts.UnhookForm();
    parts.MDI().UnhookClient();
    // A child whose engine goes leaves the window list, and a maximized one
    // gives its parent's caption and menu bar back.
    parts.MDI().Leave();
    parts.Menus().GiveBackFormShortCuts();
    parts.Menus().UnhookAppMessages();
    parts.Tray().Release();
    parts.Objects().StopTimers();
    if (form_->HandleAllocated())
        ::KillTimer(form_->Handle(), kFadeTimer);
    parts.Objects().Clear();
    if (form_->HandleAllocated() && !form_->ComponentState().Contains(gui::csDestroying) &&
        !ComponentState().Contains(gui::csDesigning))
        parts.SystemState().GiveBackFormFrame();
    // A region given to the window belongs to the system, which deletes it with
    // the window or when another replaces it.
    parts.Frame().ForgetRegion();
}

void TskFormSkinEngine::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TComponent::Notification(component, operation);
    if (operation != gui::opRemove || !parts_)
        return;
    if (component == skinData_) {
        // The skin goes: its pictures with it. The objects drawn from them must
        // not outlive it, but the frame is not rebuilt until a new skin comes.
        skinData_ = nullptr;
        skinInUse_ = false;
        parts_->Objects().StopTimers();
        parts_->Objects().Clear();
        if (!InSpecialState() && form_->HandleAllocated()) {
            parts_->Frame().RemoveRegion();
            if (supportNCArea_)
                parts_->Frame().NudgeWidth();
            parts_->Frame().Repaint();
        }
    }
    if (component == menusSkinData_)
        menusSkinData_ = nullptr;
    if (component == mainMenu_)
        mainMenu_ = nullptr;
    if (component == skinHint_)
        skinHint_ = nullptr;
    parts_->SystemMenu().ComponentRemoved(component);
    parts_->Menus().ComponentRemoved(component);
    parts_->Tray().ComponentRemoved(component);
    parts_->RollUp().ComponentRemoved(component);
    parts_->MDI().ComponentRemoved(component);
}

bool TskFormSkinEngine::InSpecialState() const
{
    const gui::TComponentState state = ComponentState();
    return state.Contains(gui::csLoading) || state.Contains(gui::csDesigning) ||
           state.Contains(gui::csDestroying);
}

// ---- The window procedure ----

void TskFormSkinEngine::SkinFormWndProc(gui::TMessage& message)
{
    TskEngineParts& parts = *parts_;
    if (DismissesMenus(message.Msg))
        parts.Menus().Dismiss();
    // Minimized by the system, the form is a small title of its own.
    if (parts.Iconic().Handle(message))
        return;

    switch (message.Msg) {
    case WM_NCCREATE:
        parts.SystemState().StripCaptionStyles();
        break;
    case WM_DESTROY:
        WMDestroy(message);
        break;
    case WM_SIZE:
        parts.Frame().Sized(message);
        return;
    case WM_ACTIVATE:
        WMActivate(message);
        return;
    case WM_SETTEXT:
        WMSetText(message);
        return;
    case WM_ERASEBKGND:
        parts.Frame().EraseBackground(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
    case WM_SHOWWINDOW:
        WMShowWindow(message);
        break;
    case WM_MDIACTIVATE:
        parts.CallFormProc(message);
        // lParam is the child being activated.
        if (form_->HandleAllocated() && reinterpret_cast<HWND>(message.LParam) == form_->Handle())
            parts.MDI().ChildActivated();
        return;
    case WM_MOUSEACTIVATE:
        parts.MDI().MouseActivate();
        break;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
        info->ptMinTrackSize = POINT{GetMinWidth(), GetMinHeight()};
        info->ptMaxTrackSize = POINT{GetMaxWidth(), GetMaxHeight()};
        parts.SystemState().MaximizedPlacement(*info);
        break;
    }
    case WM_NCCALCSIZE:
        parts.Frame().NCCalcSize(message);
        return;
    case WM_NCHITTEST:
        parts.Frame().HitTest(message);
        return;
    case WM_NCPAINT:
        parts.Frame().PaintNonClient();
        message.Result = 0;
        return;
    case WM_NCACTIVATE:
        WMNCActivate(message);
        return;
    case WM_SYNCPAINT:
        if (parts.RollUp().RolledUp() && supportNCArea_) {
            parts.Frame().Repaint();
            message.Result = 0;
            return;
        }
        break;
    case WM_SYSCOMMAND:
        // The keyboard menu is the engine's own (menu mode); the system's would
        // open on a frame it does not draw.
        if ((message.WParam & 0xFFF0) == SC_KEYMENU)
            parts.Menus().KeyMenu(message);
        else
            parts.SystemState().SysCommand(message);
        return;
    case WM_WINDOWPOSCHANGING:
        // The styles follow the state before the system hands the new place
        // on, so that the two reach a window manager together.
        parts.SystemState().Apply();
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        WMNCLButton(message);
        return;
    case WM_TIMER:
        if (message.WParam == kFadeTimer && IsLayeredWindowSupported() && (alphaBlend_ || alphaBlendAnimation_))
            FadeIn();
        break;
    case WM_SIZING:
        parts.Frame().Sizing(message);
        return;
    case WM_MOVING:
        parts.Mover().Moving(message);
        return;
    case WM_ENTERSIZEMOVE:
        parts.Mover().EnterSizeMove();
        break;
    case WM_EXITSIZEMOVE:
        parts.Mover().ExitSizeMove();
        break;
    case WM_CLOSESKINMENUS:
        parts.Menus().SkinMenusClosed();
        break;
    case WM_SKINCHANGING:
        WMSkinChanging(message);
        break;
    case WM_SKINCHANGED:
        WMSkinChanged(message);
        break;
    case WM_SKINAFTERCHANGE:
        if (reinterpret_cast<TskSkinData*>(message.WParam) == skinData_ && skinData_)
            parts.MDI().RefitChildren();
        break;
    case WM_SKINSYNCPLACE:
        parts.SystemState().SyncPlace();
        return;
    case WM_MDICHILDREFIT:
        parts.MDI().ChildRefit();
        break;
    case WM_MDICHILDMAXIMIZED:
        parts.MDI().ChildWasMaximized();
        break;
    case WM_MDICHILDRESTORED:
        parts.MDI().ChildWasRestored();
        break;
    default:
        // The mouse reaches the frame's objects after the form's own procedure.
        parts.CallFormProc(message);
        parts.Objects().FormMouse(message);
        return;
    }
    parts.CallFormProc(message);
}

// ---- The handlers of the core ----

// A press on the caption that does not move the form, and a double click on
// it, are the engine's own: the system's handling would start a move that keeps
// the release, or maximize and restore a second time.
void TskFormSkinEngine::WMNCLButton(gui::TMessage& message)
{
    TskEngineParts& parts = *parts_;
    const bool own = message.WParam == HTCAPTION &&
                     (message.Msg == WM_NCLBUTTONDBLCLK ||
                      (!parts.Iconic().Iconic() && !parts.Mover().CaptionPressMoves(message)));
    if (own)
        message.Result = 0;
    else
        parts.CallFormProc(message);
    parts.Objects().FormMouse(message);
}

void TskFormSkinEngine::WMDestroy(gui::TMessage& message)
{
    (void)message;
    parts_->Objects().StopTimers();
    // The region goes with the window; a new window gets its own.
    parts_->Frame().ForgetRegion();
    // A child that goes leaves the window list, and a maximized one gives its
    // parent's caption and menu bar back.
    parts_->MDI().Leave();
}

void TskFormSkinEngine::WMActivate(gui::TMessage& message)
{
    TskEngineParts& parts = *parts_;
    parts.Mover().EndDrag();
    active_ = LOWORD(message.WParam) != WA_INACTIVE;
    parts.CallFormProc(message);
    if (supportNCArea_)
        parts.Frame().Repaint();
    if (parts.MDI().IsMaximizedChild()) {
        parts.Objects().UpdateCaptionActive(false);
        return;
    }
    if (supportNCArea_)
        parts.Objects().ClearObjectHover();
    parts.Objects().UpdateCaptionActive(true);
}

void TskFormSkinEngine::WMNCActivate(gui::TMessage& message)
{
    TskEngineParts& parts = *parts_;
    TskMDISupport& mdi = parts.MDI();
    active_ = message.WParam != 0;
    mdi.SetActive(active_);
    // The MDI procedures keep the parent and the children's activation in step;
    // for other forms the system's default handling would only paint its own
    // caption over the frame.
    if (mdi.IsChild() || mdi.IsParent())
        parts.CallFormProc(message);
    else
        message.Result = 1;
    if (mdi.IsMaximizedChild() || form_->BorderStyle() == gui::bsNone) {
        parts.Objects().UpdateCaptionActive(false);
    } else {
        // A child is deactivated by this message alone (it gets no
        // WM_ACTIVATE): a button under the mouse a moment ago loses its hover.
        if (mdi.IsChild() && !mdi.Active() && supportNCArea_)
            parts.Objects().ClearObjectHover();
        parts.Frame().Repaint();
        parts.Objects().UpdateCaptionActive(true);
    }
    // The parent's frame shows the maximized child's caption and activation.
    if (mdi.IsMaximizedChild())
        if (TskFormSkinEngine* main = mdi.MainFormEngine())
            main->RepaintFrame();
    if (mdi.IsChild())
        mdi.CheckWindowListItems(message.WParam != 0);
}

void TskFormSkinEngine::WMSetText(gui::TMessage& message)
{
    TskEngineParts& parts = *parts_;
    TskMDISupport& mdi = parts.MDI();
    parts.CallFormProc(message);
    if (form_->BorderStyle() != gui::bsNone && !mdi.IsMaximizedChild()) {
        parts.Frame().Repaint();
        if (skinInUse_)
            parts.Objects().SetMainCaption(form_->Caption());
    }
    if (mdi.IsChild()) {
        mdi.RenameWindowListItem();
        // The parent's caption names its maximized child.
        if (mdi.IsMaximizedChild())
            if (TskFormSkinEngine* main = mdi.MainFormEngine())
                main->RepaintFrame();
    }
}

void TskFormSkinEngine::WMShowWindow(gui::TMessage& message)
{
    TskEngineParts& parts = *parts_;
    TskMDISupport& mdi = parts.MDI();
    const HWND window = form_->Handle();
    if (!message.WParam) {
        mdi.RemoveWindowListItem();
        if (IsLayeredWindowSupported() && alphaBlend_)
            ::SetWindowLongPtrA(window, GWL_EXSTYLE,
                                ::GetWindowLongPtrA(window, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
        return;
    }
    if (IsLayeredWindowSupported() && (alphaBlend_ || alphaBlendAnimation_)) {
        ::SetWindowLongPtrA(window, GWL_EXSTYLE, ::GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetWindowAlpha(window, 0);
        fadeAlpha_ = 0;
        ::SetTimer(window, kFadeTimer, 1, nullptr);
    }
    if (mdi.IsParent()) {
        mdi.HookClient();
        parts.Frame().NudgeWidth();
    } else if (supportNCArea_) {
        parts.Frame().NudgeWidth();
    }
    if (mdi.IsChild())
        mdi.AddWindowListItem();
    if (!supportNCArea_)
        parts.Objects().PlaceAreaControls();
}

void TskFormSkinEngine::WMSkinChanging(gui::TMessage& message)
{
    auto* skin = reinterpret_cast<TskSkinData*>(message.WParam);
    if (skin == skinData_ && skinData_) {
        skinInUse_ = false;
        parts_->Objects().StopTimers();
        parts_->Objects().Clear();
    }
    // Every control drawing from the skin that goes lets it go, whichever
    // skin the frame has: its pictures are freed before the new skin comes.
    WalkSkinControls(skin, false);
}

void TskFormSkinEngine::WMSkinChanged(gui::TMessage& message)
{
    auto* skin = reinterpret_cast<TskSkinData*>(message.WParam);
    if (skin == skinData_ && skinData_)
        RebuildSkin();
    WalkSkinControls(skin, true);
}

}  // namespace sk
