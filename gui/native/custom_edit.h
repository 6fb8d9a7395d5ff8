// A single-line edit: the system's EDIT control under a window class of the
// library's own, so the control sees every message of its window from the first
// on and passes what it leaves to the system's edit. The text is the window's
// text; the properties that the system reads from window styles (case, selection
// shown without focus, OEM conversion, password) make the window anew when they
// change.
#pragma once

#include <string>

#include "gui/controls/events.h"
#include "gui/controls/win_control.h"

namespace gui {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    // Typing, pasting and the like leave the text as it is; the program can still
    // set it.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // The most characters the user can enter; 0 for no limit of the control's own.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    // The whole text is selected when the edit gets the focus by the keyboard.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    // Whether the selection disappears while the edit has no focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool value);
    // Shown for every character instead of the text; '\0' shows the text.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char value);

    // Whether the user changed the text since it was last set as unmodified.
    bool Modified();
    void SetModified(bool value);

    // The selection, in characters from the start of the text.
    int SelStart();
    void SetSelStart(int value);
    int SelLength();
    void SetSelLength(int value);
    std::string SelText();
    void SetSelText(const std::string& value);  // replaces the selection
    void SelectAll();
    void ClearSelection();

    void Clear() { SetText(""); }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo();
    void Undo();
    void ClearUndo();

    // After every change of the text, by the user or the program.
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    virtual void Change();

private:
    void CNCommand(TMessage& message);
    void WMSetFocus(TMessage& message);

    bool readOnly_ = false;
    int maxLength_ = 0;
    bool autoSelect_ = true;
    TEditCharCase charCase_ = ecNormal;
    bool hideSelection_ = true;
    bool oemConvert_ = false;
    char passwordChar_ = '\0';
    bool modified_ = false;  // while there is no window
};

}  // namespace gui
