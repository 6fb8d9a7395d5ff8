#include "skin/forms/mdi_support.h"

#include <algorithm>
#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/core/scope_exit.h"
#include "gui/graphics/canvas.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_menu_bar.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/form_skin_engine_finders.h"
#include "skin/forms/mdi_messages.h"

namespace sk {

TskMDISupport::~TskMDISupport() = default;

bool TskMDISupport::IsChild() const { return parts_.Form().FormStyle() == gui::fsMDIChild; }

bool TskMDISupport::IsParent() const { return parts_.Form().FormStyle() == gui::fsMDIForm; }

bool TskMDISupport::IsMaximizedChild() const { return IsChild() && parts_.States().State() == wsMaximized; }

TskFormSkinEngine* TskMDISupport::MainFormEngine() const
{
    TskFormSkinEngine* engine = GetFormSkinEngine(gui::Application().MainForm());
    return engine != &parts_.Engine() ? engine : nullptr;
}

void TskMDISupport::SendToMainForm(UINT message) const
{
    gui::TForm* main = gui::Application().MainForm();
    if (main && main != &parts_.Form() && main->HandleAllocated())
        ::SendMessageA(main->Handle(), message, 0, 0);
}

gui::TRect TskMDISupport::ClientArea()
{
    gui::TForm* main = gui::Application().MainForm();
    if (!main)
        return gui::TRect{};
    const gui::TRect client = main->ClientRect();
    gui::TRect area{0, 0, client.Right, client.Bottom};
    bool right = false;
    for (int i = 0; i < main->ControlCount(); ++i) {
        gui::TControl* control = main->Controls(i);
        if (!control->Visible())
            continue;
        switch (control->Align()) {
        case gui::alTop:
            area.Top = std::max(area.Top, control->Top() + control->Height());
            break;
        case gui::alBottom:
            area.Bottom = std::min(area.Bottom, control->Top());
            break;
        case gui::alLeft:
            area.Left = std::max(area.Left, control->Left() + control->Width());
            break;
        case gui::alRight:
            area.Right = right ? std::min(area.Right, control->Left()) : control->Left();
            right = true;
            break;
        default:
            break;
        }
    }
    return area;
}

// The client window's own client area (less a border it still has when no
// engine took it away), else the space it is given.
gui::TSize TskMDISupport::ChildSpace()
{
    gui::TForm* main = gui::Application().MainForm();
    if (main && main->ClientHandle()) {
        RECT client{};
        ::GetClientRect(main->ClientHandle(), &client);
        return gui::TSize{client.right - client.left, client.bottom - client.top};
    }
    const gui::TRect area = ClientArea();
    return gui::TSize{std::max(0, area.Right - area.Left), std::max(0, area.Bottom - area.Top)};
}

TskFormSkinEngine* TskMDISupport::FindMaximizedChild()
{
    if (TskFormSkinEngine* active = GetActiveMDIChildSkinForm(); active && active->WindowState() == wsMaximized)
        return active;
    return GetMaximizedMDIChildSkinForm();
}

// ---- The client window ----

void TskMDISupport::HookClient()
{
    if (clientHook_ || !IsParent())
        return;
    clientHook_ = std::make_unique<gui::TWndProcHook>(parts_.Form().ClientWindowProc(),
                                                      [this](gui::TMessage& message) { ClientWndProc(message); });
}

void TskMDISupport::ClientWndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_SIZE:
        clientHook_->CallNext(message);
        RefitChildren();
        return;
    case WM_ERASEBKGND:
        PaintClientBackground(parts_.Form().ClientHandle(), reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        // The client window has no border: the frame around it is the form's.
        message.Result = 0;
        return;
    case WM_NCACTIVATE:
        message.Result = 1;
        return;
    default:
        clientHook_->CallNext(message);
    }
}

void TskMDISupport::PaintClientBackground(HWND client, HDC dc)
{
    if (!client || !dc)
        return;
    RECT bounds{};
    ::GetClientRect(client, &bounds);
    const gui::TRect area = gui::Rect(bounds.left, bounds.top, bounds.right, bounds.bottom);
    if (!parts_.Engine().SkinInUse()) {
        gui::TCanvas canvas(dc);
        canvas.Brush().SetColor(gui::clAppWorkSpace);
        canvas.FillRect(area);
        return;
    }
    parts_.Frame().PaintBackground(dc, area);
}

// ---- Maximized and minimized children ----

void TskMDISupport::RefitChildren()
{
    gui::TForm& form = parts_.Form();
    if (!IsParent() || !form.ClientHandle())
        return;
    for (int i = 0; i < form.MDIChildCount(); ++i)
        ::SendMessageA(form.MDIChildren(i)->Handle(), WM_MDICHILDREFIT, 0, 0);
    // Minimized children take the parking places anew, in the order they were
    // parked in: from the bottom row up, each row from the left.
    std::vector<TskFormSkinEngine*> parked;
    for (int i = 0; i < form.MDIChildCount(); ++i)
        if (TskFormSkinEngine* engine = GetFormSkinEngine(form.MDIChildren(i));
            engine && engine->WindowState() == wsMinimized)
            parked.push_back(engine);
    std::stable_sort(parked.begin(), parked.end(), [](TskFormSkinEngine* one, TskFormSkinEngine* other) {
        const gui::TForm &first = *one->Form(), &second = *other->Form();
        return first.Top() != second.Top() ? first.Top() > second.Top() : first.Left() < second.Left();
    });
    // The places they leave do not count: only those handed out here do.
    std::vector<gui::TRect> occupied;
    for (TskFormSkinEngine* engine : parked) {
        const gui::TPoint slot = TskEngineParts::Of(*engine).States().ParkingSlot(&occupied);
        const int width = engine->GetMinWidth(), height = engine->GetMinHeight();
        occupied.push_back(gui::Rect(slot.X, slot.Y, slot.X + width, slot.Y + height));
        engine->Form()->SetBounds(slot.X, slot.Y, width, height);
    }
}

void TskMDISupport::ChildRefit()
{
    if (!IsMaximizedChild())
        return;
    const gui::TSize size = ChildSpace();
    parts_.Form().SetBounds(0, 0, size.cx, size.cy);
}

void TskMDISupport::ChildWasMaximized()
{
    if (!IsParent())
        return;
    childMaximized_ = true;
    parts_.Frame().Repaint();
    if (TskFormMenuBar* bar = parts_.Menus().Bar())
        bar->MDIChildMaximized();
}

void TskMDISupport::ChildWasRestored()
{
    if (!IsParent())
        return;
    childMaximized_ = FindMaximizedChild() != nullptr;
    parts_.Frame().Repaint();
    if (TskFormMenuBar* bar = parts_.Menus().Bar())
        bar->MDIChildRestored();
}

void TskMDISupport::MouseActivate()
{
    if (!IsChild() || active_)
        return;
    gui::TForm* main = gui::Application().MainForm();
    if (main && main->ActiveMDIChild() == &parts_.Form()) {
        active_ = true;
        parts_.Objects().UpdateCaptionActive(!IsMaximizedChild());
    }
}

void TskMDISupport::Leave()
{
    if (!IsChild())
        return;
    RemoveWindowListItem();
    parts_.States().ForgetState();
    SendToMainForm(WM_MDICHILDRESTORED);
}

// The system's children keep the maximized state across the activation: the
// child that was maximized goes back to its bounds and the newly active one is
// maximized, minimized or not, so that the parent's caption and menu bar always
// stand for the child in front. The new one is maximized first: the parent's
// bar keeps its buttons throughout (its restore message finds the new one
// maximized) and the old one is restored behind it, out of sight.
void TskMDISupport::ChildActivated()
{
    gui::TForm* main = gui::Application().MainForm();
    if (!IsChild() || !main || main == &parts_.Form() || takingOverMaximized_)
        return;
    std::vector<TskFormSkinEngine*> maximized;
    for (int i = 0; i < main->MDIChildCount(); ++i)
        if (TskFormSkinEngine* other = GetFormSkinEngine(main->MDIChildren(i));
            other && other != &parts_.Engine() && other->WindowState() == wsMaximized)
            maximized.push_back(other);
    if (maximized.empty())
        return;
    // Maximizing shows the child, which asks the client window to activate it
    // again; it is the active one already, but nothing here may run twice.
    takingOverMaximized_ = true;
    const auto takenOver = gui::ScopeExit([this] { takingOverMaximized_ = false; });
    // A child that cannot be maximized comes up at its bounds, in front of the
    // others, which show theirs.
    if (parts_.Engine().BorderIcons().Contains(biMaximize))
        parts_.States().Set(wsMaximized);
    for (TskFormSkinEngine* other : maximized)
        other->SetFormState(wsNormal);
}

}  // namespace sk
