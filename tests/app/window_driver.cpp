#include "window_driver.h"

#include <cstdlib>

#include "gui/controls/win_control.h"
#include "skinctrls/controls/skin_std_label.h"
#include "skinctrls/dialogs/skin_message.h"
#include "support/event_sink.h"

namespace apptest {

void Click(gui::TWinControl& control)
{
    HWND window = control.Handle();
    const LPARAM centre = MAKELPARAM(control.Width() / 2, control.Height() / 2);
    ::SendMessageA(window, WM_MOUSEMOVE, 0, centre);
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::SendMessageA(window, WM_LBUTTONUP, 0, centre);
}

namespace {

std::function<bool()> pendingStep;

void CALLBACK RunPendingStep(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!pendingStep) {
        ::KillTimer(nullptr, id);
        return;
    }
    // The step may start a modal loop of its own, which dispatches this timer again.
    auto step = std::move(pendingStep);
    pendingStep = nullptr;
    ::KillTimer(nullptr, id);
    if (!step())
        WhenShownStep(std::move(step));  // not shown yet: look again at the next tick
}

}  // namespace

void WhenShownStep(std::function<bool()> step)
{
    pendingStep = std::move(step);
    ::SetTimer(nullptr, 0, 30, RunPendingStep);
}

void CancelWhenShown() { pendingStep = nullptr; }

void AnswerMessageBoxes(ShownMessages& shown)
{
    WhenShownStep([&shown] {
        auto* box = VisibleForm<sk::TskMessageForm>();
        if (box && box->ModalResult() == gui::mrNone) {
            shown.captions.push_back(box->Caption());
            shown.texts.push_back(box->MessageLabel() ? box->MessageLabel()->Caption() : "<no label>");
            if (const char* hold = std::getenv("APPTEST_HOLD_MS"))
                testsupport::Pump(DWORD(std::atoi(hold)));
            for (int i = 0; i < box->ComponentCount(); ++i)
                if (box->Components(i)->Name() == "OK")
                    if (auto* ok = dynamic_cast<gui::TWinControl*>(box->Components(i)))
                        Click(*ok);
        }
        AnswerMessageBoxes(shown);  // and the next one
        return true;
    });
}

}  // namespace apptest
