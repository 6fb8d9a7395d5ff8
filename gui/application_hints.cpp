// The application's hints and main form.
#include <windows.h>

#include "gui/application.h"
#include "gui/component_reference.h"
#include "gui/control.h"
#include "gui/form.h"
#include "gui/timer.h"

namespace gui {

void TApplication::SetMainForm(TForm* value)
{
    SetReference(*this, mainForm_, value);
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == mainForm_)
        mainForm_ = nullptr;
    if (component == hintWindow_) {
        hintWindow_ = nullptr;
        hintShowing_ = false;
    }
    if (component == hintTimer_)
        hintTimer_ = nullptr;
}

void TApplication::SetShowHint(bool value)
{
    if (value == showHint_)
        return;
    showHint_ = value;
    if (!value) {
        CancelHint();
        delete hintWindow_;  // its removal clears the reference
    }
}

void TApplication::SetHintWindowClass(THintWindowClass value)
{
    hintWindowClass_ = value ? std::move(value) : HintWindowClassOf<THintWindow>();
}

void TApplication::CancelHint()
{
    if (hintTimer_)
        hintTimer_->SetEnabled(false);
    if (hintWindow_ && hintShowing_)
        hintWindow_->ReleaseHandle();
    hintShowing_ = false;
    hintControl_ = nullptr;
}

bool TApplication::EndsHint(UINT message)
{
    // A click or a key acts on the control: its hint, shown or still to come, is
    // no longer wanted (the click may open a window that the hint would cover).
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

void TApplication::StartHintTimer(int interval)
{
    if (!hintTimer_) {
        hintTimer_ = new TTimer(this);
        hintTimer_->OnTimer = [this](TComponent*) { HintTimerTick(); };
    }
    hintTimer_->SetEnabled(false);
    hintTimer_->SetInterval(UINT(interval > 0 ? interval : 1));
    hintTimer_->SetEnabled(true);
}

void TApplication::HintMouseChanged(TControl* control)
{
    const bool cameFromHint = hintShowing_;
    CancelHint();
    if (!showHint_ || !control || !control->ShowHint() || control->Hint().empty())
        return;
    hintControl_ = control;
    StartHintTimer(cameFromHint ? hintShortPause_ : hintPause_);
}

void TApplication::HintTimerTick()
{
    hintTimer_->SetEnabled(false);
    if (hintShowing_) {
        CancelHint();
        return;
    }
    if (hintControl_ && hintControl_ == mouseControl_)
        ShowControlHint();
}

void TApplication::ShowControlHint()
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    THintInfo info;
    info.HintControl = hintControl_;
    info.CursorPos = Point(cursor.x, cursor.y);
    info.HintPos = Point(cursor.x, cursor.y + CursorHeightMargin());
    info.HintMaxWidth = ::GetSystemMetrics(SM_CXSCREEN);
    info.HideTimeout = hintHidePause_;
    info.HintStr = hintControl_->Hint();
    bool canShow = true;
    std::string text = info.HintStr;
    if (OnShowHint)
        OnShowHint(text, canShow, info);
    if (!canShow || text.empty()) {
        hintControl_ = nullptr;
        return;
    }
    if (!hintWindow_)
        hintWindow_ = hintWindowClass_(this);
    TRect r = hintWindow_->CalcHintRect(info.HintMaxWidth, text);
    r = Bounds(info.HintPos.X, info.HintPos.Y, r.Right - r.Left, r.Bottom - r.Top);
    hintWindow_->ActivateHint(r, text);
    hintShowing_ = true;
    if (info.HideTimeout > 0)
        StartHintTimer(info.HideTimeout);
}

}  // namespace gui
