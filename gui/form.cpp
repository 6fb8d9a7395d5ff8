#include "gui/form.h"

#include "gui/control_messages.h"
#include "gui/find_control.h"
#include "gui/screen.h"

namespace gui {

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen().AddForm(this);
}

TForm::~TForm()
{
    Destroying();
    // The form's components may still use its window while they go.
    DestroyComponents();
    Screen().RemoveForm(this);
}

void TForm::Show()
{
    SetVisible(true);
    BringToFront();
}

TWinControl* TForm::ActiveControl() const
{
    TWinControl* focused = FindControl(::GetFocus());
    return focused && (focused == this || ContainsControl(focused)) ? focused : nullptr;
}

void TForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.WinClassName = "TForm";
    if (Parent())
        return;
    params.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    params.WndParent = nullptr;
}

void TForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_VISIBLECHANGED:
        CMVisibleChanged(message);
        break;
    case WM_CLOSE:
        WMClose(message);
        break;
    default:
        TWinControl::WndProc(message);
    }
}

void TForm::CMVisibleChanged(TMessage& message)
{
    // A top-level form shown without a window gets one, made visible.
    if (!Parent() && Visible() && !HandleAllocated())
        HandleNeeded();
    else
        TWinControl::WndProc(message);
}

void TForm::WMClose(TMessage& message)
{
    // The default handling would destroy the window under the form, which still
    // counts itself visible and would show a new one at its next use.
    Close();
    message.Result = 0;
}

TForm* GetParentForm(TControl* control)
{
    if (!control)
        return nullptr;
    while (control->Parent())
        control = control->Parent();
    return dynamic_cast<TForm*>(control);
}

}  // namespace gui
