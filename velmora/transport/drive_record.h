// One CD drive found by the bus scan: its SCSI address, name, and the last table
// of contents read from it. Records are made once and never move, so drive objects,
// tasks and the sector reader hold plain references to them.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "disc/toc_table.h"
#include "transport/aspi.h"
#include "transport/sense_data.h"

namespace velmora {

class ScsiManager;

struct DriveRecord {
    DriveRecord(uint8_t target, uint8_t hostAdapter, uint8_t lun, ScsiManager* manager)
        : target(target), hostAdapter(hostAdapter), lun(lun), manager(manager)
    {
    }

    uint8_t storedToc[kTocAnswerSize] = {};  // last READ TOC answer accepted by Refresh
    std::string name;                        // vendor and product, blanks kept
    uint8_t target;
    uint8_t hostAdapter;
    uint8_t lun;
    ScsiManager* manager;
    uint8_t lastStatus = SS_COMP;
    // What the drive said about the last request that failed with SS_ERR (zero
    // after any other outcome); written by whichever thread sent last.
    SenseCode lastSense;
    TocTable toc;
    // Guards the table of contents, the stored answer and what is built from them.
    std::mutex lock;
};

}  // namespace velmora
