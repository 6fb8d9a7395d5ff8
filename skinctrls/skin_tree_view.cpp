#include "skinctrls/skin_tree_view.h"

#include "gui/control_messages.h"
#include "skinctrls/skin_data_link.h"
#include "skinctrls/view_skin.h"

namespace sk {

TskSkinCustomTreeView::TskSkinCustomTreeView(gui::TComponent* owner) : TCustomTreeView(owner)
{
    defaultFont_.SetName("Arial");
    defaultFont_.SetHeight(14);
    defaultFont_.SetStyle({});
}

TskSkinCustomTreeView::~TskSkinCustomTreeView()
{
    // The bars outlive the view: they must not call it any more.
    SetVScrollBar(nullptr);
    SetHScrollBar(nullptr);
    Destroying();
    DestroyHandle();
}

void TskSkinCustomTreeView::SetSkinData(TskSkinData* value)
{
    if (LinkSkinData(*this, skinData_, value))
        ApplySkin();
}

void TskSkinCustomTreeView::SetDefaultFont(const gui::TFont& value)
{
    defaultFont_.Assign(value);
    if (skinIndex_ == -1)
        SetFont(defaultFont_);
}

void TskSkinCustomTreeView::SetVScrollBar(TskSkinScrollBar* value) { AttachBar(vScrollBar_, value, true); }

void TskSkinCustomTreeView::SetHScrollBar(TskSkinScrollBar* value) { AttachBar(hScrollBar_, value, false); }

void TskSkinCustomTreeView::AttachBar(TskSkinScrollBar*& field, TskSkinScrollBar* value, bool vertical)
{
    TskSkinScrollBar* other = &field == &vScrollBar_ ? hScrollBar_ : vScrollBar_;
    if (field && field != value && field != other) {
        field->OnChange = nullptr;
        RemoveFreeNotification(field);
    }
    field = value;
    if (value) {
        FreeNotification(value);
        value->SetEnabled(true);
        value->SetVisible(false);
        value->OnChange = [this, vertical](gui::TComponent*) {
            FollowBar(vertical ? vScrollBar_ : hScrollBar_, vertical ? WM_VSCROLL : WM_HSCROLL);
        };
    }
    if (!ComponentState().Contains(gui::csDestroying))
        UpdateScrollBars();
}

void TskSkinCustomTreeView::FollowBar(TskSkinScrollBar* bar, UINT msg)
{
    if (bar && HandleAllocated())
        ::SendMessageA(Handle(), msg, MAKEWPARAM(SB_THUMBPOSITION, WORD(bar->Position())), 0);
}

void TskSkinCustomTreeView::ApplySkin()
{
    if (ComponentState().Contains(gui::csLoading))
        return;
    skinIndex_ = SkinControlIndex(skinData_, skinDataName_);
    ApplyViewLook<TskDataSkinTreeView>(*this, skinData_, skinIndex_, defaultFont_, defaultColor_);
    UpdateScrollBars();
}

void TskSkinCustomTreeView::UpdateScrollBars()
{
    if (updating_ || !HandleAllocated() || ComponentState().Contains(gui::csLoading) ||
        ComponentState().Contains(gui::csDestroying))
        return;
    HWND window = Handle();
    bool changed = false;
    updating_ = true;
    if (vScrollBar_) {
        const TNativeScrollRange range = NativeScrollRange(window, SB_VERT);
        const int visibleCount = VisibleCount();
        const int count = int(::SendMessageA(window, TVM_GETCOUNT, 0, 0));
        changed |= SetBarVisible(vScrollBar_, range.Max > 0 && visibleCount <= range.Max && range.Max < count &&
                                                  Visible());
        if (vScrollBar_->Visible())
            vScrollBar_->SetRange(range.Min, range.Max, visibleCount, range.Position);
    }
    if (hScrollBar_) {
        const TNativeScrollRange range = NativeScrollRange(window, SB_HORZ);
        changed |= SetBarVisible(hScrollBar_, Width() < range.Max && Visible());
        if (hScrollBar_->Visible())
            hScrollBar_->SetRange(range.Min, range.Max, Width(), range.Position);
    }
    MatchBothBars(vScrollBar_, hScrollBar_);
    if (changed && Align() != gui::alNone && Parent())
        Parent()->Realign();
    updating_ = false;
}

void TskSkinCustomTreeView::Loaded()
{
    TCustomTreeView::Loaded();
    ApplySkin();
}

void TskSkinCustomTreeView::Notification(gui::TComponent* component, gui::TOperation operation)
{
    TCustomTreeView::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == skinData_)
        skinData_ = nullptr;
    if (component == vScrollBar_)
        vScrollBar_ = nullptr;
    if (component == hScrollBar_)
        hScrollBar_ = nullptr;
}

void TskSkinCustomTreeView::CreateParams(gui::TCreateParams& params)
{
    TCustomTreeView::CreateParams(params);
    params.Style &= ~DWORD(WS_HSCROLL | WS_VSCROLL);
}

void TskSkinCustomTreeView::Change(gui::TTreeNode* node)
{
    TCustomTreeView::Change(node);
    UpdateScrollBars();
}

void TskSkinCustomTreeView::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        // No frame and no bars of the window's own: the client area is all of it.
        message.Result = 0;
        return;
    case gui::CM_VISIBLECHANGED:
        // Hidden with the view; shown again only as far as the content needs.
        TCustomTreeView::WndProc(message);
        if (!Visible()) {
            SetBarVisible(vScrollBar_, false);
            SetBarVisible(hScrollBar_, false);
        } else {
            UpdateScrollBars();
        }
        return;
    default:
        break;
    }
    TCustomTreeView::WndProc(message);
    switch (message.Msg) {
    case WM_SIZE:
    case WM_PAINT:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
        UpdateScrollBars();  // skipped while the bars' own change resizes the view
        break;
    default:
        break;
    }
}

}  // namespace sk
