#include "extract/overlap_match.h"

#include <cstring>

#include "extract/sector_reader.h"

namespace velmora {
namespace {

// How far from the expected place the sector is looked for, each way: six and a half
// sectors, half the window searched around the middle of a full block.
constexpr int64_t kMaxDrift = 15288;
// Samples are whole stereo frames.
constexpr int64_t kSearchStep = 4;

}  // namespace

uint32_t FindJitterOffset(const uint8_t* read, uint32_t length, const uint8_t* overlap,
                          uint32_t expectedOffset, bool& jitter)
{
    jitter = false;
    if (expectedOffset >= kSectorSize && expectedOffset < length) {
        const int64_t expected = int64_t(expectedOffset) - kSectorSize;
        // A match at the very end would leave no new audio: the block must advance.
        const int64_t last = int64_t(length) - kSectorSize - kSearchStep;
        auto matches = [&](int64_t p) {
            return p >= 0 && p <= last && std::memcmp(read + p, overlap, kSectorSize) == 0;
        };
        for (int64_t d = 0; d <= kMaxDrift && (expected - d >= 0 || expected + d <= last);
             d += kSearchStep) {
            if (matches(expected - d))
                return static_cast<uint32_t>(expected - d + kSectorSize);
            if (d > 0 && matches(expected + d))
                return static_cast<uint32_t>(expected + d + kSectorSize);
        }
    }
    jitter = true;
    return expectedOffset < length ? expectedOffset : length;
}

}  // namespace velmora
