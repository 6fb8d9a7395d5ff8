// Overlap matching: where the last sector of the previous read lies in the next one.
// Consecutive reads share some sectors; a drive that does not seek exactly delivers
// them a few bytes early or late, and the match tells where the new audio begins.
#pragma once

#include <cstdint>

namespace velmora {

// `read` holds `length` bytes; `overlap` the 2352 bytes that ended the previous read;
// `expectedOffset` is where the new audio begins when the drive delivered exactly the
// sectors asked for (at least one sector, less than `length`). The nearest position to
// the expected one where the whole sector matches wins, so audio that matches in many
// places (digital silence, a constant sample, a repeated period) is taken from where
// it belongs. Returns the offset of the new audio; `jitter` is set when the sector is
// nowhere near, and the offset is then the expected one.
uint32_t FindJitterOffset(const uint8_t* read, uint32_t length, const uint8_t* overlap,
                          uint32_t expectedOffset, bool& jitter);

}  // namespace velmora
