// Lists the CD drives that the control's transport finds and the tracks of each
// drive's disc: the transport and the table of contents at work, without COM.
#include <cstdio>
#include <memory>
#include <vector>

#include "disc/toc_table.h"
#include "transport/drive_commands.h"
#include "transport/scsi_manager.h"

using namespace velmora;

int main()
{
    ScsiManager manager;
    if (!manager.Load()) {
        std::printf("No SCSI layer could be bound.\n");
        return 1;
    }
    const DWORD info = manager.SupportInfo();
    if (((info >> 8) & 0xFF) != SS_COMP) {
        std::printf("The SCSI layer reports no host adapters.\n");
        return 1;
    }
    std::vector<std::shared_ptr<DriveRecord>> drives;
    ScanDrives(manager, info & 0xFF, drives);
    std::printf("%s layer, %lu host adapter(s), %zu CD drive(s)\n",
                manager.Emulated() ? "NT pass-through" : "ASPI", info & 0xFF, drives.size());
    for (auto& drive : drives) {
        std::printf("\n[%d:%d:%d] \"%s\"\n", drive->hostAdapter, drive->target, drive->lun,
                    drive->name.c_str());
        uint8_t answer[kTocAnswerSize] = {};
        if (ReadToc(*drive, answer) != SS_COMP) {
            std::printf("  no disc\n");
            continue;
        }
        ParseTocAnswer(answer, drive->toc);
        for (int row = 0; row + 1 < drive->toc.count; ++row) {
            int32_t start = 0, end = 0;
            TrackExtent(drive->toc, row, start, end);
            const uint32_t seconds = static_cast<uint32_t>(end - start) / 75;
            std::printf("  track %2d  %s  %2u:%02u  %10lld bytes\n", drive->toc.trackNumber[row],
                        drive->toc.IsAudioRow(row) ? "audio" : "data ", seconds / 60, seconds % 60,
                        static_cast<long long>(end - start) * 2352);
        }
    }
    return 0;
}
