// Driving the program's windows from a test: clicks on controls by their window
// messages, and steps run inside modal loops (the skinned message boxes answered).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/controls/screen.h"

namespace gui {
class TWinControl;
}

namespace apptest {

// A left click in the middle of the control, as its window receives it.
void Click(gui::TWinControl& control);

// The first visible form of type F, or none.
template <typename F>
F* VisibleForm()
{
    for (int i = 0; i < gui::Screen().FormCount(); ++i)
        if (auto* form = dynamic_cast<F*>(gui::Screen().Forms(i)))
            if (form->Visible() && form->HandleAllocated())
                return form;
    return nullptr;
}

// Runs `step` once, from a timer of this thread, as soon as it finds a form for it:
// a modal form is driven from inside its own modal loop.
void WhenShownStep(std::function<bool()> step);
template <typename F>
void WhenShown(std::function<void(F&)> step)
{
    WhenShownStep([step] {
        F* form = VisibleForm<F>();
        if (form)
            step(*form);
        return form != nullptr;
    });
}
// Forgets a step that did not run.
void CancelWhenShown();

// What the skinned message boxes said, in order.
struct ShownMessages {
    std::vector<std::string> captions;
    std::vector<std::string> texts;
};

// Answers every skinned message box with its OK button, from inside its modal loop,
// keeping its caption and text, until CancelWhenShown: no box is left waiting for a
// user. APPTEST_HOLD_MS keeps each on the screen that long first, for a look at it.
void AnswerMessageBoxes(ShownMessages& shown);

}  // namespace apptest
