#include "control/window_class.h"

#include <algorithm>
#include <cwchar>
#include <mutex>
#include <vector>

#include "com/module.h"

namespace velmora {
namespace {

std::mutex g_classLock;
bool g_registered = false;
std::vector<HWND> g_windows;  // the class's windows that were made and not seen going

// Still a window of this class (a handle may be reused for another window).
bool IsControlWindow(HWND window)
{
    wchar_t name[64] = {};
    return ::IsWindow(window) && ::GetClassNameW(window, name, 64) &&
           std::wcscmp(name, kControlWindowClass) == 0;
}

}  // namespace

const wchar_t kControlWindowClass[] = L"VelCDRipperWindow";

bool RegisterControlWindowClass(WNDPROC procedure)
{
    std::lock_guard<std::mutex> guard(g_classLock);
    if (g_registered)
        return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = com::ModuleInstance();
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kControlWindowClass;
    if (!::RegisterClassExW(&wc)) {
        if (::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return false;
        // Left by an earlier load of this module at the same address: its procedure
        // points into the old code.
        ::UnregisterClassW(kControlWindowClass, com::ModuleInstance());
        if (!::RegisterClassExW(&wc))
            return false;
    }
    g_registered = true;
    return true;
}

void ControlWindowMade(HWND window)
{
    std::lock_guard<std::mutex> guard(g_classLock);
    g_windows.push_back(window);
}

void ControlWindowGone(HWND window)
{
    std::lock_guard<std::mutex> guard(g_classLock);
    g_windows.erase(std::remove(g_windows.begin(), g_windows.end(), window), g_windows.end());
}

bool ControlWindowsExist()
{
    std::lock_guard<std::mutex> guard(g_classLock);
    g_windows.erase(std::remove_if(g_windows.begin(), g_windows.end(),
                                   [](HWND window) { return !IsControlWindow(window); }),
                    g_windows.end());
    return !g_windows.empty();
}

void UnregisterControlWindowClass()
{
    std::lock_guard<std::mutex> guard(g_classLock);
    if (g_registered && ::UnregisterClassW(kControlWindowClass, com::ModuleInstance()))
        g_registered = false;
}

}  // namespace velmora
