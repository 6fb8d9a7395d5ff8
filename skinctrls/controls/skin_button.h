// A push button drawn from the skin element "button" (normal, active, down and
// disabled images, cross-faded between normal and active while the mouse or the
// focus comes and goes) or, without a skin, in a flat look with a glyph and a
// caption. It can toggle as a member of a group of "down" buttons, repeat its
// click while held, act as its dialog's default or cancel button, and follow an
// action.
#pragma once

#include <string>

#include "gui/controls/action.h"
#include "gui/controls/modal_result.h"
#include "gui/controls/timer.h"
#include "skin/model/value_syntax.h"
#include "skinctrls/controls/glyph_text.h"
#include "skinctrls/controls/skin_custom_control.h"

namespace sk {

using TskButtonLayout = TButtonLayout;
using TskNumGlyphs = int;  // 1..4

class TskSkinButton : public TskSkinCustomControl {
public:
    explicit TskSkinButton(gui::TComponent* owner);

    // Whether the button takes the keyboard focus (and its keys). Set while its
    // form is being built, it sets TabStop alike.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool value);
    // The toggled (pressed) state.
    bool Down() const { return down_; }
    void SetDown(bool value);
    // Buttons of one parent with the same non-zero index form a group in which one
    // is down; a grouped button never takes the focus.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    // Whether a down grouped button is raised by clicking it again.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value) { allowAllUp_ = value; }
    // Whether the click repeats every RepeatInterval ms while the mouse holds the
    // button.
    bool RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(bool value) { repeatMode_ = value; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int value) { repeatInterval_ = value; }

    // NumGlyphs frames side by side: normal, disabled, down, down without the
    // mouse.
    gui::TBitmap& Glyph() { return glyph_; }
    void SetGlyph(const gui::TBitmap& value);
    TskNumGlyphs NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(TskNumGlyphs value);
    // -1 centres glyph and caption; below -1 is refused.
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    TskButtonLayout Layout() const { return layout_; }
    void SetLayout(TskButtonLayout value);

    // Enter clicks the default button of a dialog (the focused button, when a
    // button has the focus); Esc clicks its cancel button.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // Given to the parent form when the button is clicked.
    gui::TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(gui::TModalResult value) { modalResult_ = value; }

    // The action the button follows (caption, enabled, visible, picture) and
    // executes when clicked and no OnClick of its own is set.
    gui::TCustomAction* Action() const { return actionLink_.Action(); }
    void SetAction(gui::TCustomAction* value) { actionLink_.SetAction(value); }

    void ApplySkin() override;

protected:
    // Composes one state of the element into bitmap from source, with the caption and
    // glyph of that state.
    virtual void DrawButtonFace(gui::TBitmap& bitmap, const TRect& source, bool active, bool isDown);
    // The button's click, from the mouse, the keys and the repeat.
    virtual void DoButtonClick();
    void Click() override;

    void Paint() override;
    void ReadSkinEntry() override;
    void DrawDefaultImage(gui::TBitmap& bitmap) override;
    void DrawSkinImage(gui::TBitmap& bitmap) override { (void)bitmap; }
    void CreateWnd() override;
    void WndProc(gui::TMessage& message) override;
    void MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
    void MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;

private:
    void ActionChanged(gui::TCustomAction& action);
    // Whether the element shows its down image: pressed by the user or toggled.
    bool ShowsDown();
    void PaintSkinned();
    void StartMorph();
    void StopMorph();
    void MorphTick();
    void StartRepeat();
    void StopRepeat();
    void ReleaseGroup();

    void WMKeyDown(gui::TMessage& message);
    void WMKeyUp(gui::TMessage& message);
    void WMLButtonDown(gui::TMessage& message);
    void WMFocus(gui::TMessage& message);
    void CMDialogKey(gui::TMessage& message);
    void CMDialogChar(gui::TMessage& message);
    void CMFocusChanged(gui::TMessage& message);
    void CMEnabledChanged(gui::TMessage& message);
    void CMTextChanged(gui::TMessage& message);
    void CMMouseEnter(gui::TMessage& message);
    void CMMouseLeave(gui::TMessage& message);

    bool canFocused_ = true;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool repeatMode_ = false;
    int repeatInterval_ = 100;
    gui::TBitmap glyph_;
    TskNumGlyphs numGlyphs_ = 1;
    int margin_ = -1;
    int spacing_ = 1;
    TskButtonLayout layout_ = blGlyphLeft;
    bool default_ = false;
    bool cancel_ = false;
    gui::TModalResult modalResult_ = gui::mrNone;
    gui::TActionLink actionLink_;

    bool hot_ = false;             // under the mouse, or a default button shown highlighted
    bool mousePressed_ = false;    // the left button held since a press on the button
    bool currentDefault_ = false;  // Enter clicks this button now
    bool wasDown_ = false;         // a grouped button pressed while already down
    bool takingFocus_ = false;     // a press is giving the button the focus
    double morphFactor_ = 0;       // from the normal (0) to the active (1) image
    gui::TTimer* morphTimer_ = nullptr;
    gui::TTimer* repeatTimer_ = nullptr;

    // Of the element (a button record).
    TskFontGroup font_;
    gui::TColor activeFontColor_ = 0, downFontColor_ = 0, disabledFontColor_ = 0;
    bool morphing_ = false;
    TskMorphKind morphKind_ = mkDefault;
    TRect activeSkinRect_, downSkinRect_, disabledSkinRect_;
};

}  // namespace sk
