#include "x_input.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include "gui/controls/application.h"
#include "support/gui_pump.h"

namespace xinput {

namespace {

// Runs xdotool; with pump, this thread's messages are dispatched meanwhile.
bool Run(const std::string& arguments, bool pump)
{
    // Wine starts a Unix program given by its path; the shell finds xdotool.
    std::string command = "/bin/sh -c \"xdotool " + arguments + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    DWORD code = 1;
    if (pump) {
        // The program keeps answering its windows while the tool works.
        while (::MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
            gui::Application().ProcessMessages();
    } else {
        ::WaitForSingleObject(pi.hProcess, 5000);
    }
    // A tool that hangs does not outlive the test.
    if (::WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(pi.hProcess, 1);
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code == 0;
}

// Runs the input on a thread of its own while this one pumps messages: a press
// on a caption or border runs the system's modal move or size loop, which only
// ends when the button goes up.
void WhilePumping(const std::function<void()>& input)
{
    std::atomic<bool> done{false};
    std::thread thread([&] {
        input();
        done = true;
    });
    // No deadline: the input thread always ends (xdotool's commands return).
    testsupport::GuiPumpUntil([&] { return done.load(); }, INFINITE);
    thread.join();
}

std::string At(int x, int y) { return "mousemove " + std::to_string(x) + " " + std::to_string(y); }

// Counts the button presses and the button and key releases this thread takes
// from its queue, in any message loop (the system's move and size loop too). The
// display delivers input late on a busy machine: a press or release taken is the
// sign that what was sent has reached the program.
class ReleaseWatch {
public:
    ReleaseWatch() : hook_(::SetWindowsHookExA(WH_GETMESSAGE, Take, nullptr, ::GetCurrentThreadId()))
    {
        current = this;
    }
    ~ReleaseWatch()
    {
        if (hook_)
            ::UnhookWindowsHookEx(hook_);
        current = nullptr;
    }
    ReleaseWatch(const ReleaseWatch&) = delete;
    ReleaseWatch& operator=(const ReleaseWatch&) = delete;

    // Dispatches messages until that many releases came, for at most half a
    // minute, then a little longer for what they set off.
    void WaitFor(int buttonUps, int keyUps)
    {
        testsupport::GuiPumpUntil([&] { return !hook_ || (buttonUps_ >= buttonUps && keyUps_ >= keyUps); });
        Pump(150);
    }

    // From the input's thread: waits until the program has taken that many
    // presses, or pointer moves, for at most half a minute. A press on a caption
    // reads the button and the pointer as they are when it is taken, and the move
    // loop it starts measures from where the pointer is then: a drag goes on only
    // once the program has caught up with it.
    void WaitForPresses(int presses) const { WaitFor(presses_, presses); }
    int Moves() const { return moves_; }
    void WaitForMoves(int moves) const { WaitFor(moves_, moves); }

private:
    void WaitFor(const std::atomic<int>& count, int least) const
    {
        const DWORD start = ::GetTickCount();
        while (hook_ && count < least && ::GetTickCount() - start < 30000)
            ::Sleep(5);
    }

    static LRESULT CALLBACK Take(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && wParam == PM_REMOVE && current) {
            const UINT message = reinterpret_cast<const MSG*>(lParam)->message;
            current->presses_ += message == WM_LBUTTONDOWN || message == WM_NCLBUTTONDOWN;
            current->moves_ += message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE;
            current->buttonUps_ += message == WM_LBUTTONUP || message == WM_NCLBUTTONUP;
            current->keyUps_ += message == WM_KEYUP || message == WM_SYSKEYUP;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline ReleaseWatch* current = nullptr;
    HHOOK hook_;
    std::atomic<int> presses_{0};
    std::atomic<int> moves_{0};
    int buttonUps_ = 0;
    int keyUps_ = 0;
};

}  // namespace

bool XDoTool(const std::string& arguments) { return Run(arguments, true); }

void Pump(int ms) { testsupport::GuiPump(DWORD(ms)); }

void Click(int x, int y)
{
    Run(At(x, y), true);
    Pump(150);
    ReleaseWatch watch;
    WhilePumping([] {
        Run("mousedown 1", false);
        ::Sleep(120);
        Run("mouseup 1", false);
        ::Sleep(100);
    });
    watch.WaitFor(1, 0);
}

void Drag(int x0, int y0, int x1, int y1, int steps)
{
    Run(At(x0, y0), true);
    Pump(150);
    ReleaseWatch watch;
    WhilePumping([=, &watch] {
        Run("mousedown 1", false);
        watch.WaitForPresses(1);
        ::Sleep(150);
        // Each step waits for the program to take it: a step that arrives with
        // the release is merged into it, and the move loop ends short of it.
        int lastX = x0, lastY = y0;
        for (int step = 1; step <= steps; ++step) {
            const int x = x0 + (x1 - x0) * step / steps, y = y0 + (y1 - y0) * step / steps;
            const int moves = watch.Moves();
            Run(At(x, y), false);
            if (x != lastX || y != lastY)  // the pointer staying put makes no move
                watch.WaitForMoves(moves + 1);
            lastX = x, lastY = y;
            ::Sleep(60);
        }
        Run("mouseup 1", false);
        ::Sleep(100);
    });
    watch.WaitFor(1, 0);
}

void Key(const std::string& keys)
{
    ReleaseWatch watch;
    XDoTool("key " + keys);
    // Every key of a combination ("alt+f") is let go.
    watch.WaitFor(0, int(std::count(keys.begin(), keys.end(), '+')) + 1);
}

}  // namespace xinput
