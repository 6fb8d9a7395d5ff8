#include "skinctrls/controls/sk_custom_edit.h"

#include <cstring>
#include <string>

#include "gui/controls/control_messages.h"

namespace sk {

namespace {

constexpr char kCopyChar = 3;  // Ctrl+C: copying changes nothing

// The length of a text's first line: up to its first line break.
size_t FirstLineLength(const char* text) { return std::strcspn(text, "\r\n"); }

bool HasLineBreak(const char* text) { return text && text[FirstLineLength(text)] != '\0'; }

// The clipboard's text; false when it holds none.
bool ReadClipboardText(HWND owner, std::string& text)
{
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(owner))
        return false;
    bool read = false;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(::GlobalLock(data))) {
            // The block may be larger than its text, and need not end in a zero.
            text.assign(chars, ::strnlen(chars, ::GlobalSize(data)));
            ::GlobalUnlock(data);
            read = true;
        }
    }
    ::CloseClipboard();
    return read;
}

}  // namespace

TskCustomEdit::TskCustomEdit(gui::TComponent* owner) : TCustomEdit(owner)
{
    SetControlStyle(ControlStyle() | gui::TControlStyle{gui::csOpaque});
}

void TskCustomEdit::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    RecreateWnd();
}

void TskCustomEdit::CreateParams(gui::TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style &= ~DWORD(WS_BORDER);
    params.ExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
    if (transparent_)
        params.ExStyle |= WS_EX_TRANSPARENT;
    if (PasswordChar() != '\0')
        params.Style |= ES_PASSWORD;
    else
        params.Style |= ES_MULTILINE;
}

void TskCustomEdit::CreateWnd()
{
    TCustomEdit::CreateWnd();
    // A text given before the window existed came in without passing the guard.
    const std::string text = Text();
    if (HasLineBreak(text.c_str()))
        Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TskCustomEdit::Invalidate()
{
    if (!transparent_) {
        TCustomEdit::Invalidate();
        return;
    }
    InvalidateControl(true);
    InvalidateWithFrame();
}

void TskCustomEdit::InvalidateWithFrame()
{
    if (HandleAllocated())
        ::RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TskCustomEdit::KeyDown(WORD& key, gui::TShiftState shift)
{
    TCustomEdit::KeyDown(key, shift);
    if (key == VK_DELETE && ReadOnly())
        key = 0;
}

void TskCustomEdit::KeyPress(char& key)
{
    TCustomEdit::KeyPress(key);
    // Enter (and Ctrl+Enter, a line feed) would start a second line in the
    // multi-line window, and Ctrl+Tab would put a tab in it: a one-line edit
    // takes neither.
    if (key == '\r' || key == '\n' || key == '\t' || (ReadOnly() && key != kCopyChar))
        key = '\0';
}

void TskCustomEdit::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_PASTE:
        WMPaste(message);
        break;
    case WM_SETTEXT:
    case EM_REPLACESEL:
        OneLine(message);
        break;
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        EditCommand(message);
        break;
    case gui::CN_CTLCOLOREDIT:
    case gui::CN_CTLCOLORSTATIC:
        CNCtlColor(message);
        break;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        break;
    case WM_GETDLGCODE:
        WMGetDlgCode(message);
        break;
    case gui::CN_COMMAND:
        CNCommand(message);
        break;
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOVE:
    case WM_LBUTTONDOWN:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        PassThenInvalidate(message);
        break;
    case WM_MOUSEMOVE:
        if (message.WParam & MK_LBUTTON)
            PassThenInvalidate(message);
        else
            TCustomEdit::WndProc(message);
        break;
    default:
        TCustomEdit::WndProc(message);
    }
}

void TskCustomEdit::PassThenInvalidate(gui::TMessage& message)
{
    TCustomEdit::WndProc(message);
    if (transparent_)
        Invalidate();
}

void TskCustomEdit::OneLine(gui::TMessage& message)
{
    const auto* text = reinterpret_cast<const char*>(message.LParam);
    if (!HasLineBreak(text)) {
        PassThenInvalidate(message);
        return;
    }
    // The window is a multi-line one underneath: a line break would make a
    // second line. Only the text before it is taken, as a one-line edit does.
    const std::string line(text, FirstLineLength(text));
    const LPARAM given = message.LParam;
    message.LParam = reinterpret_cast<LPARAM>(line.c_str());
    PassThenInvalidate(message);
    message.LParam = given;
}

void TskCustomEdit::WMPaste(gui::TMessage& message)
{
    message.Result = 0;
    std::string text;
    if (ReadOnly() || !HandleAllocated() || !ReadClipboardText(Handle(), text))
        return;
    // The system's multi-line edit would paste every line; a one-line edit
    // pastes what comes before the first line break.
    text.resize(FirstLineLength(text.c_str()));
    Perform(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TskCustomEdit::EditCommand(gui::TMessage& message)
{
    if (ReadOnly()) {
        message.Result = 0;
        return;
    }
    PassThenInvalidate(message);
}

void TskCustomEdit::CNCtlColor(gui::TMessage& message)
{
    if (!transparent_) {
        TCustomEdit::WndProc(message);
        return;
    }
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, gui::ColorToRGB(Font().Color()));
    message.Result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

void TskCustomEdit::WMEraseBkgnd(gui::TMessage& message)
{
    if (!transparent_) {
        TCustomEdit::WndProc(message);
        return;
    }
    Invalidate();
    message.Result = 1;
}

void TskCustomEdit::WMGetDlgCode(gui::TMessage& message)
{
    TCustomEdit::WndProc(message);
    // The multi-line mode claims Enter and Esc; in a one-line edit they belong to
    // the form's default and cancel buttons.
    message.Result &= ~LRESULT(DLGC_WANTALLKEYS);
}

void TskCustomEdit::CNCommand(gui::TMessage& message)
{
    TCustomEdit::WndProc(message);
    if (HIWORD(message.WParam) == EN_CHANGE && transparent_)
        Invalidate();
}

}  // namespace sk
