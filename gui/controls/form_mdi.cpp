// The multiple-document side of forms: the parent's client window, which holds
// the child forms and fills what the parent's aligned controls leave of its client
// area, the children's windows inside it, and the system's MDI procedures under
// both.
#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/find_control.h"
#include "gui/controls/form.h"
#include "gui/controls/mdi_client.h"
#include "gui/controls/menu_item.h"
#include "gui/core/component_reference.h"
#include "gui/core/exceptions.h"
#include "gui/core/string_utils.h"

namespace gui {

namespace {

// The child forms in a client window, front to back.
std::vector<TForm*> ChildForms(HWND client)
{
    std::vector<TForm*> forms;
    if (!client)
        return forms;
    for (HWND window = ::GetWindow(client, GW_CHILD); window; window = ::GetWindow(window, GW_HWNDNEXT))
        if (auto* form = dynamic_cast<TForm*>(FindControl(window)); form && form->FormStyle() == fsMDIChild)
            forms.push_back(form);
    return forms;
}

}  // namespace

HWND TForm::ClientHandle() const { return formStyle_ == fsMDIForm && mdiClient_ ? mdiClient_->Handle() : nullptr; }

TWndProcChain& TForm::ClientWindowProc()
{
    if (!mdiClient_)
        mdiClient_ = std::make_unique<TMDIClient>();
    return mdiClient_->WindowProc();
}

void TForm::SetWindowMenu(TMenuItem* value) { SetReference(*this, windowMenu_, value); }

void TForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == windowMenu_)
        windowMenu_ = nullptr;
    if (component == lastFocused_)
        lastFocused_ = nullptr;
}

void TForm::CMFocusChanged(TMessage& message)
{
    auto* control = dynamic_cast<TWinControl*>(reinterpret_cast<TControl*>(message.LParam));
    if (control != this && control && ContainsControl(control))
        SetReference(*this, lastFocused_, control);
}

void TForm::WMMDIActivate(TMessage& message)
{
    DefaultHandler(message);
    // The system gives an activated child the focus itself; the control that
    // had it inside the child gets it back.
    if (!HandleAllocated() || reinterpret_cast<HWND>(message.LParam) != Handle())
        return;
    // Not while the parent is inactive: that would bring the program forward.
    if (::GetActiveWindow() != ::GetAncestor(Handle(), GA_ROOT))
        return;
    if (lastFocused_ && ContainsControl(lastFocused_) && lastFocused_->CanFocus() && ::IsWindowVisible(Handle()))
        lastFocused_->SetFocus();
}

int TForm::MDIChildCount() const { return int(ChildForms(ClientHandle()).size()); }

TForm* TForm::MDIChildren(int index) const
{
    const std::vector<TForm*> forms = ChildForms(ClientHandle());
    if (index < 0 || index >= int(forms.size()))
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return forms[size_t(index)];
}

TForm* TForm::ActiveMDIChild() const
{
    const HWND client = ClientHandle();
    if (!client)
        return nullptr;
    const auto active = reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    auto* form = dynamic_cast<TForm*>(FindControl(active));
    return form && form->FormStyle() == fsMDIChild ? form : nullptr;
}

bool TForm::IsMDIChildWindow()
{
    return HandleAllocated() && (::GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}

HWND TForm::ParentClientHandle() { return IsMDIChildWindow() ? ::GetParent(Handle()) : nullptr; }

void TForm::MDIChildCreateParams(TCreateParams& params)
{
    params.Style = (params.Style & ~DWORD(WS_POPUP)) | WS_CHILD | WS_CLIPSIBLINGS;
    params.ExStyle |= WS_EX_MDICHILD;
    TForm* main = Application().MainForm();
    if (main && main != this && main->FormStyle() == fsMDIForm)
        params.WndParent = main->ClientHandle();
}

void TForm::CreateWnd()
{
    if (formStyle_ == fsMDIChild && !Parent()) {
        TForm* main = Application().MainForm();
        if (!main || main == this || main->FormStyle() != fsMDIForm)
            throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
        main->HandleNeeded();
        if (!main->ClientHandle())
            throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
    }
    TWinControl::CreateWnd();
    ShowProgramIcon();
    if (formStyle_ == fsMDIForm && !Parent()) {
        if (!mdiClient_)
            mdiClient_ = std::make_unique<TMDIClient>();
        RECT r{};
        ::GetClientRect(Handle(), &r);
        mdiClient_->Create(Handle(), Rect(r.left, r.top, r.right, r.bottom));
    }
}

void TForm::DestroyWnd()
{
    // A child leaves through its client window, which then activates the next
    // child and forgets this one.
    if (const HWND client = ParentClientHandle()) {
        const HWND window = Handle();
        ::SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
        if (!HandleAllocated() || Handle() != window || !::IsWindow(window))
            return;
    }
    TWinControl::DestroyWnd();
}

void TForm::DefaultHandler(TMessage& message)
{
    if (HandleAllocated()) {
        const HWND client = ClientHandle();
        // The parent places its client window itself (AlignControls): the
        // frame procedure would stretch it over the whole client area.
        if (client && message.Msg != WM_SIZE) {
            message.Result = ::DefFrameProcA(Handle(), client, message.Msg, message.WParam, message.LParam);
            return;
        }
        if (IsMDIChildWindow()) {
            message.Result = ::DefMDIChildProcA(Handle(), message.Msg, message.WParam, message.LParam);
            return;
        }
    }
    TWinControl::DefaultHandler(message);
}

void TForm::AlignControls(TControl* control, TRect& rect)
{
    TWinControl::AlignControls(control, rect);
    if (ClientHandle())
        mdiClient_->SetBounds(rect);
}

void TForm::ShowMDIChild()
{
    const HWND client = ParentClientHandle();
    if (!client)
        return;
    const HWND window = Handle();
    if (!::IsWindowVisible(window))
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
    ::SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
}

void TForm::HideMDIChild()
{
    const HWND client = ParentClientHandle();
    if (!client)
        return;
    const HWND window = Handle();
    const bool wasActive = reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) == window;
    ::ShowWindow(window, SW_HIDE);
    // The next child that shows takes over.
    if (wasActive)
        ::SendMessageA(client, WM_MDINEXT, reinterpret_cast<WPARAM>(window), 0);
}

}  // namespace gui
