// The library's edit over the system's EDIT, and the edit beneath the skinned
// ones: text and selection, change events, read-only guards, Enter, and the keys
// that belong to the form.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "control_fixture.h"
#include "gui/controls/control_messages.h"
#include "gui/native/custom_edit.h"
#include "skinctrls/controls/sk_custom_edit.h"

using namespace gui;
using sk::TskCustomEdit;

namespace {

// A control of the form that takes Enter and Esc as dialog keys.
class DialogKeys : public TWinControl {
public:
    using TWinControl::TWinControl;
    int enters = 0, escapes = 0;

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == CM_DIALOGKEY && (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE)) {
            ++(message.WParam == VK_RETURN ? enters : escapes);
            message.Result = 1;
            return;
        }
        TWinControl::WndProc(message);
    }
};

class EditTest : public ::testing::Test, public skinctrlstest::ControlTest {
protected:
    template <typename T>
    T* Make()
    {
        auto* e = new T(&form);
        e->SetBounds(10, 10, 150, 22);
        e->SetParent(&form);
        e->OnChange = [this](TComponent*) { ++changes; };
        e->OnKeyPress = [this](TComponent*, char& key) { pressed += key; };
        return e;
    }
    // Characters and keys as the message loop delivers them to the focused window.
    static void Type(const std::string& text)
    {
        for (char c : text)
            ::PostMessageA(::GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        Wait(0);
    }
    static void Key(WORD key)
    {
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageA(::GetFocus(), WM_KEYUP, key, 0xC0000001);
        Wait(0);
    }
    // The loop translates the key into its character.
    static void Enter() { Key(VK_RETURN); }
    static void SetClipboardText(const std::string& text)
    {
        ASSERT_TRUE(::OpenClipboard(nullptr));
        ::EmptyClipboard();
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        std::memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
        ::GlobalUnlock(memory);
        ::SetClipboardData(CF_TEXT, memory);
        ::CloseClipboard();
    }
    static std::string ClipboardText()
    {
        std::string text;
        if (!::OpenClipboard(nullptr))
            return text;
        if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(::GlobalLock(data));
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
        return text;
    }
    static LONG_PTR Style(TWinControl& c) { return ::GetWindowLongPtrA(c.Handle(), GWL_STYLE); }

    int changes = 0;
    std::string pressed;
};

}  // namespace

TEST_F(EditTest, TextLivesInTheSystemsEditAndSurvivesANewWindow)
{
    auto* e = new TCustomEdit(&form);
    e->SetText("before the window");
    e->SetParent(&form);
    char className[32] = {};
    ::GetClassNameA(e->Handle(), className, sizeof(className));
    EXPECT_STREQ(className, "TCustomEdit");
    char text[64] = {};
    ::GetWindowTextA(e->Handle(), text, sizeof(text));
    EXPECT_STREQ(text, "before the window");

    // The system's edit answers its own messages through the control.
    e->SetText("hello world");
    e->SetSelStart(6);
    e->SetSelLength(5);
    EXPECT_EQ(e->SelText(), "world");
    e->SetSelText("there");
    EXPECT_EQ(e->Text(), "hello there");
    e->SelectAll();
    EXPECT_EQ(e->SelLength(), 11);

    // Properties kept in window styles make the window anew and keep the text.
    const HWND first = e->Handle();
    e->SetCharCase(ecUpperCase);
    EXPECT_NE(e->Handle(), first);
    EXPECT_TRUE(Style(*e) & ES_UPPERCASE);
    EXPECT_EQ(e->Text(), "HELLO THERE");
    e->SetMaxLength(3);
    e->SetReadOnly(true);
    e->SetPasswordChar('*');
    EXPECT_EQ(e->Text(), "HELLO THERE");
    EXPECT_TRUE(Style(*e) & ES_READONLY);
    EXPECT_EQ(e->Perform(EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_EQ(e->Perform(EM_GETPASSWORDCHAR, 0, 0), '*');
}

TEST_F(EditTest, ChangesOfTheTextAreReportedButNotTheFirstText)
{
    auto* e = new TCustomEdit(&form);
    e->SetText("start");
    e->OnChange = [this](TComponent*) { ++changes; };
    e->SetParent(&form);
    e->HandleNeeded();
    EXPECT_EQ(changes, 0);
    e->SetFocus();
    e->SetSelStart(5);
    Type("ed");
    EXPECT_EQ(e->Text(), "started");
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(e->Modified());
    e->SetText("new");
    EXPECT_EQ(changes, 3);
    e->SetModified(false);
    EXPECT_FALSE(e->Modified());
}

TEST_F(EditTest, AutoSelectSelectsTheTextWhenTheKeyboardBringsTheFocus)
{
    auto* e = new TCustomEdit(&form);
    e->SetText("all of it");
    e->SetParent(&form);
    e->SetFocus();
    EXPECT_EQ(e->SelLength(), 9);
    ::SetFocus(form.Handle());
    e->SetAutoSelect(false);
    e->SetSelStart(0);
    e->SetFocus();
    EXPECT_EQ(e->SelLength(), 0);
}

TEST_F(EditTest, ReadOnlyRefusesTypingDeleteAndTheClipboardButReportsEnter)
{
    auto* e = Make<TskCustomEdit>();
    e->SetText("fixed");
    e->SetReadOnly(true);
    e->SetFocus();
    e->SetSelStart(0);
    Type("ab");
    Key(VK_DELETE);
    EXPECT_EQ(e->Text(), "fixed");
    EXPECT_EQ(pressed, "ab");  // the handler still hears the keys

    e->SelectAll();
    SetClipboardText("pasted");
    e->PasteFromClipboard();
    e->CutToClipboard();
    e->ClearSelection();
    e->Undo();
    e->Perform(EM_UNDO, 0, 0);
    EXPECT_EQ(e->Text(), "fixed");

    pressed.clear();
    Enter();
    EXPECT_EQ(pressed, "\r");
    EXPECT_EQ(e->Text(), "fixed");

    // Copying changes nothing, and Ctrl+C still copies.
    e->SelectAll();
    Type("\x03");
    EXPECT_EQ(ClipboardText(), "fixed");

    // Editable again, the same keys and the clipboard work.
    e->SetReadOnly(false);
    e->SelectAll();
    SetClipboardText("pasted");
    e->PasteFromClipboard();
    EXPECT_EQ(e->Text(), "pasted");
    e->SetSelStart(0);
    Key(VK_DELETE);
    EXPECT_EQ(e->Text(), "asted");
}

TEST_F(EditTest, EnterNeverStartsASecondLine)
{
    auto* e = Make<TskCustomEdit>();
    e->SetText("one");
    e->SetFocus();
    e->SetSelStart(3);
    Enter();
    Type("x");
    EXPECT_EQ(e->Text(), "onex");
    EXPECT_EQ(e->Perform(EM_GETLINECOUNT, 0, 0), 1);
    EXPECT_EQ(pressed, "\rx");
}

TEST_F(EditTest, TabLeavesTheEditAndNeverEntersItsText)
{
    auto* e = Make<TskCustomEdit>();
    auto* next = Make<TskCustomEdit>();
    next->SetTop(40);
    e->SetText("C:\\Music");
    e->SetFocus();
    e->SelectAll();
    Key(VK_TAB);
    EXPECT_TRUE(next->Focused());
    EXPECT_EQ(e->Text(), "C:\\Music") << "the selected text was typed over";
    // Ctrl+Tab is not the form's: it reaches the edit, which takes no tab either.
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    next->SetText("one");
    next->SetSelStart(3);
    Type("\t");
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(next->Text(), "one");
}

TEST_F(EditTest, EnterAndEscapeReachTheFormsButtons)
{
    auto* keys = new DialogKeys(&form);
    keys->SetParent(&form);
    auto* e = Make<TskCustomEdit>();
    e->SetText("text");
    e->SetFocus();
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(keys->enters, 1);
    EXPECT_EQ(keys->escapes, 1);
    EXPECT_EQ(e->Text(), "text");
}

TEST_F(EditTest, TransparentModeLeavesTheBackgroundToWhatLiesBeneath)
{
    auto* e = Make<TskCustomEdit>();
    e->SetTransparent(true);
    // The colour answer to the system's edit: text in the font's colour, no
    // background.
    e->Font().SetColor(TColor(0x123456));
    HDC dc = ::CreateCompatibleDC(nullptr);
    const LRESULT brush = e->Perform(CN_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(::GetTextColor(dc), COLORREF(0x123456));
    ::DeleteDC(dc);
}
