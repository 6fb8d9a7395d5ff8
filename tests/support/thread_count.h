// The threads of this process, as the system lists them: tests that let the control
// go check that nothing of it is left running.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

namespace testsupport {

inline int ThreadCount()
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == ::GetCurrentProcessId();
    ::CloseHandle(snapshot);
    return count;
}

}  // namespace testsupport
