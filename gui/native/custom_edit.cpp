#include "gui/native/custom_edit.h"

#include "gui/controls/control_messages.h"
#include "gui/native/native_class.h"

namespace gui {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    // The system's edit captures the mouse itself while it selects.
    SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 121, 25);
    SetTabStop(true);
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    CreateSubClass(params, "EDIT");
    params.WinClassName = "TCustomEdit";
    params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    params.ExStyle |= WS_EX_CLIENTEDGE;
    if (readOnly_)
        params.Style |= ES_READONLY;
    if (charCase_ == ecUpperCase)
        params.Style |= ES_UPPERCASE;
    else if (charCase_ == ecLowerCase)
        params.Style |= ES_LOWERCASE;
    if (!hideSelection_)
        params.Style |= ES_NOHIDESEL;
    if (oemConvert_)
        params.Style |= ES_OEMCONVERT;
    if (passwordChar_ != '\0')
        params.Style |= ES_PASSWORD;
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    Perform(EM_LIMITTEXT, WPARAM(maxLength_), 0);
    if (passwordChar_ != '\0')
        Perform(EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
    Perform(EM_SETMODIFY, modified_, 0);
}

void TCustomEdit::SetReadOnly(bool value)
{
    readOnly_ = value;
    if (HandleAllocated())
        Perform(EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetMaxLength(int value)
{
    maxLength_ = value < 0 ? 0 : value;
    if (HandleAllocated())
        Perform(EM_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomEdit::SetCharCase(TEditCharCase value)
{
    if (value == charCase_)
        return;
    charCase_ = value;
    RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool value)
{
    if (value == hideSelection_)
        return;
    hideSelection_ = value;
    RecreateWnd();
}

void TCustomEdit::SetOEMConvert(bool value)
{
    if (value == oemConvert_)
        return;
    oemConvert_ = value;
    RecreateWnd();
}

void TCustomEdit::SetPasswordChar(char value)
{
    if (value == passwordChar_)
        return;
    passwordChar_ = value;
    RecreateWnd();
}

bool TCustomEdit::Modified()
{
    if (HandleAllocated())
        modified_ = Perform(EM_GETMODIFY, 0, 0) != 0;
    return modified_;
}

void TCustomEdit::SetModified(bool value)
{
    modified_ = value;
    if (HandleAllocated())
        Perform(EM_SETMODIFY, value, 0);
}

int TCustomEdit::SelStart()
{
    DWORD start = 0;
    Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return int(start);
}

void TCustomEdit::SetSelStart(int value) { Perform(EM_SETSEL, WPARAM(value), LPARAM(value)); }

int TCustomEdit::SelLength()
{
    DWORD start = 0, end = 0;
    Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return int(end - start);
}

void TCustomEdit::SetSelLength(int value)
{
    const int start = SelStart();
    Perform(EM_SETSEL, WPARAM(start), LPARAM(start + value));
    Perform(EM_SCROLLCARET, 0, 0);
}

std::string TCustomEdit::SelText()
{
    const std::string text = Text();
    const size_t start = size_t(SelStart());
    return start < text.size() ? text.substr(start, size_t(SelLength())) : std::string();
}

void TCustomEdit::SetSelText(const std::string& value)
{
    Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomEdit::SelectAll() { Perform(EM_SETSEL, 0, -1); }

void TCustomEdit::ClearSelection() { Perform(WM_CLEAR, 0, 0); }

void TCustomEdit::CopyToClipboard() { Perform(WM_COPY, 0, 0); }

void TCustomEdit::CutToClipboard() { Perform(WM_CUT, 0, 0); }

void TCustomEdit::PasteFromClipboard() { Perform(WM_PASTE, 0, 0); }

bool TCustomEdit::CanUndo() { return HandleAllocated() && Perform(EM_CANUNDO, 0, 0) != 0; }

void TCustomEdit::Undo() { Perform(WM_UNDO, 0, 0); }

void TCustomEdit::ClearUndo() { Perform(EM_EMPTYUNDOBUFFER, 0, 0); }

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        CNCommand(message);
        break;
    case WM_SETFOCUS:
        WMSetFocus(message);
        break;
    default:
        TWinControl::WndProc(message);
    }
}

void TCustomEdit::CNCommand(TMessage& message)
{
    // The text the window is made with is no change.
    if (HIWORD(message.WParam) == EN_CHANGE && !ControlState().Contains(csCreating))
        Change();
}

void TCustomEdit::WMSetFocus(TMessage& message)
{
    TWinControl::WndProc(message);
    // A click places the caret where it falls; the keyboard brings the whole text.
    if (autoSelect_ && ::GetKeyState(VK_LBUTTON) >= 0 && HandleAllocated())
        SelectAll();
}

}  // namespace gui
