// The drive-level commands of the control and the bus scan that finds the drives.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "transport/drive_record.h"

namespace velmora {

class ScsiManager;

// Operation codes and the READ TOC allocation.
enum : uint8_t {
    kOpTestUnitReady = 0x00,
    kOpInquiry = 0x12,
    kOpStartStopUnit = 0x1B,
    kOpReadToc = 0x43,
    kOpSetCdSpeed = 0xBB,
    kOpReadCd = 0xBE,
};

// Device type of the address in the record (whatever the status, as the block
// holds it after at most the command time-out); the status goes to the record.
uint8_t GetDeviceType(DriveRecord& drive);
// INQUIRY; the record's name becomes the 24 characters of vendor and product.
void InquireDrive(DriveRecord& drive);

BYTE TestUnitReady(DriveRecord& drive);
// READ TOC, format 0, LBA addresses, into a buffer of kTocAnswerSize bytes that the
// caller has filled beforehand. SS_ERR turns the buffer into zero bytes.
BYTE ReadToc(DriveRecord& drive, uint8_t* answer);
void OpenTray(DriveRecord& drive);
void CloseTray(DriveRecord& drive);
// Speed in multiples of 176 kB/s; -1 asks for the drive's maximum, 0 sends nothing.
void SetReadSpeed(DriveRecord& drive, int32_t speed);

// Asks every address of `adapterCount` host adapters (adapter, then target, then LUN)
// and appends a record for each CD-ROM or write-once device.
void ScanDrives(ScsiManager& manager, int adapterCount,
                std::vector<std::shared_ptr<DriveRecord>>& drives);

}  // namespace velmora
