#include "skinctrls/views/skin_tree_view.h"

#include "skinctrls/views/view_skin.h"

namespace sk {

TskSkinCustomTreeView::TskSkinCustomTreeView(gui::TComponent* owner) : TskSkinView(owner, "treeview") {}

TskSkinCustomTreeView::~TskSkinCustomTreeView()
{
    // The bars outlive the view: they must not call it any more.
    SetVScrollBar(nullptr);
    SetHScrollBar(nullptr);
    Destroying();
    DestroyHandle();
}

void TskSkinCustomTreeView::FollowScrollBar(bool vertical)
{
    TskSkinScrollBar* bar = vertical ? vScrollBar_ : hScrollBar_;
    const UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
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

void TskSkinCustomTreeView::Change(gui::TTreeNode* node)
{
    TCustomTreeView::Change(node);
    UpdateScrollBars();
}

}  // namespace sk
