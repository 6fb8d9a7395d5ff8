// Overlap matching: where audio already delivered lies in a new read. Consecutive
// reads share some sectors; a drive that does not seek exactly delivers them a few
// samples early or late, and finding the shared audio tells where the new audio
// begins. Audio that looks the same in many places (digital silence, a constant
// sample, a short repeated period) cannot tell that by itself: the searches here say
// so instead of guessing.
#pragma once

#include <cstdint>

namespace velmora {

// The farthest a drive is taken to land from the sector it was asked for, each way,
// in bytes: six and a half sectors, half the window a full block leaves around the
// middle of its overlap. Landings are whole stereo frames.
constexpr int64_t kMaxLanding = 15288;
constexpr int64_t kFrameBytes = 4;

struct KeyMatch {
    int count = 0;          // places where the key lies: 0, 1, or 2 for two or more
    int64_t position = 0;   // the one nearest to the expected position, when count > 0
};

// Looks for the `keyLength` bytes of `key` (a multiple of 4, at least 8) in the
// `length` bytes of `read`, at every position `expected` + a multiple of 4 within
// kMaxLanding of it and between `first` and `last` (both included) that keeps the
// key inside the read. `expected` is where the key lies when the drive delivered
// exactly what was asked.
KeyMatch FindKey(const uint8_t* read, uint32_t length, const uint8_t* key, uint32_t keyLength,
                 int64_t expected, int64_t first, int64_t last);

// `read` holds `length` bytes; `overlap` the 2352 bytes that ended the previous read;
// `expectedOffset` is where the new audio begins when the drive delivered exactly the
// sectors asked for (at least one sector, less than `length`). The nearest position to
// the expected one where the whole sector matches wins, so audio that matches in many
// places is taken from where it belongs. Returns the offset of the new audio; `jitter`
// is set when the sector is nowhere near, and the offset is then the expected one.
uint32_t FindJitterOffset(const uint8_t* read, uint32_t length, const uint8_t* overlap,
                          uint32_t expectedOffset, bool& jitter);

// True when every frame of the `length` bytes (a multiple of 4) is the same.
bool IsUniform(const uint8_t* audio, uint32_t length);

// How many bytes from the start hold the first frame over and over.
uint32_t UniformPrefix(const uint8_t* audio, uint32_t length);

// Where the last change of sound in `audio` ends: the end of the last frame that
// differs from the frame before it, 0 when every frame is the same.
uint32_t EndOfLastChange(const uint8_t* audio, uint32_t length);

}  // namespace velmora
