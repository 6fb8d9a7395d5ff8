#include "transport/system_calls.h"

namespace velmora {
namespace {

class Win32Calls final : public SystemCalls {
public:
    HMODULE LoadLibraryA(const char* name) override { return ::LoadLibraryA(name); }
    FARPROC GetProcAddress(HMODULE module, const char* name) override
    {
        return ::GetProcAddress(module, name);
    }
    void FreeLibrary(HMODULE module) override { ::FreeLibrary(module); }
    UINT GetSystemDirectoryA(char* buffer, UINT size) override
    {
        return ::GetSystemDirectoryA(buffer, size);
    }
    UINT GetWindowsDirectoryA(char* buffer, UINT size) override
    {
        return ::GetWindowsDirectoryA(buffer, size);
    }
    UINT GetDriveTypeA(const char* root) override { return ::GetDriveTypeA(root); }
    void GetVersion(DWORD& platformId, DWORD& majorVersion) override
    {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        ::GetVersionExA(&info);
#pragma GCC diagnostic pop
        platformId = info.dwPlatformId;
        majorVersion = info.dwMajorVersion;
    }
    HANDLE CreateFileA(const char* path, DWORD access, DWORD share) override
    {
        return ::CreateFileA(path, access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    }
    BOOL DeviceIoControl(HANDLE device, DWORD code, void* in, DWORD inSize, void* out,
                         DWORD outSize, DWORD* returned) override
    {
        return ::DeviceIoControl(device, code, in, inSize, out, outSize, returned, nullptr);
    }
    void CloseHandle(HANDLE handle) override { ::CloseHandle(handle); }
    DWORD GetLastError() override { return ::GetLastError(); }
};

}  // namespace

SystemCalls& RealSystemCalls()
{
    static Win32Calls calls;
    return calls;
}

}  // namespace velmora
