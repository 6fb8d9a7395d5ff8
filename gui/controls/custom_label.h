// A label: its caption drawn in its own font on its parent, without a window of
// its own. It can size itself to its caption, wrap it, align it in three ways
// across and down, and give the focus to another control when the accelerator of
// its caption is pressed.
#pragma once

#include <windows.h>

#include <string>

#include "gui/controls/graphic_control.h"
#include "gui/core/alignment.h"

namespace gui {

class TWinControl;

// Where the caption lies in the label's height.
enum TTextLayout { tlTop, tlCenter, tlBottom };
// The direction the caption reads in.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // With AutoSize the label takes the size of its caption whenever the caption
    // or the font changes (keeping its right edge when right-aligned).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Whether "&" marks the accelerator (and "&&" shows an "&").
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    // A transparent label leaves its background to what lies behind it; an opaque
    // one fills it with Color.
    bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
    void SetTransparent(bool value);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* value);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode value);

    // The reading-order flag of DrawText for BiDiMode.
    UINT DrawTextBiDiModeFlagsReadingOnly() const;

protected:
    void Paint() override;
    // Draws the caption into `rect` with the flags of DrawText, or with DT_CALCRECT
    // measures it into `rect`.
    virtual void DoDrawText(TRect& rect, UINT flags);
    // Sizes the label to its caption when AutoSize asks for it.
    virtual void AdjustBounds();
    // The caption as DoDrawText draws it: measured, an empty caption still has the
    // height of a line.
    std::string LabelText(UINT flags);
    // `flags` with what ShowAccelChar and BiDiMode add.
    UINT LabelTextFlags(UINT flags) const;
    // `text` in the canvas's font, or engraved in the button colours while the label
    // is disabled.
    void DrawLabelText(const std::string& text, TRect& rect, UINT flags);
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

private:
    void CMDialogChar(TMessage& message);

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
    TBiDiMode biDiMode_ = bdLeftToRight;
};

}  // namespace gui
