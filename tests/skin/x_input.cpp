#include "x_input.h"

#include <windows.h>

#include "gui/application.h"

namespace xinput {

bool XDoTool(const std::string& arguments)
{
    // Wine starts a Unix program given by its path; the shell finds xdotool.
    std::string command = "/bin/sh -c \"xdotool " + arguments + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    // The program keeps answering its windows while the tool works.
    DWORD code = 1;
    while (::MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        gui::Application().ProcessMessages();
    // A tool that hangs does not outlive the test.
    if (::WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(pi.hProcess, 1);
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code == 0;
}

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
    XDoTool("mousemove " + std::to_string(x) + " " + std::to_string(y));
    Pump(150);
    XDoTool("mousedown 1");
    Pump(120);
    XDoTool("mouseup 1");
    Pump(200);
}

void Key(const std::string& keys)
{
    XDoTool("key " + keys);
    Pump(200);
}

}  // namespace xinput
