// The operating-system calls the SCSI transport makes, behind one interface so that
// tests can play library loading and the NT pass-through devices.
#pragma once

#include <windows.h>

namespace velmora {

class SystemCalls {
public:
    virtual ~SystemCalls() = default;

    virtual HMODULE LoadLibraryA(const char* name) = 0;
    virtual FARPROC GetProcAddress(HMODULE module, const char* name) = 0;
    virtual void FreeLibrary(HMODULE module) = 0;
    virtual UINT GetSystemDirectoryA(char* buffer, UINT size) = 0;
    virtual UINT GetWindowsDirectoryA(char* buffer, UINT size) = 0;

    virtual UINT GetDriveTypeA(const char* root) = 0;
    // Platform id and major version, as GetVersionEx reports them.
    virtual void GetVersion(DWORD& platformId, DWORD& majorVersion) = 0;
    virtual HANDLE CreateFileA(const char* path, DWORD access, DWORD share) = 0;
    virtual BOOL DeviceIoControl(HANDLE device, DWORD code, void* in, DWORD inSize, void* out,
                                 DWORD outSize, DWORD* returned) = 0;
    virtual void CloseHandle(HANDLE handle) = 0;
    virtual DWORD GetLastError() = 0;
};

// The real calls. One instance serves the whole process.
SystemCalls& RealSystemCalls();

}  // namespace velmora
