#include "transport/scsi_command.h"

#include <cstring>

#include "transport/drive_record.h"

namespace velmora {

ScsiRequest::ScsiRequest(size_t capacity)
    : event_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)), data_(capacity)
{
}

bool AbortSrb(DriveRecord& drive, SRB_ExecSCSICmd& pending)
{
    if (drive.manager->Emulated()) {
        drive.lastStatus = SS_ERR;
        return false;
    }
    SRB_Abort abort{};
    abort.SRB_Cmd = SC_ABORT_SRB;
    abort.SRB_HaId = drive.hostAdapter;
    abort.SRB_ToAbort = &pending;
    drive.manager->SendSrb(&abort);
    drive.lastStatus = abort.SRB_Status;
    return abort.SRB_Status == SS_COMP;
}

BYTE SendScsiCommand(DriveRecord& drive, BYTE direction, const uint8_t* cdb, int cdbLength,
                     std::unique_ptr<ScsiRequest>& request, DWORD length)
{
    if (!request->HasEvent())
        return SS_ABORTED;
    if (length > request->Capacity())
        length = static_cast<DWORD>(request->Capacity());
    if (cdbLength > 16)
        cdbLength = 16;

    SRB_ExecSCSICmd& srb = request->Srb();
    srb = SRB_ExecSCSICmd{};
    srb.SRB_Cmd = SC_EXEC_SCSI_CMD;
    srb.SRB_HaId = drive.hostAdapter;
    srb.SRB_Target = drive.target;
    srb.SRB_Lun = drive.lun;
    srb.SRB_Flags = direction | SRB_EVENT_NOTIFY;
    srb.SRB_BufLen = length;
    srb.SRB_BufPointer = request->Data();
    srb.SRB_SenseLen = SENSE_LEN;
    srb.SRB_CDBLen = static_cast<BYTE>(cdbLength);
    srb.SRB_PostProc = request->Event();
    std::memcpy(srb.CDBByte, cdb, cdbLength);

    // The event resets itself when a wait takes its signal, so nothing is reset before
    // sending (each reset is a call into the system, on every block). A signal left
    // from a request that completed without being waited for only ends one wait early:
    // the status, not the event, says whether this request is done.
    if (drive.manager->SendSrb(&srb) == SS_PENDING) {
        const volatile BYTE& status = srb.SRB_Status;
        const DWORD timeout = drive.manager->CommandTimeout();
        const ULONGLONG started = ::GetTickCount64();
        while (status == SS_PENDING) {
            const ULONGLONG waited = ::GetTickCount64() - started;
            if (timeout != INFINITE && waited >= timeout)
                break;
            const DWORD left = timeout == INFINITE ? INFINITE : static_cast<DWORD>(timeout - waited);
            if (::WaitForSingleObject(request->Event(), left) == WAIT_FAILED)
                break;
        }
        if (srb.SRB_Status == SS_PENDING) {
            AbortSrb(drive, srb);
            drive.lastStatus = srb.SRB_Status;
            drive.lastSense = SenseCode{};
            if (srb.SRB_Status == SS_PENDING) {
                // The layer still owns the request: hand it over and carry on with a new one.
                const size_t capacity = request->Capacity();
                drive.manager->Abandon(std::move(request));
                request = std::make_unique<ScsiRequest>(capacity);
            }
            return SS_ABORTED;
        }
    }
    drive.lastStatus = srb.SRB_Status;
    drive.lastSense = srb.SRB_Status == SS_ERR ? SenseOf(srb) : SenseCode{};
    return srb.SRB_Status;
}

BYTE SendScsiCommand(DriveRecord& drive, BYTE direction, const uint8_t* cdb, int cdbLength,
                     void* buffer, DWORD length)
{
    auto request = std::make_unique<ScsiRequest>(length);
    if (length)
        std::memcpy(request->Data(), buffer, length);
    const BYTE status = SendScsiCommand(drive, direction, cdb, cdbLength, request, length);
    if (status != SS_ABORTED && length)
        std::memcpy(buffer, request->Data(), length);
    return status;
}

}  // namespace velmora
