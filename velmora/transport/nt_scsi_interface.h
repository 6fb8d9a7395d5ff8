// Emulates the two ASPI entry points over the NT SCSI pass-through device controls,
// for systems where no ASPI library loads. CD-ROM drive letters become emulated
// host adapters: one per NT SCSI port that carries a CD drive, adapter 0 always
// being port 0.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "transport/aspi.h"
#include "transport/system_calls.h"

namespace velmora {

struct LetterEntry {
    uint8_t port = 0;    // NT SCSI port, or the letter index when the drive has no address
    uint8_t target = 0;
    uint8_t lun = 0;
    uint8_t letter = 0;  // 0 = A:
    bool valid = false;
    HANDLE device = INVALID_HANDLE_VALUE;  // opened by the first command for the letter
    uint8_t inquiry[36] = {};              // what Windows reported when the map was built
};

class NtScsiInterface {
public:
    explicit NtScsiInterface(SystemCalls& calls) : calls_(calls) {}
    ~NtScsiInterface() { Release(); }
    NtScsiInterface(const NtScsiInterface&) = delete;
    NtScsiInterface& operator=(const NtScsiInterface&) = delete;

    // Builds the drive-letter map once; returns the number of usable letters
    // (0 on every later call).
    int BuildLetterMap();
    DWORD SupportInfo() const;
    DWORD SendSrb(void* block);
    // Closes every device handle and forgets the map.
    void Release();

    const std::vector<uint32_t>& AdapterPorts() const { return adapterPorts_; }
    const LetterEntry& Letter(int index) const { return letters_[index]; }

private:
    bool FillEntry(int letter);
    HANDLE OpenLetter(int letter);
    LetterEntry* FindEntry(uint8_t port, uint8_t target, uint8_t lun);
    DWORD ExecCommand(void* block, LetterEntry& entry);
    // One pass-through request: the Windows error (0 when the device control
    // succeeded), the device's status, and its sense bytes copied into the block.
    DWORD PassThrough(SRB_ExecSCSICmd& srb, LetterEntry& entry, uint8_t& scsiStatus);
    // Sets the block's status from the outcome; returns it.
    static DWORD Complete(SRB_ExecSCSICmd& srb, DWORD error, uint8_t scsiStatus);
    void CloseDevice(LetterEntry& entry);

    SystemCalls& calls_;
    std::mutex lock_;  // letter map and device handles are shared by all calling threads
    std::vector<uint32_t> adapterPorts_;
    bool mapBuilt_ = false;
    std::array<LetterEntry, 26> letters_{};
};

}  // namespace velmora
