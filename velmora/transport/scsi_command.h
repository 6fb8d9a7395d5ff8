// Sending one CDB to a drive as an ASPI execute request: completion event, bounded
// wait, abort on time-out.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "transport/aspi.h"
#include "transport/scsi_manager.h"
#include "transport/sense_data.h"
#include "win/unique_handle.h"

namespace velmora {

struct DriveRecord;

// An execute request with its completion event and data buffer, kept together on
// the heap: after a time-out whose abort did not take effect the ASPI layer may still
// write to all three, so the manager then keeps the request alive.
class ScsiRequest final : public PendingBlock {
public:
    explicit ScsiRequest(size_t capacity);
    BYTE Status() const override { return srb_.SRB_Status; }
    // The system's request block, filled in by SendScsiCommand.
    SRB_ExecSCSICmd& Srb() { return srb_; }
    const SRB_ExecSCSICmd& Srb() const { return srb_; }
    bool HasEvent() const { return static_cast<bool>(event_); }
    HANDLE Event() const { return event_.Get(); }
    uint8_t* Data() { return data_.data(); }
    size_t Capacity() const { return data_.size(); }

private:
    SRB_ExecSCSICmd srb_{};
    win::UniqueHandle event_;
    std::vector<uint8_t> data_;
};

// Sends `cdb` with `length` bytes of the request's buffer in the given direction
// (0, SRB_DIR_IN or SRB_DIR_OUT) and waits for it. Returns the ASPI status:
// SS_ABORTED when no event could be made or the request timed out. After a time-out
// that the layer did not end, the request passes to the manager and `request` is
// replaced by a fresh one of the same capacity.
BYTE SendScsiCommand(DriveRecord& drive, BYTE direction, const uint8_t* cdb, int cdbLength,
                     std::unique_ptr<ScsiRequest>& request, DWORD length);

// The same for a caller's own buffer, which is copied in before sending and back
// after completion (left untouched after a time-out).
BYTE SendScsiCommand(DriveRecord& drive, BYTE direction, const uint8_t* cdb, int cdbLength,
                     void* buffer, DWORD length);

// Sends SC_ABORT_SRB for a pending request; stores the abort's status in the
// record. True when the abort completed.
bool AbortSrb(DriveRecord& drive, SRB_ExecSCSICmd& pending);

}  // namespace velmora
