#include "skin/popups/skin_menu.h"

#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/core/scope_exit.h"
#include "skin/imaging/layered.h"
#include "skin/popups/skin_popup_window.h"

namespace sk {

namespace {

constexpr UINT kReleaseClosedLevels = WM_USER + 1;

// WM_CLOSESKINMENUS to a control: through its window when it has one.
void SendCloseMessage(gui::TControl& control)
{
    auto* window = dynamic_cast<gui::TWinControl*>(&control);
    if (window && window->HandleAllocated())
        ::SendMessageA(window->Handle(), WM_CLOSESKINMENUS, 0, 0);
    else
        control.Perform(WM_CLOSESKINMENUS, 0, 0);
}

}  // namespace

TskSkinMenu::TskSkinMenu(gui::TComponent* owner, gui::TForm* form)
    : gui::TComponent(owner),
      form_(form),
      submenuTimer_(new gui::TTimer(this)),
      layeredWindows_(IsLayeredWindowSupported()),
      releaser_([this](gui::TMessage& m) { ReleaseClosed(m); })
{
    font_.SetName("Arial");
    font_.SetHeight(14);
    submenuTimer_->SetEnabled(false);
    submenuTimer_->SetInterval(500);
    submenuTimer_->OnTimer = [this](gui::TComponent*) { SubmenuTimerTick(); };
    if (form_)
        FreeNotification(form_);
}

TskSkinMenu::~TskSkinMenu()
{
    Destroying();
    CloseLevels(0);
    closed_.clear();
}

void TskSkinMenu::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TComponent::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == submenuTimer_)
        submenuTimer_ = nullptr;
    if (component == ownerControl_)
        ownerControl_ = nullptr;
    if (component == form_)
        form_ = nullptr;
    if (component == skinData_) {
        // The open menus draw from that skin: they go with it.
        CloseLevels(0);
        skinData_ = nullptr;
    }
}

void TskSkinMenu::SetOwnerControl(gui::TControl* control)
{
    if (ownerControl_ && ownerControl_ != form_)
        RemoveFreeNotification(ownerControl_);
    ownerControl_ = control;
    if (ownerControl_)
        FreeNotification(ownerControl_);
}

void TskSkinMenu::Popup(gui::TControl* ownerControl, TskSkinData* skinData, int startIndex, const gui::TRect& anchor,
                        gui::TMenuItem* item, bool popupUp)
{
    firstLevel_ = !menusOpen_;
    // Menus still open are closed for their own owner control, which hears of it;
    // the new owner hears when the new menus close.
    if (!levels_.empty())
        CloseLevels(0);
    SetOwnerControl(ownerControl);
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    workArea_ = gui::Rect(area.left, area.top, area.right, area.bottom);
    if (skinData_ != skinData) {
        if (skinData_)
            RemoveFreeNotification(skinData_);
        skinData_ = skinData;
        if (skinData_)
            FreeNotification(skinData_);
    }
    if (item && item->Count() > 0) {
        menusOpen_ = true;
        OpenLevel(anchor, *item, startIndex, false, popupUp);
        firstLevel_ = false;
    }
}

void TskSkinMenu::OpenLevel(const gui::TRect& anchor, gui::TMenuItem& item, int startIndex, bool submenu,
                            bool popupUp)
{
    const TskDataSkinPopupWindow* popupRecord =
        skinData_ && !skinData_->Empty() ? &skinData_->PopupWindow : nullptr;
    levels_.push_back(std::make_unique<TskSkinPopupWindow>(*this, popupRecord, skinData_));
    ++opening_;
    const auto opened = gui::ScopeExit([this] { --opening_; });
    levels_.back()->Popup(anchor, item, startIndex, submenu, popupUp);
}

void TskSkinMenu::CloseLevels(int from)
{
    if (from < 0)
        from = 0;
    while (int(levels_.size()) > from) {
        std::unique_ptr<TskSkinPopupWindow> level = std::move(levels_.back());
        levels_.pop_back();
        for (int i = 0; i < level->RowCount(); ++i)
            if (level->Rows(i) == pendingItem_)
                StopSubmenuTimer();
        level->Close();
        closed_.push_back(std::move(level));
    }
    PostRelease();
    if (from != 0)
        return;
    StopSubmenuTimer();
    menusOpen_ = false;
    if (gui::TControl* control = ownerControl_) {
        SetOwnerControl(nullptr);
        SendCloseMessage(*control);
    }
}

void TskSkinMenu::CloseMenus()
{
    CloseLevels(0);
    StopSubmenuTimer();
    if (form_)
        SendCloseMessage(*form_);
}

void TskSkinMenu::PostRelease()
{
    if (!closed_.empty() && !releasePosted_ && !ComponentState().Contains(gui::csDestroying))
        releasePosted_ = ::PostMessageA(releaser_.Handle(), kReleaseClosedLevels, 0, 0) != FALSE;
}

void TskSkinMenu::ReleaseClosed(gui::TMessage& message)
{
    if (message.Msg != kReleaseClosedLevels) {
        releaser_.DefaultHandler(message);
        return;
    }
    releasePosted_ = false;
    if (opening_ > 0)
        PostRelease();  // a level being shown may be among them: later
    else
        closed_.clear();
}

int TskSkinMenu::LevelIndex(const TskSkinPopupWindow* window) const
{
    for (size_t i = 0; i < levels_.size(); ++i)
        if (levels_[i].get() == window)
            return int(i);
    return LevelCount();
}

bool TskSkinMenu::IsMenuCloseMessage(UINT msg)
{
    switch (msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        return true;
    default:
        return false;
    }
}

void TskSkinMenu::StopSubmenuTimer()
{
    if (submenuTimer_)
        submenuTimer_->SetEnabled(false);
    pendingItem_ = nullptr;
}

void TskSkinMenu::CancelPending(const TskSkinMenuItem& row)
{
    if (pendingItem_ == &row)
        StopSubmenuTimer();
}

void TskSkinMenu::SubmenuTimerTick()
{
    TskSkinMenuItem* row = pendingItem_;
    if (row)
        ActivateRow(*row, true, false);
    if (submenuTimer_)
        submenuTimer_->SetEnabled(false);
}

void TskSkinMenu::DispatchItem(gui::TMenuItem& item)
{
    // The item's menu finds it by its command; an item of no menu is clicked
    // directly.
    if (gui::TMenu* menu = item.GetParentMenu())
        menu->DispatchCommand(item.Command());
    else
        item.Click();
}

void TskSkinMenu::ActivateRow(TskSkinMenuItem& row, bool click, bool keyboard)
{
    TskSkinPopupWindow& window = row.Window();
    const int level = LevelIndex(&window);
    gui::TMenuItem& item = row.MenuItem();
    if (item.Count() == 0) {
        StopSubmenuTimer();
        if (!click) {
            CloseLevels(level + 1);
            return;
        }
        CloseMenus();
        DispatchItem(item);
        return;
    }
    if (!click) {
        if (keyboard)
            return;  // Right or Enter opens it
        StopSubmenuTimer();
        CloseLevels(level + 1);
        pendingItem_ = &row;
        if (submenuTimer_)
            submenuTimer_->SetEnabled(true);
        return;
    }
    // The command first: its handler may fill the submenu.
    DispatchItem(item);
    StopSubmenuTimer();
    if (LevelIndex(&window) != level || level >= LevelCount())
        return;  // the handler closed the menus
    CloseLevels(level + 1);
    row.SetOpen(true);
    const gui::TPoint origin = window.ClientOrigin();
    const gui::TRect anchor = gui::Rect(row.ItemRect().Left + origin.X, row.ItemRect().Top + origin.Y,
                                        row.ItemRect().Right + origin.X, row.ItemRect().Bottom + origin.Y);
    OpenLevel(anchor, item, 0, true, false);
}

}  // namespace sk
