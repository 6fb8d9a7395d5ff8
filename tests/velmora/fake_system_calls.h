// Plays the operating system for the SCSI transport: library loading, drive letters
// and the NT pass-through device controls, with every call recorded.
#pragma once

#include <windows.h>
#include <winioctl.h>
#include <ntddscsi.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "transport/sense_data.h"
#include "transport/system_calls.h"

namespace testsupport {

struct FakeLetter {
    UINT driveType = DRIVE_CDROM;
    bool opens = true;
    bool inquiryAnswers = true;
    uint8_t busCount = 1;
    uint32_t inquiryOffset = 16;  // where the unit record lies in the answer
    uint8_t inquiry[36] = {};
    DWORD addressError = 0;  // 0: the address query answers
    uint8_t port = 0, path = 0, target = 0, lun = 0;
    // Answers IOCTL_SCSI_PASS_THROUGH_DIRECT: return 0 for success, else the error.
    std::function<DWORD(SCSI_PASS_THROUGH_DIRECT&)> passThrough;
};

// Makes a pass-through request come back with the device status `status` and, for
// a CHECK CONDITION, fixed-format sense bytes.
void AnswerStatus(SCSI_PASS_THROUGH_DIRECT& request, uint8_t status, const velmora::SenseCode& sense);

class FakeSystemCalls : public velmora::SystemCalls {
public:
    // Library loading: names that load, and the entry points they have.
    std::map<std::string, std::vector<std::string>> libraries;
    std::vector<std::string> loadAttempts;
    std::vector<std::string> freed;
    std::string systemDirectory = "C:\\windows\\system32";
    std::string windowsDirectory = "C:\\windows";

    std::map<int, FakeLetter> letters;  // by letter index, 2 = C:
    DWORD platformId = VER_PLATFORM_WIN32_NT;
    DWORD majorVersion = 5;
    std::vector<std::string> opens;       // "path access share"
    std::vector<std::string> ioctls;      // "X: code"
    int openHandles = 0;

    void AddCdLetter(int letter, uint8_t port, uint8_t target, uint8_t lun, const char* name);

    HMODULE LoadLibraryA(const char* name) override;
    FARPROC GetProcAddress(HMODULE module, const char* name) override;
    void FreeLibrary(HMODULE module) override;
    UINT GetSystemDirectoryA(char* buffer, UINT size) override;
    UINT GetWindowsDirectoryA(char* buffer, UINT size) override;
    UINT GetDriveTypeA(const char* root) override;
    void GetVersion(DWORD& platform, DWORD& major) override;
    HANDLE CreateFileA(const char* path, DWORD access, DWORD share) override;
    BOOL DeviceIoControl(HANDLE device, DWORD code, void* in, DWORD inSize, void* out,
                         DWORD outSize, DWORD* returned) override;
    void CloseHandle(HANDLE handle) override;
    DWORD GetLastError() override { return lastError_; }

private:
    std::vector<std::string> moduleNames_;
    DWORD lastError_ = 0;
};

}  // namespace testsupport
