#include "x_input.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "gui/application.h"

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
    while (!done) {
        gui::Application().ProcessMessages();
        ::Sleep(5);
    }
    thread.join();
    Pump(150);
}

std::string At(int x, int y) { return "mousemove " + std::to_string(x) + " " + std::to_string(y); }

}  // namespace

bool XDoTool(const std::string& arguments) { return Run(arguments, true); }

void Pump(int ms)
{
    const DWORD end = ::GetTickCount() + DWORD(ms);
    do {
        gui::Application().ProcessMessages();
        ::Sleep(5);
    } while (int(end - ::GetTickCount()) > 0);
}

void Click(int x, int y)
{
    Run(At(x, y), true);
    Pump(150);
    WhilePumping([] {
        Run("mousedown 1", false);
        ::Sleep(120);
        Run("mouseup 1", false);
        ::Sleep(100);
    });
}

void Drag(int x0, int y0, int x1, int y1)
{
    Run(At(x0, y0), true);
    Pump(150);
    WhilePumping([=] {
        Run("mousedown 1", false);
        ::Sleep(150);
        for (int step = 1; step <= 5; ++step) {
            Run(At(x0 + (x1 - x0) * step / 5, y0 + (y1 - y0) * step / 5), false);
            ::Sleep(60);
        }
        Run("mouseup 1", false);
        ::Sleep(100);
    });
}

void Key(const std::string& keys)
{
    XDoTool("key " + keys);
    Pump(200);
}

}  // namespace xinput
