// The program as a user starts it: its main window comes up with the application's
// title, and closing it ends the program after the settings are written.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/ripper_settings.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"
#include "win/unique_handle.h"

using namespace testsupport;

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

struct WindowOf {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowOf*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    char title[64] = {};
    ::GetWindowTextA(window, title, sizeof title);
    if (process == search->process && ::IsWindowVisible(window) && std::string(title) == "Brenvale") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

TEST(ProgramStart, TheMainWindowShowsAndClosingItEndsTheProgram)
{
    const std::string settings = ProgramFolder() + "Brenvale.ini";
    ::DeleteFileA(settings.c_str());
    WriteSimDrive(1, {AudioCd(2, 300)});  // the program inherits the description's name

    std::string command = "\"" + ProgramFolder() + "brenvale.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &process));
    win::UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
    WindowOf search{process.dwProcessId};
    const bool shown = PumpUntil(20000, [&] {
        ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    EXPECT_TRUE(shown);
    if (shown)
        ::PostMessageA(search.found, WM_CLOSE, 0, 0);
    else
        ::TerminateProcess(process.hProcess, 99);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 99;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);

    char left[32] = {};
    ::GetPrivateProfileStringA("settings", "MainFormLeft", "<none>", left, sizeof left, settings.c_str());
    EXPECT_NE(std::string(left), "<none>");
    ::DeleteFileA(settings.c_str());
}

}  // namespace
