#include "window_driver.h"

#include "gui/controls/win_control.h"

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

struct Search {
    std::string caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    char className[32] = {}, text[256] = {};
    ::GetClassNameA(window, className, sizeof className);
    ::GetWindowTextA(window, text, sizeof text);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId() && std::string(className) == "#32770" && search->caption == text &&
        ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void WhenShownStep(std::function<bool()> step)
{
    pendingStep = std::move(step);
    ::SetTimer(nullptr, 0, 30, RunPendingStep);
}

void CancelWhenShown() { pendingStep = nullptr; }

MessageBoxAnswerer::MessageBoxAnswerer(std::string caption) : caption_(std::move(caption))
{
    watcher_ = std::thread([this] {
        while (!stop_) {
            Search search{caption_};
            ::EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                char text[512] = {};
                ::GetDlgItemTextA(search.found, 0xFFFF, text, sizeof text);
                text_ = text;
                answered_ = true;
                ::PostMessageA(search.found, WM_COMMAND, IDOK, 0);
                return;
            }
            ::Sleep(20);
        }
    });
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    stop_ = true;
    watcher_.join();
}

std::string MessageBoxAnswerer::Text() const { return answered_ ? text_ : std::string(); }

}  // namespace apptest
