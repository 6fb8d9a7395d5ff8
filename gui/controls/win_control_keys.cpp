// The keyboard around a windowed control: who hears that the focus moved, and the
// keys that serve the whole form (a default button's Enter, a cancel button's Esc,
// the accelerators of captions) before the focused control sees them.
#include "gui/controls/control_messages.h"
#include "gui/controls/win_control.h"

namespace gui {

namespace {

// The form (or topmost control) that a control's dialog keys belong to.
TControl* TopParent(TControl* control)
{
    while (control->Parent())
        control = control->Parent();
    return control;
}

// The answer to WM_GETDLGCODE that would let the control keep the key.
LRESULT DialogCodeOf(WPARAM key)
{
    switch (key) {
    case VK_TAB:
        return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        return DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}

}  // namespace

void TWinControl::Broadcast(TMessage& message)
{
    // Index by index: a handler may change the list.
    for (int i = 0; i < ControlCount(); ++i) {
        Controls(i)->WindowProc().Dispatch(message);
        if (message.Result != 0)
            return;
    }
}

std::vector<TWinControl*> TWinControl::TabOrderList() const
{
    std::vector<TWinControl*> list;
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        const std::vector<TWinControl*> inner = child->TabOrderList();
        list.insert(list.end(), inner.begin(), inner.end());
    }
    return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop)
{
    const std::vector<TWinControl*> list = TabOrderList();
    if (list.empty())
        return nullptr;
    const int count = int(list.size());
    int start = count;
    for (int i = 0; i < count; ++i)
        if (list[size_t(i)] == current)
            start = i;
    if (start == count)
        start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* candidate = list[size_t(i)];
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()))
            return candidate;
    } while (i != start);
    return nullptr;
}

bool TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    TWinControl* next = FindNextControl(current, goForward, checkTabStop);
    if (!next)
        return false;
    next->SetFocus();
    return true;
}

void TWinControl::WMSetFocus(TMessage& message)
{
    DefaultHandler(message);
    TopParent(this)->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
}

void TWinControl::CNKeyDown(TMessage& message)
{
    const LRESULT mask = DialogCodeOf(message.WParam);
    message.Result = mask != 0 && Perform(CM_WANTSPECIALKEY, message.WParam, 0) == 0 &&
                     (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 &&
                     TopParent(this)->Perform(CM_DIALOGKEY, message.WParam, message.LParam) != 0;
}

void TWinControl::CNChar(TMessage& message)
{
    message.Result = (Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 &&
                     TopParent(this)->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0;
}

void TWinControl::CNSysChar(TMessage& message)
{
    // Alt and a letter: an accelerator wherever the focus is; Alt+Space stays the
    // system menu's.
    message.Result = message.WParam != VK_SPACE &&
                     TopParent(this)->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0;
}

}  // namespace gui
