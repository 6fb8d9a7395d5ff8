// Driving the program's windows from a test: clicks on controls by their window
// messages, and the system's message boxes answered from a watcher thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace gui {
class TWinControl;
}

namespace apptest {

// A left click in the middle of the control, as its window receives it.
void Click(gui::TWinControl& control);

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
