// Multiple-document forms. The engine of the parent (the application's main form)
// paints the background of the client window and takes its border away, names a
// maximized child in its caption and has its menu bar show the child's buttons;
// the engines of the children park minimized children inside the client window,
// let a maximized one fill it without a frame of its own (and hand that state
// to the child activated after it), and keep the window list under the parent's
// WindowMenu: an item per shown child, with a check mark on the active one.
#include <algorithm>
#include <string>
#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu_item.h"
#include "gui/controls/timer.h"
#include "gui/graphics/canvas.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/form_skin_engine_finders.h"
#include "skin/forms/mdi_messages.h"

namespace sk {

namespace {

constexpr char kChildItemSuffix[] = "_DSFCHILDITEM";
constexpr char kDividerName[] = "DIVIDER_DSFCHILDITEM";

bool IsChildItem(const gui::TMenuItem& item)
{
    const std::string& name = item.Name();
    return name.find(kChildItemSuffix) != std::string::npos && name.find("DIVIDER") == std::string::npos;
}

gui::TMenuItem* FindDivider(gui::TMenuItem& menu)
{
    for (int i = 0; i < menu.Count(); ++i)
        if (menu.Items(i)->Name() == kDividerName)
            return menu.Items(i);
    return nullptr;
}

// Every child whose name the item carries comes to the front, restored when it
// was minimized.
void ShowChildOfItem(gui::TComponent* sender)
{
    auto* item = dynamic_cast<gui::TMenuItem*>(sender);
    gui::TForm* main = gui::Application().MainForm();
    if (!item || !main)
        return;
    const std::string name = item->Name().substr(0, item->Name().rfind(kChildItemSuffix));
    for (int i = 0; i < main->MDIChildCount(); ++i) {
        gui::TForm* child = main->MDIChildren(i);
        if (child->Name() != name)
            continue;
        if (TskFormSkinEngine* engine = GetFormSkinEngine(child); engine && engine->WindowState() == wsMinimized)
            engine->SetFormState(wsNormal);
        child->Show();
    }
}

}  // namespace

bool TskFormSkinEngine::IsMDIChild() const { return form_->FormStyle() == gui::fsMDIChild; }

bool TskFormSkinEngine::IsMDIParent() const { return form_->FormStyle() == gui::fsMDIForm; }

bool TskFormSkinEngine::IsMaximizedMDIChild() const { return IsMDIChild() && windowState_ == wsMaximized; }

TskFormSkinEngine* TskFormSkinEngine::MainFormEngine() const
{
    TskFormSkinEngine* engine = GetFormSkinEngine(gui::Application().MainForm());
    return engine != this ? engine : nullptr;
}

void TskFormSkinEngine::SendToMainForm(UINT message) const
{
    gui::TForm* main = gui::Application().MainForm();
    if (main && main != form_ && main->HandleAllocated())
        ::SendMessageA(main->Handle(), message, 0, 0);
}

gui::TRect TskFormSkinEngine::MDIClientArea()
{
    gui::TForm* main = gui::Application().MainForm();
    if (!main)
        return gui::TRect{};
    const gui::TRect client = main->ClientRect();
    gui::TRect area{0, 0, client.Right, client.Bottom};
    bool right = false;
    for (int i = 0; i < main->ControlCount(); ++i) {
        gui::TControl* c = main->Controls(i);
        if (!c->Visible())
            continue;
        switch (c->Align()) {
        case gui::alTop:
            area.Top = std::max(area.Top, c->Top() + c->Height());
            break;
        case gui::alBottom:
            area.Bottom = std::min(area.Bottom, c->Top());
            break;
        case gui::alLeft:
            area.Left = std::max(area.Left, c->Left() + c->Width());
            break;
        case gui::alRight:
            area.Right = right ? std::min(area.Right, c->Left()) : c->Left();
            right = true;
            break;
        default:
            break;
        }
    }
    return area;
}

// The size the children have to live in: the client window's own client area
// (less a border it still has when no engine took it away), else the space it
// is given.
gui::TSize TskFormSkinEngine::MDIChildSpace()
{
    gui::TForm* main = gui::Application().MainForm();
    if (main && main->ClientHandle()) {
        RECT r{};
        ::GetClientRect(main->ClientHandle(), &r);
        return gui::TSize{r.right - r.left, r.bottom - r.top};
    }
    const gui::TRect area = MDIClientArea();
    return gui::TSize{std::max(0, area.Right - area.Left), std::max(0, area.Bottom - area.Top)};
}

TskFormSkinEngine* TskFormSkinEngine::FindMaximizedChild() const
{
    if (TskFormSkinEngine* active = GetActiveMDIChildSkinForm(); active && active->WindowState() == wsMaximized)
        return active;
    return GetMaximizedMDIChildSkinForm();
}

// ---- The client window ----

void TskFormSkinEngine::HookMDIClient()
{
    if (mdiClientHook_ || !IsMDIParent())
        return;
    mdiClientHook_ = std::make_unique<gui::TWndProcHook>(form_->ClientWindowProc(),
                                                         [this](gui::TMessage& m) { MDIClientWndProc(m); });
}

void TskFormSkinEngine::MDIClientWndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_SIZE:
        mdiClientHook_->CallNext(message);
        RefitMDIChildren();
        return;
    case WM_ERASEBKGND:
        PaintMDIClientBackground(form_->ClientHandle(), reinterpret_cast<HDC>(message.WParam));
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
        mdiClientHook_->CallNext(message);
    }
}

void TskFormSkinEngine::PaintMDIClientBackground(HWND client, HDC dc)
{
    if (!client || !dc)
        return;
    RECT r{};
    ::GetClientRect(client, &r);
    const gui::TRect area = gui::Rect(r.left, r.top, r.right, r.bottom);
    if (!skinInUse_) {
        gui::TCanvas canvas(dc);
        canvas.Brush().SetColor(gui::clAppWorkSpace);
        canvas.FillRect(area);
        return;
    }
    PaintBackground(dc, area);
}

// ---- Maximized and minimized children ----

void TskFormSkinEngine::RefitMDIChildren()
{
    if (!IsMDIParent() || !form_->ClientHandle())
        return;
    for (int i = 0; i < form_->MDIChildCount(); ++i)
        ::SendMessageA(form_->MDIChildren(i)->Handle(), WM_MDICHILDREFIT, 0, 0);
    // Minimized children take the parking places anew, in the order they were
    // parked in: from the bottom row up, each row from the left.
    std::vector<TskFormSkinEngine*> parked;
    for (int i = 0; i < form_->MDIChildCount(); ++i)
        if (TskFormSkinEngine* engine = GetFormSkinEngine(form_->MDIChildren(i));
            engine && engine->WindowState() == wsMinimized)
            parked.push_back(engine);
    std::stable_sort(parked.begin(), parked.end(), [](TskFormSkinEngine* a, TskFormSkinEngine* b) {
        const gui::TForm &p = *a->Form(), &q = *b->Form();
        return p.Top() != q.Top() ? p.Top() > q.Top() : p.Left() < q.Left();
    });
    // The places they leave do not count: only those handed out here do.
    std::vector<gui::TRect> occupied;
    for (TskFormSkinEngine* engine : parked) {
        const gui::TPoint slot = engine->ParkingSlot(&occupied);
        const int w = engine->GetMinWidth(), h = engine->GetMinHeight();
        occupied.push_back(gui::Rect(slot.X, slot.Y, slot.X + w, slot.Y + h));
        engine->Form()->SetBounds(slot.X, slot.Y, w, h);
    }
}

void TskFormSkinEngine::WMMDIChildRefit()
{
    if (!IsMaximizedMDIChild())
        return;
    const gui::TSize size = MDIChildSpace();
    form_->SetBounds(0, 0, size.cx, size.cy);
}

void TskFormSkinEngine::WMMDIChildMaximized()
{
    if (!IsMDIParent())
        return;
    childMaximized_ = true;
    RepaintFrame();
    if (mainMenuBar_)
        mainMenuBar_->MDIChildMaximized();
}

void TskFormSkinEngine::WMMDIChildRestored()
{
    if (!IsMDIParent())
        return;
    childMaximized_ = FindMaximizedChild() != nullptr;
    RepaintFrame();
    if (mainMenuBar_)
        mainMenuBar_->MDIChildRestored();
}

void TskFormSkinEngine::LeaveMDIParent()
{
    if (!IsMDIChild())
        return;
    RemoveWindowListItem();
    windowState_ = wsNormal;
    SendToMainForm(WM_MDICHILDRESTORED);
}

// The system's children keep the maximized state across the activation: the
// child that was maximized goes back to its bounds and the newly active one is
// maximized, minimized or not, so that the parent's caption and menu bar always
// stand for the child in front. The new one is maximized first: the parent's
// bar keeps its buttons throughout (its restore message finds the new one
// maximized) and the old one is restored behind it, out of sight.
void TskFormSkinEngine::MDIChildActivated()
{
    gui::TForm* main = gui::Application().MainForm();
    if (!IsMDIChild() || !main || main == form_ || takingOverMaximized_)
        return;
    std::vector<TskFormSkinEngine*> maximized;
    for (int i = 0; i < main->MDIChildCount(); ++i)
        if (TskFormSkinEngine* other = GetFormSkinEngine(main->MDIChildren(i));
            other && other != this && other->WindowState() == wsMaximized)
            maximized.push_back(other);
    if (maximized.empty())
        return;
    // Maximizing shows the child, which asks the client window to activate it
    // again; it is the active one already, but nothing here may run twice.
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{takingOverMaximized_};
    takingOverMaximized_ = true;
    // A child that cannot be maximized comes up at its bounds, in front of the
    // others, which show theirs.
    if (borderIcons_.Contains(biMaximize))
        SetFormState(wsMaximized);
    for (TskFormSkinEngine* other : maximized)
        other->SetFormState(wsNormal);
}

// ---- The window list ----

void TskFormSkinEngine::AddWindowListItem()
{
    TskFormSkinEngine* main = MainFormEngine();
    gui::TMenuItem* menu = main ? main->Form()->WindowMenu() : nullptr;
    if (!IsMDIChild() || !menu || windowListItem_)
        return;
    if (!FindDivider(*menu)) {
        auto* divider = new gui::TMenuItem(main);
        divider->SetName(kDividerName);
        divider->SetCaption("-");
        menu->Add(divider);
    }
    auto* item = new gui::TMenuItem(main);
    item->SetName(form_->Name() + kChildItemSuffix);
    item->SetCaption(form_->Caption());
    item->OnClick = ShowChildOfItem;
    menu->Add(item);
    windowListItem_ = item;
    item->FreeNotification(this);
}

void TskFormSkinEngine::RemoveWindowListItem()
{
    gui::TMenuItem* item = windowListItem_;
    if (!item)
        return;
    windowListItem_ = nullptr;
    item->RemoveFreeNotification(this);
    gui::TMenuItem* menu = item->Parent();
    delete item;
    if (!menu)
        return;
    for (int i = 0; i < menu->Count(); ++i)
        if (IsChildItem(*menu->Items(i)))
            return;
    // The last child went: so does the line above the list.
    delete FindDivider(*menu);
}

void TskFormSkinEngine::RenameWindowListItem()
{
    if (windowListItem_)
        windowListItem_->SetCaption(form_->Caption());
}

void TskFormSkinEngine::CheckWindowListItems(bool active)
{
    gui::TForm* main = gui::Application().MainForm();
    gui::TMenuItem* menu = main && MainFormEngine() ? main->WindowMenu() : nullptr;
    if (!menu)
        return;
    // While this child loses the activation, the one taking it over may not be
    // known yet: it sets its own mark when its turn comes.
    gui::TForm* activeChild = active ? form_ : main->ActiveMDIChild();
    if (!active && activeChild == form_)
        activeChild = nullptr;
    TskFormSkinEngine* activeEngine = GetFormSkinEngine(activeChild);
    const gui::TMenuItem* activeItem = activeEngine ? activeEngine->windowListItem_ : nullptr;
    for (int i = 0; i < menu->Count(); ++i) {
        gui::TMenuItem* item = menu->Items(i);
        if (IsChildItem(*item))
            item->SetChecked(item == activeItem);
    }
}

}  // namespace sk
