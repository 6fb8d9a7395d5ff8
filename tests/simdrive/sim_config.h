// The simulated drive's description: host adapters, devices and the disc in each
// CD drive, plus the faults a test asks for. Read from a text file, one directive
// per line ('#' starts a comment):
//
//   adapters N                    host adapters reported by GetASPI32SupportInfo
//   device HA TARGET LUN          starts a device; the lines below describe it
//   type T                        device type (5 CD-ROM, 4 write-once, 0 disk...)
//   vendor "TEXT"                 8 characters, padded with blanks
//   product "TEXT"                16 characters, padded with blanks
//   track NUMBER LBA audio|data   one row of the table of contents
//   leadout LBA                   the lead-out row
//   nodisc                        no disc: TEST UNIT READY, READ TOC and READ CD
//                                 fail with CHECK CONDITION, sense 02/3A/00
//                                 (medium not present)
//   tocraw HEX...                 the READ TOC answer as raw bytes (rest zero)
//   fault OP MODE [FROM TO] [times N] [delay MS] [sense KEY ASC ASCQ]
//       OP: devtype inquiry tur readtoc readcd startstop speed
//       MODE: fail (SS_ERR), hang (pending until aborted), late (pending, the
//       abort has no effect, completes after MS milliseconds)
//       FROM TO: READ CD only, requests that touch these LBAs
//       times N: only the first N matching requests
//       sense: a failure reported with CHECK CONDITION and this sense data
//   jitter FROM TO BYTES          READ CD requests starting in [FROM, TO] land
//                                 BYTES early (negative) or late (positive)
//   wander FROM TO PERCENT MAXFRAMES
//                                 READ CD requests starting in [FROM, TO]: PERCENT %
//                                 of them land a random nonzero whole number of
//                                 frames (4-byte stereo samples) in [-MAXFRAMES,
//                                 MAXFRAMES] off; each try draws anew (added to a
//                                 jitter that applies too)
//   seed N                        seeds the device's random generator (default a
//                                 fixed seed, so runs are reproducible; rewriting
//                                 the description starts it again)
//   image PATH                    the disc's audio comes from a raw image (2352 bytes
//                                 a sector, LBA 0 first, as in a BIN file) instead
//                                 of the formula of sim_audio.h
//   silence FROM TO               sectors FROM..TO hold digital silence
//   constant FROM TO WORD         every frame of the sectors is WORD (32 bits)
//   period FROM TO FRAMES         the sectors repeat their first FRAMES frames
//   sine FROM TO HZ AMPLITUDE     the sectors hold a sine on both channels
//                                 (a later stretch wins where two overlap)
//   immediate                     requests complete before SendASPI32Command returns,
//                                 as a layer over a disc image would (no event is set)
//   immediate signal              the same, and the request's event is set as well
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim_audio.h"

namespace simdrive {

struct Fault {
    std::string op;
    std::string mode;
    int32_t from = INT32_MIN;
    int32_t to = INT32_MAX;
    int times = -1;  // -1: every time
    int delayMs = 0;
    int senseKey = -1;  // -1: the failure carries no sense data
    int asc = 0;
    int ascq = 0;
};

struct Jitter {
    int32_t from = 0;
    int32_t to = 0;
    int32_t bytes = 0;
};

struct Wander {
    int32_t from = 0;
    int32_t to = 0;
    int percent = 0;
    int32_t maxFrames = 0;
};

// A small generator of the device's random landings (splitmix64).
struct Random {
    uint64_t state = 0x5EEDC0DE2024ull;
    uint64_t Next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
};

struct TocRow {
    int number = 0;
    int32_t lba = 0;
    bool data = false;
};

struct Device {
    int adapter = 0;
    int target = 0;
    int lun = 0;
    int type = 5;
    std::string vendor = "VELSIM  ";
    std::string product = "VIRTUAL CD-ROM  ";
    bool disc = true;
    std::vector<TocRow> tracks;
    int32_t leadOut = 0;
    std::vector<uint8_t> rawToc;  // replaces the built answer when not empty
    std::vector<Fault> faults;
    std::vector<Jitter> jitters;
    std::vector<Wander> wanders;
    Random random;
    int32_t furthestRead = INT32_MIN;  // the furthest start of a READ CD served so far
    DiscAudio audio;
};

struct Config {
    int adapters = 1;
    bool immediate = false;
    bool immediateSignal = false;
    std::vector<Device> devices;
};

// Parses the description; unknown lines are errors (returned as text, empty on success).
std::string ParseConfig(const std::string& text, Config& config);

// How many bytes a READ CD starting at `lba` lands off: the first jitter and the
// first wander whose ranges hold it, the wander drawn from the device's generator.
int64_t LandingError(Device& device, int32_t lba);

// The READ TOC (format 0, LBA) answer of a device's disc, `size` bytes.
std::vector<uint8_t> BuildTocAnswer(const Device& device, size_t size);

}  // namespace simdrive
