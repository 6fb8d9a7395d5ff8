#include "transport/drive_commands.h"

#include <cstring>
#include <memory>

#include "transport/scsi_command.h"
#include "transport/scsi_manager.h"

namespace velmora {
namespace {

constexpr size_t kInquirySize = 36;
constexpr size_t kNameOffset = 8;
constexpr size_t kNameLength = 24;

uint8_t LunBits(const DriveRecord& drive) { return static_cast<uint8_t>(drive.lun << 5); }

// The device-type request, kept on the heap for the same reason as execute requests.
struct DeviceTypeBlock final : PendingBlock {
    SRB_GDEVBlock srb{};
    BYTE Status() const override { return srb.SRB_Status; }
};

// A drive reports a new disc (or a reset) once, with a unit attention, to the first
// command that follows, which it then does not carry out. A question about the disc
// in the drive is asked once more: the answer is about the disc now there.
template <typename Send>
BYTE AskAgainAfterUnitAttention(DriveRecord& drive, Send send)
{
    const BYTE status = send();
    if (status == SS_ERR && drive.lastSense.key == kSenseUnitAttention)
        return send();
    return status;
}

}  // namespace

uint8_t GetDeviceType(DriveRecord& drive)
{
    auto block = std::make_unique<DeviceTypeBlock>();
    SRB_GDEVBlock& srb = block->srb;
    srb.SRB_Cmd = SC_GET_DEV_TYPE;
    srb.SRB_HaId = drive.hostAdapter;
    srb.SRB_Target = drive.target;
    srb.SRB_Lun = drive.lun;
    drive.manager->SendSrb(&srb);

    const DWORD started = ::GetTickCount();
    while (srb.SRB_Status == SS_PENDING &&
           ::GetTickCount() - started < drive.manager->CommandTimeout())
        ::Sleep(0);

    drive.lastStatus = srb.SRB_Status;
    const uint8_t type = srb.SRB_DeviceType;
    if (srb.SRB_Status == SS_PENDING)
        drive.manager->Abandon(std::move(block));
    return type;
}

void InquireDrive(DriveRecord& drive)
{
    uint8_t answer[kInquirySize] = {};
    const uint8_t cdb[6] = {kOpInquiry, LunBits(drive), 0, 0, kInquirySize, 0};
    SendScsiCommand(drive, SRB_DIR_IN, cdb, sizeof cdb, answer, sizeof answer);
    const char* text = reinterpret_cast<const char*>(answer + kNameOffset);
    drive.name.assign(text, strnlen(text, kNameLength));
}

BYTE TestUnitReady(DriveRecord& drive)
{
    const uint8_t cdb[6] = {kOpTestUnitReady, 0, 0, 0, 0, 0};
    return AskAgainAfterUnitAttention(
        drive, [&] { return SendScsiCommand(drive, 0, cdb, sizeof cdb, nullptr, 0); });
}

BYTE ReadToc(DriveRecord& drive, uint8_t* answer)
{
    const uint8_t cdb[10] = {kOpReadToc, LunBits(drive), 0, 0, 0, 0, 1, 0x08, 0x00, 0};
    const BYTE status = AskAgainAfterUnitAttention(drive, [&] {
        return SendScsiCommand(drive, SRB_DIR_IN, cdb, sizeof cdb, answer,
                               static_cast<DWORD>(kTocAnswerSize));
    });
    if (status == SS_ERR)
        std::memset(answer, 0, kTocAnswerSize);
    return status;
}

void OpenTray(DriveRecord& drive)
{
    const uint8_t cdb[6] = {kOpStartStopUnit, LunBits(drive), 0, 0, 0x02, 0};
    SendScsiCommand(drive, SRB_DIR_OUT, cdb, sizeof cdb, nullptr, 0);
}

void CloseTray(DriveRecord& drive)
{
    const uint8_t cdb[6] = {kOpStartStopUnit, LunBits(drive), 0, 0, 0x03, 0};
    SendScsiCommand(drive, SRB_DIR_OUT, cdb, sizeof cdb, nullptr, 0);
}

void SetReadSpeed(DriveRecord& drive, int32_t speed)
{
    if (speed == 0)
        return;
    // The field holds kilobytes a second in 16 bits; 0xFFFF asks for the drive's
    // maximum. A negative speed (-1 by convention) and one too fast for the field ask
    // for that maximum, never for what is left of them after the top bits are cut.
    constexpr int64_t kMaximum = 0xFFFF;
    const int64_t wanted = int64_t(speed) * 176;
    const uint16_t s = static_cast<uint16_t>(speed < 0 || wanted > kMaximum ? kMaximum : wanted);
    const uint8_t high = static_cast<uint8_t>(s >> 8);
    const uint8_t low = static_cast<uint8_t>(s & 0xFF);
    const uint8_t cdb[12] = {kOpSetCdSpeed, LunBits(drive), high, low, high, low, 0, 0, 0, 0, 0, 0};
    SendScsiCommand(drive, SRB_DIR_OUT, cdb, sizeof cdb, nullptr, 0);
}

void ScanDrives(ScsiManager& manager, int adapterCount,
                std::vector<std::shared_ptr<DriveRecord>>& drives)
{
    for (int adapter = 0; adapter < adapterCount; ++adapter)
        for (uint8_t target = 0; target < 8; ++target)
            for (uint8_t lun = 0; lun < 8; ++lun) {
                auto record = std::make_shared<DriveRecord>(
                    target, static_cast<uint8_t>(adapter), lun, &manager);
                const uint8_t type = GetDeviceType(*record);
                if (type == DTYPE_CDROM || type == DTYPE_WORM) {
                    InquireDrive(*record);
                    drives.push_back(std::move(record));
                }
            }
}

}  // namespace velmora
