// The form skinning engine's window procedure: every message of the form passes
// here before the form's own procedure, which the engine calls or leaves out.
#include <algorithm>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/timer.h"
#include "skin/data/skin_messages.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/mdi_messages.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/imaging/layered.h"
#include "skin/popups/skin_hint.h"
#include "skin/popups/skin_menu.h"

namespace sk {

namespace {

constexpr UINT_PTR kFadeTimer = 1;

// The caption and its buttons, as the form's own border styles give them.
constexpr LONG_PTR kCaptionStyles = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

gui::TPoint ScreenPoint(const gui::TMessage& message) { return gui::MousePos(message); }

// Where the pointer was at the message being handled: the move loop's own
// measure of the pointer's movement.
gui::TPoint MessagePoint()
{
    const DWORD at = ::GetMessagePos();
    return gui::Point(short(LOWORD(at)), short(HIWORD(at)));
}

}  // namespace

void TskFormSkinEngine::CallSaved(gui::TMessage& message)
{
    if (hook_)
        hook_->CallNext(message);
}

void TskFormSkinEngine::StripCaptionStyles()
{
    // The engine draws caption and caption buttons itself; the system's would
    // be painted over the frame by the default handling of some messages. What
    // the buttons offer, the window still tells the system.
    strippedStyles_ = ::GetWindowLongPtrA(form_->Handle(), GWL_STYLE) & kCaptionStyles;
    ApplySystemStyles();
}

void TskFormSkinEngine::GiveBackFormFrame()
{
    // The engine goes before its form: the form's own procedure has it again, and
    // the window its own frame, caption and plain shape.
    const HWND window = form_->Handle();
    RemoveRegion();
    ::SetWindowLongPtrA(window, GWL_STYLE,
                        (::GetWindowLongPtrA(window, GWL_STYLE) & ~(kCaptionStyles | WS_MAXIMIZE)) | strippedStyles_);
    strippedStyles_ = 0;
    if (alphaBlend_ || alphaBlendAnimation_) {
        const LONG_PTR exStyle = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
        if (exStyle & WS_EX_LAYERED)
            ::SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
    }
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TskFormSkinEngine::BorderNone() const { return form_->BorderStyle() == gui::bsNone; }

void TskFormSkinEngine::RepaintFrame()
{
    if (!form_->HandleAllocated())
        return;
    if (supportNCArea_)
        ::SendMessageA(form_->Handle(), WM_NCPAINT, 1, 0);
    else
        form_->Invalidate();
}

void TskFormSkinEngine::SkinFormWndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_MOVE: case WM_SIZE: case WM_ACTIVATE: case WM_KILLFOCUS: case WM_CANCELMODE: case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: case WM_PARENTNOTIFY:
        DismissMenus();
        break;
    default:
        break;
    }

    // Minimized by the system, the form is a small title of its own.
    if (Iconic()) {
        if (message.Msg == WM_NCHITTEST) {
            message.Result = HTCAPTION;
            return;
        }
        if (message.Msg == WM_NCPAINT && supportNCArea_ && skinInUse_ && FrameSkinUsable()) {
            PaintIconicTitle();
            message.Result = 0;
            return;
        }
        if (IconicMouse(message))
            return;
    }

    switch (message.Msg) {
    case WM_NCCREATE:
        StripCaptionStyles();
        CallSaved(message);
        return;
    case WM_DESTROY:
        StopTimers();
        // The region goes with the window; a new window gets its own.
        region_ = nullptr;
        // A child that goes leaves the window list, and a maximized one gives
        // its parent's caption and menu bar back.
        LeaveMDIParent();
        CallSaved(message);
        return;
    case WM_SIZE:
        WMSize(message);
        return;
    case WM_ACTIVATE:
        WMActivate(message);
        return;
    case WM_SETTEXT:
        WMSetText(message);
        return;
    case WM_ERASEBKGND:
        if (supportNCArea_)
            PaintClientBackground(reinterpret_cast<HDC>(message.WParam));
        else
            PaintWholeForm(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
    case WM_SHOWWINDOW:
        WMShowWindow(message);
        return;
    case WM_MDIACTIVATE:
        CallSaved(message);
        // lParam is the child being activated.
        if (IsMDIChild() && form_->HandleAllocated() && reinterpret_cast<HWND>(message.LParam) == form_->Handle())
            MDIChildActivated();
        return;
    case WM_MOUSEACTIVATE:
        if (IsMDIChild() && !mdiActive_) {
            gui::TForm* main = gui::Application().MainForm();
            if (main && main->ActiveMDIChild() == form_) {
                mdiActive_ = true;
                UpdateCaptionActive(!IsMaximizedMDIChild());
            }
        }
        CallSaved(message);
        return;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
        info->ptMinTrackSize = POINT{GetMinWidth(), GetMinHeight()};
        info->ptMaxTrackSize = POINT{GetMaxWidth(), GetMaxHeight()};
        MaximizedPlacement(*info);
        CallSaved(message);
        return;
    }
    case WM_NCCALCSIZE:
        NCCalcSize(message);
        return;
    case WM_NCHITTEST:
        WMNCHitTest(message);
        return;
    case WM_NCPAINT:
        if (supportNCArea_ && !BorderNone() && !IsMaximizedMDIChild()) {
            if (skinInUse_ && FrameSkinUsable())
                PaintSkinFrame();
            else
                PaintDefaultFrame();
        }
        message.Result = 0;
        return;
    case WM_NCACTIVATE:
        WMNCActivate(message);
        return;
    case WM_SYNCPAINT:
        if (rolledUp_ && supportNCArea_) {
            RepaintFrame();
            message.Result = 0;
            return;
        }
        CallSaved(message);
        return;
    case WM_SYSCOMMAND:
        // The keyboard menu is the engine's own (menu mode); the system's would
        // open on a frame it does not draw.
        if ((message.WParam & 0xFFF0) == SC_KEYMENU) {
            // Alt or F10 alone; a letter with Alt came to the form's shortcuts.
            if (message.LParam == 0)
                SysKeyMenu();
            else if (message.LParam == ' ')
                SystemMenuKey();
            message.Result = 0;
            return;
        }
        WMSysCommand(message);
        return;
    case WM_WINDOWPOSCHANGING:
        // The styles follow the state before the system hands the new place
        // on, so that the two reach a window manager together.
        ApplySystemStyles();
        CallSaved(message);
        return;
    case WM_NCLBUTTONDOWN:
        if (message.WParam == HTCAPTION && !Iconic() && !CaptionPressMoves(message)) {
            message.Result = 0;
            AfterSaved(message);
            return;
        }
        break;
    case WM_NCLBUTTONDBLCLK:
        // The engine's own: the system's would maximize or restore a second time.
        if (message.WParam == HTCAPTION) {
            message.Result = 0;
            AfterSaved(message);
            return;
        }
        break;
    case WM_TIMER:
        if (message.WParam == kFadeTimer && IsLayeredWindowSupported() && (alphaBlend_ || alphaBlendAnimation_))
            FadeIn();
        CallSaved(message);
        return;
    case WM_SIZING:
        WMSizing(message);
        return;
    case WM_MOVING:
        WMMoving(message);
        return;
    case WM_ENTERSIZEMOVE:
        WMEnterSizeMove();
        CallSaved(message);
        return;
    case WM_EXITSIZEMOVE:
        moveStarted_ = false;
        if (supportNCArea_) {
            inSizeMove_ = false;
            if (skinInUse_)
                RepaintFrame();
        }
        CallSaved(message);
        return;
    case WM_CLOSESKINMENUS:
        SkinMenusClosed();
        CallSaved(message);
        return;
    case WM_SKINCHANGING:
        if (reinterpret_cast<TskSkinData*>(message.WParam) == skinData_ && skinData_) {
            skinInUse_ = false;
            StopTimers();
            hoverIndex_ = oldHoverIndex_ = capturedIndex_ = -1;
            ClearSkinObjects();
        }
        // Every control drawing from the skin that goes lets it go, whichever
        // skin the frame has: its pictures are freed before the new skin comes.
        WalkSkinControls(reinterpret_cast<TskSkinData*>(message.WParam), false);
        CallSaved(message);
        return;
    case WM_SKINCHANGED:
        if (reinterpret_cast<TskSkinData*>(message.WParam) == skinData_ && skinData_)
            RebuildSkin();
        WalkSkinControls(reinterpret_cast<TskSkinData*>(message.WParam), true);
        CallSaved(message);
        return;
    case WM_SKINAFTERCHANGE:
        if (reinterpret_cast<TskSkinData*>(message.WParam) == skinData_ && skinData_)
            RefitMDIChildren();
        CallSaved(message);
        return;
    case WM_MDICHILDREFIT:
        WMMDIChildRefit();
        CallSaved(message);
        return;
    case WM_MDICHILDMAXIMIZED:
        WMMDIChildMaximized();
        CallSaved(message);
        return;
    case WM_MDICHILDRESTORED:
        WMMDIChildRestored();
        CallSaved(message);
        return;
    default:
        break;
    }
    CallSaved(message);
    AfterSaved(message);
}

// Mouse messages, after the form's own procedure.
void TskFormSkinEngine::AfterSaved(gui::TMessage& message)
{
    const bool nc = supportNCArea_;
    switch (message.Msg) {
    case WM_NCMOUSEMOVE:
        if (nc) {
            const gui::TPoint p = ScreenToFrame(ScreenPoint(message));
            ObjectMouseMove(p.X, p.Y);
        }
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        if (nc) {
            const gui::TPoint p = ScreenToFrame(ScreenPoint(message));
            TrackObjects(p.X, p.Y, true);
            ObjectMouseDown(message.Msg == WM_NCLBUTTONDOWN ? gui::mbLeft : gui::mbRight, p.X, p.Y);
            if (message.WParam == HTCAPTION) {
                capturedIndex_ = -1;
                if (message.Msg == WM_NCRBUTTONDOWN)
                    OpenSystemMenu(ScreenPoint(message));
            }
        }
        break;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
        if (nc) {
            const gui::TPoint p = ScreenToFrame(ScreenPoint(message));
            ObjectMouseUp(message.Msg == WM_NCLBUTTONUP ? gui::mbLeft : gui::mbRight, p.X, p.Y);
        }
        break;
    case WM_NCLBUTTONDBLCLK:
        if (nc) {
            const gui::TPoint p = ScreenToFrame(ScreenPoint(message));
            TrackObjects(p.X, p.Y, true);
            ObjectMouseDown(gui::mbLeft, p.X, p.Y);
            ObjectDblClick();
            if (message.WParam == HTCAPTION) {
                if (sizeable_ && windowState_ == wsMinimized)
                    SetFormState(wsNormal);
                else if (sizeable_ && windowState_ != wsMaximized && !rolledUp_ &&
                         borderIcons_.Contains(biMaximize))
                    SetFormState(wsMaximized);
                else if (sizeable_ && windowState_ == wsMaximized && !rolledUpMaximized_)
                    SetFormState(wsNormal);
                else
                    RollUpForm(!rolledUp_);
                capturedIndex_ = -1;
            }
        }
        break;
    case WM_MOUSEMOVE:
        if (!nc) {
            const gui::TPoint p = gui::MousePos(message);
            ObjectMouseMove(p.X, p.Y);
        } else if (capturedIndex_ >= 0) {
            // A frame object pressed holds the mouse: the moves come as client
            // moves now, and a track bar or knob follows them.
            const gui::TPoint p = ScreenToFrame(form_->ClientToScreen(gui::MousePos(message)));
            ObjectMouseMove(p.X, p.Y);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        if (!nc) {
            const gui::TPoint p = gui::MousePos(message);
            ObjectMouseDown(message.Msg == WM_LBUTTONDOWN ? gui::mbLeft : gui::mbRight, p.X, p.Y);
        }
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        const gui::TMouseButton button = message.Msg == WM_LBUTTONUP ? gui::mbLeft : gui::mbRight;
        if (nc) {
            ObjectMouseUp(button, -1, -1);
        } else {
            const gui::TPoint p = gui::MousePos(message);
            ObjectMouseUp(button, p.X, p.Y);
        }
        break;
    }
    case WM_LBUTTONDBLCLK: {
        const gui::TPoint p = gui::MousePos(message);
        ObjectMouseDown(gui::mbLeft, p.X, p.Y);
        ObjectDblClick();
        if (hoverIndex_ >= 0 && IsCaptionObject(objects_[size_t(hoverIndex_)].get())) {
            if (rolledUp_)
                RollUpForm(false);
            else if (sizeable_)
                SetFormState(windowState_ == wsNormal ? wsMaximized : wsNormal);
            else
                RollUpForm(true);
        }
        break;
    }
    default:
        break;
    }
}

void TskFormSkinEngine::WMSize(gui::TMessage& message)
{
    CallSaved(message);
    // Sized by the user: a new size comes with each movement of the pointer.
    const bool liveSizing = inSizeMove_;
    // The system's own loop may have had the frame laid out for this size at
    // WM_SIZING already; a window manager's sizing brings no WM_SIZING.
    const bool fitted = liveSizing && sizingFitted_ == gui::Point(form_->Width(), form_->Height());
    sizingFitted_ = gui::Point(-1, -1);
    if (!fitted)
        FitFrameToSize();
    // The loop keeps the queue full of pointer movements, which would keep
    // the paints waiting until the pointer rests: the form and everything on
    // it paint at each new size.
    if (liveSizing && form_->HandleAllocated())
        ::RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TskFormSkinEngine::FitFrameToSize()
{
    frameWidth_ = form_->Width();
    frameHeight_ = form_->Height();
    if (skinInUse_) {
        if (supportNCArea_) {
            if (frameWidth_ >= GetMinWidth() && frameHeight_ >= GetMinHeight())
                UpdateFrame(true);
        } else if (!rolledUp_) {
            const bool stretchable = IsStretchableSkin(skinData_->FormInfo);
            if (stretchable || (form_->Width() == skinData_->Picture().Width() &&
                                form_->Height() == skinData_->Picture().Height()))
                UpdateFrame(stretchable);
        }
    } else if (supportNCArea_) {
        RepaintFrame();
    }
    if (alphaBlend_ && alphaBlendValue_ != 255 && IsLayeredWindowSupported() && supportNCArea_) {
        RepaintFrame();
        form_->Invalidate();
    }
}

void TskFormSkinEngine::WMActivate(gui::TMessage& message)
{
    EndFormDrag();
    active_ = LOWORD(message.WParam) != WA_INACTIVE;
    CallSaved(message);
    if (supportNCArea_)
        RepaintFrame();
    if (IsMaximizedMDIChild()) {
        UpdateCaptionActive(false);
        return;
    }
    if (supportNCArea_)
        ClearObjectHover();
    UpdateCaptionActive(true);
}

// Objects of an inactive frame show no hover. Once the form is inactive the
// mouse no longer tracks them, so their looks are reset here.
void TskFormSkinEngine::ClearObjectHover()
{
    ClearHover();
    for (auto& object : objects_) {
        if (IsCaptionObject(object.get()))
            continue;
        object->MouseIn = false;
        object->Active = false;
        object->MorphFactor = 0;
    }
}

void TskFormSkinEngine::WMSetText(gui::TMessage& message)
{
    CallSaved(message);
    if (!BorderNone() && !IsMaximizedMDIChild()) {
        RepaintFrame();
        if (skinInUse_)
            SetMainCaption(form_->Caption());
    }
    if (IsMDIChild()) {
        RenameWindowListItem();
        // The parent's caption names its maximized child.
        if (IsMaximizedMDIChild())
            if (TskFormSkinEngine* main = MainFormEngine())
                main->RepaintFrame();
    }
}

void TskFormSkinEngine::WMShowWindow(gui::TMessage& message)
{
    const HWND window = form_->Handle();
    if (!message.WParam) {
        RemoveWindowListItem();
        if (IsLayeredWindowSupported() && alphaBlend_)
            ::SetWindowLongPtrA(window, GWL_EXSTYLE, ::GetWindowLongPtrA(window, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
    } else {
        if (IsLayeredWindowSupported() && (alphaBlend_ || alphaBlendAnimation_)) {
            ::SetWindowLongPtrA(window, GWL_EXSTYLE, ::GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
            SetWindowAlpha(window, 0);
            fadeAlpha_ = 0;
            ::SetTimer(window, kFadeTimer, 1, nullptr);
        }
        if (IsMDIParent()) {
            HookMDIClient();
            NudgeWidth();
        } else if (supportNCArea_) {
            NudgeWidth();
        }
        if (IsMDIChild())
            AddWindowListItem();
        if (!supportNCArea_)
            PlaceAreaControls();
    }
    CallSaved(message);
}

void TskFormSkinEngine::WMNCHitTest(gui::TMessage& message)
{
    const gui::TPoint screen = ScreenPoint(message);
    if (supportNCArea_) {
        const gui::TPoint p = ScreenToFrame(screen);
        message.Result = skinInUse_ && FrameSkinUsable() ? SkinHitTest(p.X, p.Y) : DefaultHitTest(p.X, p.Y);
        if (message.Result == HTOBJECT && !mouseTimer_->Enabled()) {
            TrackObjects(p.X, p.Y, true);
            mouseTimer_->SetEnabled(true);
        }
        return;
    }
    if (!skinInUse_) {
        CallSaved(message);
        return;
    }
    const gui::TPoint p = form_->ScreenToClient(screen);
    if (!clientTracking_) {
        clientTracking_ = true;
        TrackObjects(p.X, p.Y, true);
        mouseTimer_->SetEnabled(true);
    }
    message.Result = ClientSkinHitTest(p.X, p.Y);
}

void TskFormSkinEngine::WMNCActivate(gui::TMessage& message)
{
    active_ = mdiActive_ = message.WParam != 0;
    // The MDI procedures keep the parent and the children's activation in step;
    // for other forms the system's default handling would only paint its own
    // caption over the frame.
    if (IsMDIChild() || IsMDIParent())
        CallSaved(message);
    else
        message.Result = 1;
    if (IsMaximizedMDIChild() || BorderNone()) {
        UpdateCaptionActive(false);
    } else {
        // A child is deactivated by this message alone (it gets no
        // WM_ACTIVATE): a button under the mouse a moment ago loses its hover.
        if (IsMDIChild() && !mdiActive_ && supportNCArea_)
            ClearObjectHover();
        RepaintFrame();
        UpdateCaptionActive(true);
    }
    // The parent's frame shows the maximized child's caption and activation.
    if (IsMaximizedMDIChild())
        if (TskFormSkinEngine* main = MainFormEngine())
            main->RepaintFrame();
    if (IsMDIChild())
        CheckWindowListItems(message.WParam != 0);
}

void TskFormSkinEngine::WMSizing(gui::TMessage& message)
{
    if (!(inSizeMove_ && fullDrag_)) {
        CallSaved(message);
        return;
    }
    CallSaved(message);
    const auto* r = reinterpret_cast<const RECT*>(message.LParam);
    frameWidth_ = r->right - r->left;
    frameHeight_ = r->bottom - r->top;
    if (supportNCArea_ && skinInUse_ && frameWidth_ >= GetMinWidth() && frameHeight_ >= GetMinHeight()) {
        UpdateFrame(true);
        sizingFitted_ = gui::Point(frameWidth_, frameHeight_);
    }
}

void TskFormSkinEngine::WMEnterSizeMove()
{
    if (supportNCArea_) {
        inSizeMove_ = true;
        BOOL full = FALSE;
        ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
        fullDrag_ = full != FALSE;
    }
    // The move loop starts from the press that began it.
    RECT r;
    ::GetWindowRect(form_->Handle(), &r);
    moveStartBounds_ = gui::Rect(r.left, r.top, r.right, r.bottom);
    moveStartCursor_ = MessagePoint();
    moveStarted_ = true;
}

void TskFormSkinEngine::WMMoving(gui::TMessage& message)
{
    auto* r = reinterpret_cast<RECT*>(message.LParam);
    if (windowState_ == wsMaximized && !IsMDIChild()) {
        ::GetWindowRect(form_->Handle(), r);
    } else if (magnetic_) {
        const int width = r->right - r->left, height = r->bottom - r->top;
        int left = r->left, top = r->top;
        // The system adds each movement of the pointer to the rectangle it got
        // back last time: snapped, that would hold the form at an edge for
        // every movement smaller than the snap distance.
        if (moveStarted_) {
            const gui::TPoint at = MessagePoint();
            left = moveStartBounds_.Left + at.X - moveStartCursor_.X;
            top = moveStartBounds_.Top + at.Y - moveStartCursor_.Y;
        }
        MagneticMove(left, top, height, width);
        *r = RECT{left, top, left + width, top + height};
    }
    CallSaved(message);
}

gui::TPoint TskFormSkinEngine::ScreenToFrame(gui::TPoint p)
{
    const gui::TPoint origin = FrameScreenOrigin();
    return gui::Point(p.X - origin.X, p.Y - origin.Y);
}

void TskFormSkinEngine::OpenSystemMenu(gui::TPoint screen)
{
    gui::TMenuItem* items = GetSystemMenuItems();
    SkinMenuOpen();
    skinMenu_->Popup(nullptr, menusSkinData_ ? menusSkinData_ : skinData_, 0,
                     gui::Rect(screen.X, screen.Y, screen.X, screen.Y), items, false);
}

}  // namespace sk
