// Driving the program's windows from a test: clicks on controls by their window
// messages, and the system's message boxes answered from a watcher thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

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

// Answers the first message box of this process captioned `caption` with OK and
// keeps its text.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::string caption);
    ~MessageBoxAnswerer();
    bool Answered() const { return answered_; }
    std::string Text() const;

private:
    std::string caption_;
    std::string text_;
    std::atomic<bool> answered_{false};
    std::atomic<bool> stop_{false};
    std::thread watcher_;
};

}  // namespace apptest
