// The keyboard of the edit's browse button: a stop of its own between the text
// and the next control. The edit keeps the system's focus all the while; the
// button only takes the keys over, shows its active look and hides the caret.
#include "gui/controls/shift_state.h"
#include "gui/core/scope_exit.h"
#include "skinctrls/controls/skin_custom_edit.h"

namespace sk {

namespace {

// A key press that repeats a key held down.
bool Repeated(LPARAM lParam) { return (lParam & (LPARAM(1) << 30)) != 0; }

}  // namespace

bool TskSkinCustomEdit::ButtonFocused() const { return buttonMode_ && buttonKeys_ && Focused(); }

bool TskSkinCustomEdit::ButtonWantsKey(WPARAM key) const
{
    if (!buttonMode_ || !Enabled())
        return false;
    const gui::TShiftState shift = gui::KeyboardShiftState();
    if (shift.Contains(gui::ssCtrl) || shift.Contains(gui::ssAlt))
        return false;
    // Tab goes from the text to the button, Shift+Tab from the button back to
    // the text; the other way each leaves the edit for the form.
    if (key == VK_TAB)
        return shift.Contains(gui::ssShift) ? buttonKeys_ : !buttonKeys_;
    // Enter clicks the button that has the keys, not the form's default button.
    return key == VK_RETURN && buttonKeys_;
}

void TskSkinCustomEdit::SetButtonKeys(bool value)
{
    buttonKeys_ = value;
    if (HandleAllocated() && Focused()) {
        if (value) {
            // The text shows neither a selection nor a caret while it has no keys.
            Perform(EM_SETSEL, WPARAM(-1), 0);
            if (!caretHidden_)
                caretHidden_ = ::HideCaret(Handle()) != FALSE;
        } else {
            if (caretHidden_ && ::ShowCaret(Handle()))
                caretHidden_ = false;
            // Back in the text as Tab brings one there: all of it selected.
            SelectAll();
        }
    }
    Invalidate();
}

void TskSkinCustomEdit::ClickButtonFromKeys()
{
    {
        clickingFromKeys_ = true;
        const auto clicked = gui::ScopeExit([this] { clickingFromKeys_ = false; });
        ButtonClick();
    }
    Invalidate();
}

void TskSkinCustomEdit::CMWantSpecialKey(gui::TMessage& message)
{
    if (ButtonWantsKey(message.WParam)) {
        message.Result = 1;
        return;
    }
    TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::WMKeyDown(gui::TMessage& message)
{
    if (buttonMode_ && message.WParam == VK_TAB && ButtonWantsKey(VK_TAB)) {
        SetButtonKeys(!buttonKeys_);
        message.Result = 0;
        return;
    }
    if (buttonMode_ && buttonKeys_) {
        if ((message.WParam == VK_RETURN || message.WParam == VK_SPACE) && !Repeated(message.LParam))
            ClickButtonFromKeys();
        message.Result = 0;
        return;  // the text takes no keys while the button has them
    }
    TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::WMChar(gui::TMessage& message)
{
    // The characters of the button's keys (a Tab's too, which the window's
    // multi-line mode would insert) never reach the text.
    if (buttonMode_ && (buttonKeys_ || message.WParam == '\t')) {
        message.Result = 0;
        return;
    }
    TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::WMLButtonDown(gui::TMessage& message)
{
    // A click in the text gives the keys back to the text.
    if (buttonKeys_)
        SetButtonKeys(false);
    TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::ButtonKeysOnSetFocus()
{
    if (!buttonMode_)
        return;
    caretHidden_ = false;  // the system made the caret anew
    // The focus that comes back from the button's dialog returns to the button;
    // Shift+Tab from the next control comes to the button first, as its last stop.
    if (!clickingFromKeys_)
        buttonKeys_ = ::GetKeyState(VK_TAB) < 0 && ::GetKeyState(VK_SHIFT) < 0;
    if (buttonKeys_)
        SetButtonKeys(true);
}

void TskSkinCustomEdit::ButtonKeysOnKillFocus()
{
    if (!clickingFromKeys_)
        buttonKeys_ = false;
    caretHidden_ = false;  // the system takes the caret away
    Invalidate();
}

}  // namespace sk
