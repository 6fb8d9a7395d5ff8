#include "skin/popups/skin_hint.h"

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "skin/data/skin_data_link.h"
#include "skin/imaging/layered.h"
#include "skin/popups/skin_hint_window.h"

namespace sk {

TskSkinHint::TskSkinHint(gui::TComponent* owner)
    : gui::TComponent(owner),
      hintWindow_(new TskSkinHintWindow(this)),
      objectHintTimer_(new gui::TTimer(this)),
      receiver_(std::make_shared<TskSkinHint*>(this))
{
    hintWindow_->SetVisible(false);
    objectHintTimer_->SetEnabled(false);
    objectHintTimer_->OnTimer = [this](gui::TComponent*) { ShowTick(); };
    if (ComponentState().Contains(gui::csDesigning))
        return;
    gui::TApplication& application = gui::Application();
    application.SetHintWindowClass(gui::HintWindowClassOf<TskSkinHintWindow>());
    // A hint window of the old class goes; the next hint makes one of the new.
    application.SetShowHint(!application.ShowHint());
    application.SetShowHint(!application.ShowHint());
    ReceiveShowHint();
    application.SetHintShortPause(100);
}

TskSkinHint::~TskSkinHint()
{
    Destroying();
    // The application may still call the notification it was given: it finds no one.
    *receiver_ = nullptr;
    DestroyComponents();
}

void TskSkinHint::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TComponent::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == skinData_)
        skinData_ = nullptr;
    if (component == objectHintTimer_)
        objectHintTimer_ = nullptr;
}

void TskSkinHint::SetAlphaBlendSupport(bool value)
{
    alphaBlendSupport_ = value && (IsLayeredWindowSupported() || ComponentState().Contains(gui::csDesigning));
}

void TskSkinHint::SetSkinData(TskSkinData* value)
{
    LinkSkinData(*this, skinData_, value);
}

void TskSkinHint::SetActive(bool value)
{
    active_ = value;
    if (value) {
        if (gui::TForm* mainForm = gui::Application().MainForm()) {
            for (int i = 0; i < mainForm->ComponentCount(); ++i) {
                auto* other = dynamic_cast<TskSkinHint*>(mainForm->Components(i));
                if (other && other != this && other->Active())
                    other->SetActive(false);
            }
        }
    }
    if (!ComponentState().Contains(gui::csDesigning) && active_)
        ReceiveShowHint();
}

void TskSkinHint::ReceiveShowHint()
{
    std::weak_ptr<TskSkinHint*> receiver = receiver_;
    gui::Application().OnShowHint = [receiver](std::string& hintText, bool& canShow, gui::THintInfo& hintInfo) {
        const auto alive = receiver.lock();
        TskSkinHint* hint = alive ? *alive : nullptr;
        if (hint && hint->OnShowHint)
            hint->OnShowHint(hintText, canShow, hintInfo);
    };
}

void TskSkinHint::ShowObjectHint(const std::string& text)
{
    objectHintText_ = text;
    if (!objectHintTimer_)
        return;
    objectHintShowing_ = false;
    objectHintTimer_->SetEnabled(false);
    objectHintTimer_->SetInterval(UINT(gui::Application().HintPause()));
    objectHintTimer_->SetEnabled(true);
}

void TskSkinHint::HideObjectHint()
{
    if (objectHintTimer_)
        objectHintTimer_->SetEnabled(false);
    objectHintShowing_ = false;
    if (hintWindow_->Visible()) {
        hintWindow_->SetVisible(false);
        ::SetWindowPos(hintWindow_->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    }
}

void TskSkinHint::ShowTick()
{
    if (!objectHintTimer_ || !objectHintTimer_->Enabled())
        return;
    if (objectHintShowing_) {
        HideObjectHint();
        return;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const int y = cursor.y + gui::CursorHeightMargin();
    hintWindow_->ActivateHint(gui::Rect(cursor.x, y, cursor.x, y), objectHintText_);
    hintWindow_->SetVisible(true);
    objectHintShowing_ = true;
    objectHintTimer_->SetEnabled(false);
    objectHintTimer_->SetInterval(UINT(gui::Application().HintHidePause()));
    objectHintTimer_->SetEnabled(true);
}

}  // namespace sk
