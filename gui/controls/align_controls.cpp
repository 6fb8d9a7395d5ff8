// Alignment and anchoring of a windowed control's children.
#include <algorithm>

#include "gui/controls/win_control.h"

namespace gui {

namespace {

// Whether c1 goes before c2 among the children of one alignment: nearer the
// edge they are aligned to.
bool InsertBefore(const TControl* c1, const TControl* c2, TAlign align)
{
    switch (align) {
    case alTop:
        return c1->Top() < c2->Top();
    case alBottom:
        return c1->Top() + c1->Height() >= c2->Top() + c2->Height();
    case alLeft:
        return c1->Left() < c2->Left();
    case alRight:
        return c1->Left() + c1->Width() >= c2->Left() + c2->Width();
    default:
        return false;
    }
}

}  // namespace

void TWinControl::EnableAlign()
{
    if (alignLevel_ > 0 && --alignLevel_ == 0 && ControlState().Contains(csAlignmentNeeded))
        Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* control)
{
    if (ComponentState().Contains(csDestroying))
        return;
    if (alignLevel_ > 0 || ComponentState().Contains(csLoading)) {
        SetControlStateFlag(csAlignmentNeeded, true);
        return;
    }
    DisableAlign();
    SetControlStateFlag(csAlignmentNeeded, false);
    aligning_ = true;
    try {
        TRect rect = ClientRect();
        AlignControls(control, rect);
    } catch (...) {
        aligning_ = false;
        EnableAlign();
        throw;
    }
    aligning_ = false;
    EnableAlign();
}

void TWinControl::AlignControls(TControl* control, TRect& rect)
{
    // Anchors measure from the whole client area, aligned children or not.
    const int width = rect.Right - rect.Left, height = rect.Bottom - rect.Top;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Align() == alNone && c->Anchors() != TAnchors{akLeft, akTop})
            c->Anchor(width, height);
    }
    AdjustClientRect(rect);
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient})
        AlignGroup(control, align, rect);
}

void TWinControl::AlignGroup(TControl* control, TAlign align, TRect& rect)
{
    std::vector<TControl*> list;
    if (control && control->Parent() == this && control->Align() == align && control->Visible())
        list.push_back(control);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c == control || c->Align() != align || !c->Visible())
            continue;
        auto at = list.begin();
        while (at != list.end() && !InsertBefore(c, *at, align))
            ++at;
        list.insert(at, c);
    }
    for (TControl* c : list) {
        // Each child may keep a size of its own (a skinned control snaps to its
        // skin): the space it takes is what it has afterwards.
        const int width = std::max(0, rect.Right - rect.Left), height = std::max(0, rect.Bottom - rect.Top);
        switch (align) {
        case alTop:
            c->SetBounds(rect.Left, rect.Top, width, c->Height());
            rect.Top += c->Height();
            break;
        case alBottom:
            c->SetBounds(rect.Left, rect.Bottom - c->Height(), width, c->Height());
            rect.Bottom -= c->Height();
            break;
        case alLeft:
            c->SetBounds(rect.Left, rect.Top, c->Width(), height);
            rect.Left += c->Width();
            break;
        case alRight:
            c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), height);
            rect.Right -= c->Width();
            break;
        default:
            c->SetBounds(rect.Left, rect.Top, width, height);
        }
    }
}

}  // namespace gui
