// The edit beneath the skinned edits: no frame of its own (a descendant draws
// one), and the window stays one line although the system's edit runs in its
// multi-line mode (which lets a descendant align the text): Enter never reaches
// the system's edit, and a text with line breaks (pasted, set, or put in place
// of the selection) is taken up to its first line break. A read-only edit also refuses every change by the
// keyboard or the clipboard, whatever the system's edit would allow.
//
// In transparent mode the system's edit paints only its text, without a
// background, so that what the descendant drew beneath shows through; every
// change that may move or remove text (typing, a new text, a selection with the
// mouse, the focus coming or going, moving the window) makes the control paint
// anew from beneath.
#pragma once

#include "gui/native/custom_edit.h"

namespace sk {

class TskCustomEdit : public gui::TCustomEdit {
public:
    explicit TskCustomEdit(gui::TComponent* owner);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);  // makes the window anew

    // In transparent mode: the parent's area under the edit, then the edit with
    // its frame.
    void Invalidate() override;

protected:
    void CreateParams(gui::TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(gui::TMessage& message) override;
    void KeyDown(WORD& key, gui::TShiftState shift) override;
    void KeyPress(char& key) override;

    // The edit's whole window, frame and text, marked for painting.
    void InvalidateWithFrame();

private:
    void PassThenInvalidate(gui::TMessage& message);
    void EditCommand(gui::TMessage& message);
    void OneLine(gui::TMessage& message);
    void WMPaste(gui::TMessage& message);
    void CNCtlColor(gui::TMessage& message);
    void WMEraseBkgnd(gui::TMessage& message);
    void WMGetDlgCode(gui::TMessage& message);
    void CNCommand(gui::TMessage& message);

    bool transparent_ = false;
};

}  // namespace sk
