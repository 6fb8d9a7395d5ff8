// Describing the simulated drive from a test: the description file named by
// VELMORA_SIMDRIVE, rewritten with a strictly later time stamp each time so that the
// simulated drive always notices the change, and the log of the CDBs it received.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sim_config.h"

namespace testsupport {

struct SimDevice {
    int adapter = 0;
    int target = 0;
    int lun = 0;
    int type = 5;
    std::string vendor = "VELSIM";
    std::string product = "VIRTUAL CD-ROM";
    std::vector<simdrive::TocRow> tracks;
    int32_t leadOut = 0;
    bool disc = true;
    std::vector<std::string> extra;  // further directives (faults, jitter, audio, tocraw)

    std::string Text() const;
    // The audio the simulated drive serves for this disc.
    simdrive::DiscAudio Audio() const;
};

// One row of a table of contents as the drive reports it, lead-out rows included.
struct RawTocRow {
    uint8_t control;  // the ADR/control byte: 0x10 audio, 0x14 data, 0x12 copy permitted...
    uint8_t number;   // 0xAA for the lead-out
    int32_t lba;
};
// The "tocraw" directive of a READ TOC answer holding exactly these rows.
std::string TocRawLine(const std::vector<RawTocRow>& rows);

// Writes the description of `adapters` host adapters holding `devices`.
void WriteSimDrive(int adapters, const std::vector<SimDevice>& devices);
void WriteSimDriveText(const std::string& text);

// The CDB log: cleared, and read as lines ("CDB a.t.l HEX...", "DEVTYPE a.t.l", "ABORT").
void ClearSimLog();
std::vector<std::string> SimLog();
// The READ CD requests of the log as (first sector, sector count).
std::vector<std::pair<int32_t, int>> SimReadCdRequests();

// Discs used across the tests.
// An audio CD of `tracks` tracks, `sectors` sectors each, starting at LBA 0.
SimDevice AudioCd(int tracks, int32_t sectors, int adapter = 0, int target = 0, int lun = 0);
// Audio tracks 1..audioTracks, then one data track in a second session.
SimDevice EnhancedCd(int audioTracks, int32_t sectors);

// The CDDB disc id of a disc, as a CDDB server knows it (8 hex digits).
std::string CddbId(const SimDevice& disc);

}  // namespace testsupport
