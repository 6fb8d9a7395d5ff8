// Controls for the tests: plain coloured controls of both kinds, and a log of the
// library messages that controls receive.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/controls/custom_control.h"
#include "gui/controls/graphic_control.h"
#include "gui/controls/wnd_proc_chain.h"

namespace guitest {

// A graphic control that fills itself with Color.
class ColourBox : public gui::TGraphicControl {
public:
    explicit ColourBox(gui::TComponent* owner, gui::TColor colour = gui::clRed);
    int paints = 0;

protected:
    void Paint() override;
};

// A windowed control that fills itself with Color and can hold children.
class ColourPanel : public gui::TCustomControl {
public:
    explicit ColourPanel(gui::TComponent* owner, gui::TColor colour = gui::clBlue);
    int paints = 0;

protected:
    void Paint() override;
};

// Notes "name:MESSAGE" for each library message (CM_, CN_) of the watched
// controls, through a hook on their window procedures.
class MessageLog {
public:
    void Watch(gui::TControl& control, const std::string& name);
    std::vector<std::string> Take();  // the entries so far, and a fresh log

private:
    struct Watcher {
        std::unique_ptr<gui::TWndProcHook> hook;
    };
    std::vector<std::string> entries_;
    std::vector<std::unique_ptr<Watcher>> watchers_;
};

std::string MessageName(UINT msg);

// Dispatches what is waiting in this thread's queue.
void Pump();

}  // namespace guitest
