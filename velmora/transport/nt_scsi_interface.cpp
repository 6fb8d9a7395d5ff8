#include "transport/nt_scsi_interface.h"

#include <winioctl.h>
#include <ntddscsi.h>

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "transport/aspi.h"
#include "transport/sense_data.h"

namespace velmora {
namespace {

constexpr DWORD kInquiryDataAnswerSize = 2048;
constexpr DWORD kUnitInquiryOffset = 12;  // inquiry bytes inside a SCSI_INQUIRY_DATA record
constexpr BYTE kOpInquiry = 0x12;

// The pass-through request: the fixed structure, padding, then a 32-byte sense area.
struct PassThroughRequest {
    SCSI_PASS_THROUGH_DIRECT sptd;
    ULONG filler;
    UCHAR sense[32];
};

}  // namespace

HANDLE NtScsiInterface::OpenLetter(int letter)
{
    DWORD platform = 0, major = 0;
    calls_.GetVersion(platform, major);
    DWORD access = GENERIC_READ;
    DWORD share = FILE_SHARE_READ;
    if (platform == VER_PLATFORM_WIN32_NT && major >= 5) {
        access |= GENERIC_WRITE;
        share |= FILE_SHARE_WRITE;
    }
    char path[8];
    std::snprintf(path, sizeof path, "\\\\.\\%c:", 'A' + letter);
    HANDLE device = calls_.CreateFileA(path, access, share);
    if (device == INVALID_HANDLE_VALUE)
        device = calls_.CreateFileA(path, access ^ GENERIC_WRITE, share ^ FILE_SHARE_WRITE);
    return device;
}

// Asks Windows for the letter's inquiry data and SCSI address. The entry becomes
// valid only when both answers arrive; its device handle is none afterwards.
bool NtScsiInterface::FillEntry(int letter)
{
    LetterEntry& entry = letters_[letter];
    entry = LetterEntry{};
    HANDLE device = OpenLetter(letter);
    if (device == INVALID_HANDLE_VALUE)
        return false;

    alignas(8) uint8_t answer[kInquiryDataAnswerSize] = {};
    DWORD returned = 0;
    if (!calls_.DeviceIoControl(device, IOCTL_SCSI_GET_INQUIRY_DATA, nullptr, 0, answer,
                                sizeof answer, &returned)) {
        calls_.CloseHandle(device);
        return false;
    }
    const auto* busInfo = reinterpret_cast<const SCSI_ADAPTER_BUS_INFO*>(answer);
    const DWORD unitOffset = busInfo->BusData[0].InquiryDataOffset;
    // A malformed answer must not make us read beyond what we received.
    if (busInfo->NumberOfBuses != 1 || unitOffset > sizeof answer - kUnitInquiryOffset - 36) {
        calls_.CloseHandle(device);
        return false;
    }
    uint8_t inquiry[36];
    std::memcpy(inquiry, answer + unitOffset + kUnitInquiryOffset, sizeof inquiry);

    SCSI_ADDRESS address{};
    address.Length = sizeof address;
    if (calls_.DeviceIoControl(device, IOCTL_SCSI_GET_ADDRESS, nullptr, 0, &address,
                               sizeof address, &returned)) {
        entry.port = address.PortNumber;
        entry.target = address.TargetId;
        entry.lun = address.Lun;
        entry.valid = true;
    } else if (calls_.GetLastError() == ERROR_NOT_SUPPORTED) {
        entry.port = static_cast<uint8_t>(letter);
        entry.valid = true;
    }
    entry.letter = static_cast<uint8_t>(letter);
    std::memcpy(entry.inquiry, inquiry, sizeof inquiry);
    calls_.CloseHandle(device);
    return entry.valid;
}

int NtScsiInterface::BuildLetterMap()
{
    std::lock_guard<std::mutex> guard(lock_);
    if (mapBuilt_)
        return 0;
    for (LetterEntry& entry : letters_)
        entry = LetterEntry{};
    adapterPorts_.clear();

    int found = 0;
    for (int letter = 2; letter < 26; ++letter) {
        char root[4];
        std::snprintf(root, sizeof root, "%c:\\", 'A' + letter);
        if (calls_.GetDriveTypeA(root) == DRIVE_CDROM && FillEntry(letter))
            ++found;
    }

    bool used[256] = {};
    used[0] = true;
    for (const LetterEntry& entry : letters_)
        if (entry.valid)
            used[entry.port] = true;
    for (uint32_t port = 0; port < 256; ++port)
        if (used[port])
            adapterPorts_.push_back(port);
    mapBuilt_ = true;
    return found;
}

DWORD NtScsiInterface::SupportInfo() const
{
    const DWORD count = static_cast<DWORD>(adapterPorts_.size());
    if (count == 0)
        return DWORD(SS_NO_ADAPTERS) << 8;
    return (DWORD(SS_COMP) << 8) | (count & 0xFF);
}

LetterEntry* NtScsiInterface::FindEntry(uint8_t port, uint8_t target, uint8_t lun)
{
    for (int letter = 2; letter < 26; ++letter) {
        LetterEntry& entry = letters_[letter];
        if (entry.valid && entry.port == port && entry.target == target && entry.lun == lun)
            return &entry;
    }
    return nullptr;
}

void NtScsiInterface::CloseDevice(LetterEntry& entry)
{
    if (entry.device != INVALID_HANDLE_VALUE)
        calls_.CloseHandle(entry.device);
    entry.device = INVALID_HANDLE_VALUE;
}

DWORD NtScsiInterface::PassThrough(SRB_ExecSCSICmd& srb, LetterEntry& entry, uint8_t& scsiStatus)
{
    scsiStatus = kScsiStatusGood;
    if (entry.device == INVALID_HANDLE_VALUE) {
        entry.device = OpenLetter(entry.letter);
        if (entry.device == INVALID_HANDLE_VALUE) {
            const DWORD error = calls_.GetLastError();
            return error ? error : DWORD(ERROR_INVALID_HANDLE);
        }
    }

    PassThroughRequest request{};
    request.sptd.Length = sizeof request.sptd;
    request.sptd.CdbLength = srb.SRB_CDBLen;
    // The sense bytes are asked for: they tell a missing disc from a bad sector.
    request.sptd.SenseInfoLength = sizeof request.sense;
    if (srb.SRB_Flags & SRB_DIR_IN)
        request.sptd.DataIn = SCSI_IOCTL_DATA_IN;
    else if (srb.SRB_Flags & SRB_DIR_OUT)
        request.sptd.DataIn = SCSI_IOCTL_DATA_OUT;
    else
        request.sptd.DataIn = SCSI_IOCTL_DATA_UNSPECIFIED;
    request.sptd.DataTransferLength = srb.SRB_BufLen;
    request.sptd.TimeOutValue = 15;
    request.sptd.DataBuffer = srb.SRB_BufPointer;
    request.sptd.SenseInfoOffset = offsetof(PassThroughRequest, sense);
    std::memcpy(request.sptd.Cdb, srb.CDBByte, sizeof request.sptd.Cdb);

    DWORD returned = 0;
    const BOOL ok = calls_.DeviceIoControl(entry.device, IOCTL_SCSI_PASS_THROUGH_DIRECT, &request,
                                           sizeof request, &request, sizeof request, &returned);
    size_t senseLength = srb.SRB_SenseLen;
    if (senseLength > sizeof srb.SenseArea)
        senseLength = sizeof srb.SenseArea;
    if (senseLength > sizeof request.sense)
        senseLength = sizeof request.sense;
    std::memcpy(srb.SenseArea, request.sense, senseLength);
    if (!ok) {
        const DWORD error = calls_.GetLastError();
        return error ? error : DWORD(ERROR_GEN_FAILURE);
    }
    scsiStatus = request.sptd.ScsiStatus;
    return 0;
}

DWORD NtScsiInterface::ExecCommand(void* block, LetterEntry& entry)
{
    auto* srb = static_cast<SRB_ExecSCSICmd*>(block);
    if (srb->CDBByte[0] == kOpInquiry) {
        // Windows already told us the inquiry data; the device is not asked again.
        size_t length = srb->SRB_BufLen < 36 ? srb->SRB_BufLen : 36;
        if (srb->SRB_BufPointer)
            std::memcpy(srb->SRB_BufPointer, entry.inquiry, length);
        return srb->SRB_Status = SS_COMP;
    }

    uint8_t scsiStatus = kScsiStatusGood;
    DWORD error = PassThrough(*srb, entry, scsiStatus);
    if (error == ERROR_MEDIA_CHANGED || error == ERROR_INVALID_HANDLE) {
        // The disc was changed or the handle went stale: reopen once and try again.
        // A reopen that fails keeps the drive's entry, so that the next command
        // tries again instead of finding the drive gone for good.
        const int letter = entry.letter;
        CloseDevice(entry);
        const LetterEntry previous = letters_[letter];
        if (FillEntry(letter)) {
            error = PassThrough(*srb, letters_[letter], scsiStatus);
        } else {
            letters_[letter] = previous;
            letters_[letter].device = INVALID_HANDLE_VALUE;
        }
    }
    return Complete(*srb, error, scsiStatus);
}

DWORD NtScsiInterface::Complete(SRB_ExecSCSICmd& srb, DWORD error, uint8_t scsiStatus)
{
    if (error != 0) {
        srb.SRB_Status = SS_ERR;
        srb.SRB_TargStat = 4;
        srb.SRB_Hdr_Rsvd = error;
        return SS_ERR;
    }
    // The device control carried the command, but the device may have refused it:
    // CHECK CONDITION (with its sense bytes in the block), BUSY and the others
    // are failures, as an ASPI layer reports them.
    srb.SRB_TargStat = scsiStatus;
    srb.SRB_Status = scsiStatus == kScsiStatusGood ? SS_COMP : SS_ERR;
    return srb.SRB_Status;
}

DWORD NtScsiInterface::SendSrb(void* block)
{
    if (!block)
        return SS_ERR;
    std::lock_guard<std::mutex> guard(lock_);
    auto* header = static_cast<SRB_Header*>(block);
    const uint32_t port =
        header->SRB_HaId < adapterPorts_.size() ? adapterPorts_[header->SRB_HaId] : 0;
    header->SRB_HaId = static_cast<BYTE>(port);

    switch (header->SRB_Cmd) {
    case SC_GET_DEV_TYPE: {
        auto* srb = static_cast<SRB_GDEVBlock*>(block);
        if (FindEntry(srb->SRB_HaId, srb->SRB_Target, srb->SRB_Lun)) {
            srb->SRB_DeviceType = DTYPE_CDROM;
            return srb->SRB_Status = SS_COMP;
        }
        srb->SRB_DeviceType = DTYPE_UNKNOWN;
        return srb->SRB_Status = SS_NO_DEVICE;
    }
    case SC_EXEC_SCSI_CMD: {
        auto* srb = static_cast<SRB_ExecSCSICmd*>(block);
        LetterEntry* entry = FindEntry(srb->SRB_HaId, srb->SRB_Target, srb->SRB_Lun);
        if (!entry)
            return srb->SRB_Status = SS_ERR;
        return ExecCommand(srb, *entry);
    }
    default:
        // An emulated request never stays pending, so there is nothing to abort.
        return header->SRB_Status = SS_ERR;
    }
}

void NtScsiInterface::Release()
{
    std::lock_guard<std::mutex> guard(lock_);
    for (LetterEntry& entry : letters_) {
        CloseDevice(entry);
        entry = LetterEntry{};
    }
    adapterPorts_.clear();
    mapBuilt_ = false;
}

}  // namespace velmora
