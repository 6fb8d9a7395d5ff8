#include "fake_system_calls.h"

#include <cstring>

namespace testsupport {
namespace {

DWORD __cdecl FakeEntry() { return 0; }

// Handles are small numbers: 0x1000 + letter index.
HANDLE HandleOf(int letter) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(0x1000 + letter)); }
int LetterOf(HANDLE h) { return static_cast<int>(reinterpret_cast<intptr_t>(h) - 0x1000); }

}  // namespace

void AnswerStatus(SCSI_PASS_THROUGH_DIRECT& request, uint8_t status, const velmora::SenseCode& sense)
{
    request.ScsiStatus = status;
    if (status != velmora::kScsiStatusCheckCondition || request.SenseInfoLength < 14)
        return;
    auto* bytes = reinterpret_cast<uint8_t*>(&request) + request.SenseInfoOffset;
    std::memset(bytes, 0, request.SenseInfoLength);
    bytes[0] = 0x70;
    bytes[2] = sense.key;
    bytes[7] = 10;
    bytes[12] = sense.asc;
    bytes[13] = sense.ascq;
    request.SenseInfoLength = 18;
}

void FakeSystemCalls::AddCdLetter(int letter, uint8_t port, uint8_t target, uint8_t lun,
                                  const char* name)
{
    FakeLetter l;
    l.port = port;
    l.target = target;
    l.lun = lun;
    l.inquiry[0] = 5;
    std::memset(l.inquiry + 8, ' ', 24);
    std::memcpy(l.inquiry + 8, name, std::strlen(name) < 24 ? std::strlen(name) : 24);
    letters[letter] = l;
}

HMODULE FakeSystemCalls::LoadLibraryA(const char* name)
{
    loadAttempts.push_back(name);
    if (!libraries.count(name))
        return nullptr;
    moduleNames_.push_back(name);
    return reinterpret_cast<HMODULE>(static_cast<intptr_t>(0x10000 * moduleNames_.size()));
}

FARPROC FakeSystemCalls::GetProcAddress(HMODULE module, const char* name)
{
    const size_t index = reinterpret_cast<intptr_t>(module) / 0x10000 - 1;
    if (index >= moduleNames_.size())
        return nullptr;
    for (const auto& entry : libraries[moduleNames_[index]])
        if (entry == name)
            return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&FakeEntry));
    return nullptr;
}

void FakeSystemCalls::FreeLibrary(HMODULE module)
{
    const size_t index = reinterpret_cast<intptr_t>(module) / 0x10000 - 1;
    freed.push_back(index < moduleNames_.size() ? moduleNames_[index] : "?");
}

UINT FakeSystemCalls::GetSystemDirectoryA(char* buffer, UINT size)
{
    std::strncpy(buffer, systemDirectory.c_str(), size);
    return static_cast<UINT>(systemDirectory.size());
}

UINT FakeSystemCalls::GetWindowsDirectoryA(char* buffer, UINT size)
{
    std::strncpy(buffer, windowsDirectory.c_str(), size);
    return static_cast<UINT>(windowsDirectory.size());
}

UINT FakeSystemCalls::GetDriveTypeA(const char* root)
{
    const int letter = root[0] - 'A';
    auto it = letters.find(letter);
    return it == letters.end() ? DRIVE_NO_ROOT_DIR : it->second.driveType;
}

void FakeSystemCalls::GetVersion(DWORD& platform, DWORD& major)
{
    platform = platformId;
    major = majorVersion;
}

HANDLE FakeSystemCalls::CreateFileA(const char* path, DWORD access, DWORD share)
{
    opens.push_back(std::string(path) + " " + std::to_string(access) + " " + std::to_string(share));
    const int letter = path[4] - 'A';
    auto it = letters.find(letter);
    if (it == letters.end() || !it->second.opens) {
        lastError_ = ERROR_FILE_NOT_FOUND;
        return INVALID_HANDLE_VALUE;
    }
    ++openHandles;
    return HandleOf(letter);
}

BOOL FakeSystemCalls::DeviceIoControl(HANDLE device, DWORD code, void* in, DWORD, void* out,
                                      DWORD outSize, DWORD* returned)
{
    const int letter = LetterOf(device);
    ioctls.push_back(std::string(1, char('A' + letter)) + ": " + std::to_string(code));
    auto it = letters.find(letter);
    if (it == letters.end()) {
        lastError_ = ERROR_INVALID_HANDLE;
        return FALSE;
    }
    FakeLetter& l = it->second;
    if (code == IOCTL_SCSI_GET_INQUIRY_DATA) {
        if (!l.inquiryAnswers) {
            lastError_ = ERROR_IO_DEVICE;
            return FALSE;
        }
        auto* bytes = static_cast<uint8_t*>(out);
        std::memset(bytes, 0, outSize);
        auto* info = static_cast<SCSI_ADAPTER_BUS_INFO*>(out);
        info->NumberOfBuses = l.busCount;
        info->BusData[0].NumberOfLogicalUnits = 1;
        info->BusData[0].InquiryDataOffset = l.inquiryOffset;
        if (l.inquiryOffset + 12 + 36 <= outSize) {
            auto* unit = reinterpret_cast<SCSI_INQUIRY_DATA*>(bytes + l.inquiryOffset);
            unit->PathId = l.path;
            unit->TargetId = l.target;
            unit->Lun = l.lun;
            unit->InquiryDataLength = 36;
            std::memcpy(bytes + l.inquiryOffset + 12, l.inquiry, 36);
        }
        *returned = outSize;
        return TRUE;
    }
    if (code == IOCTL_SCSI_GET_ADDRESS) {
        if (l.addressError) {
            lastError_ = l.addressError;
            return FALSE;
        }
        auto* address = static_cast<SCSI_ADDRESS*>(out);
        address->PortNumber = l.port;
        address->PathId = l.path;
        address->TargetId = l.target;
        address->Lun = l.lun;
        *returned = sizeof(SCSI_ADDRESS);
        return TRUE;
    }
    if (code == IOCTL_SCSI_PASS_THROUGH_DIRECT) {
        auto* request = static_cast<SCSI_PASS_THROUGH_DIRECT*>(in);
        const DWORD error = l.passThrough ? l.passThrough(*request) : 0;
        if (error) {
            lastError_ = error;
            return FALSE;
        }
        return TRUE;
    }
    lastError_ = ERROR_INVALID_FUNCTION;
    return FALSE;
}

void FakeSystemCalls::CloseHandle(HANDLE) { --openHandles; }

}  // namespace testsupport
