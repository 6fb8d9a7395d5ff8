// The one path by which the control's commands reach CD drives: binds to the ASPI
// library wnaspi32.dll when it loads, else to the NT pass-through emulation, and
// sends ASPI request blocks to whichever is bound.
#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <vector>

#include "transport/aspi.h"
#include "transport/nt_scsi_interface.h"
#include "transport/system_calls.h"

namespace velmora {

// A request block that an ASPI layer may still write to after we stopped waiting
// for it. Blocks live on the heap so that ownership can pass to the manager.
class PendingBlock {
public:
    virtual ~PendingBlock() = default;
    virtual BYTE Status() const = 0;
};

class ScsiManager {
public:
    explicit ScsiManager(SystemCalls& calls = RealSystemCalls());
    ~ScsiManager();
    ScsiManager(const ScsiManager&) = delete;
    ScsiManager& operator=(const ScsiManager&) = delete;

    // Binds a back end: the ASPI library by the search order, then from the system
    // directory, then from the Windows directory; the emulation only when none loads.
    bool Load();
    bool Bound() const { return bound_; }
    bool Emulated() const { return emulated_; }

    // Adapter count in bits 0-7, ASPI status in bits 8-15.
    DWORD SupportInfo();
    DWORD SendSrb(void* srb);
    // Unloads the library or closes the emulation's devices.
    void Release();

    // Keeps a block whose request did not finish in time until the layer is done with it.
    void Abandon(std::unique_ptr<PendingBlock> block);
    // Abandoned blocks the layer has not finished with yet.
    size_t AbandonedCount();

    // How long a command may stay pending before it is aborted.
    DWORD CommandTimeout() const { return commandTimeout_; }
    void SetCommandTimeout(DWORD milliseconds) { commandTimeout_ = milliseconds; }

    NtScsiInterface& Emulation() { return emulation_; }

private:
    HMODULE LoadAspiLibrary();
    void ReapAbandoned();

    SystemCalls& calls_;
    HMODULE library_ = nullptr;
    bool bound_ = false;
    bool emulated_ = false;
    GetASPI32SupportInfoFn supportInfo_ = nullptr;
    SendASPI32CommandFn sendCommand_ = nullptr;
    NtScsiInterface emulation_;
    DWORD commandTimeout_ = 10000;

    std::mutex abandonedLock_;
    std::vector<std::unique_ptr<PendingBlock>> abandoned_;
};

}  // namespace velmora
