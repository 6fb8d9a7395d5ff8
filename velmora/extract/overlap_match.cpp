#include "extract/overlap_match.h"

#include <algorithm>
#include <cstring>

#include "extract/sector_reader.h"

namespace velmora {
namespace {

uint64_t Load64(const uint8_t* p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

uint32_t Load32(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

}  // namespace

KeyMatch FindKey(const uint8_t* read, uint32_t length, const uint8_t* key, uint32_t keyLength,
                 int64_t expected, int64_t first, int64_t last)
{
    KeyMatch match;
    if (keyLength < 8 || keyLength > length)
        return match;
    const int64_t low = std::max<int64_t>({first, 0, expected - kMaxLanding});
    const int64_t high = std::min<int64_t>({last, int64_t(length) - keyLength, expected + kMaxLanding});
    // The first position at or after `low` that lies a whole number of frames from
    // the expected one.
    int64_t p = low + ((expected - low) % kFrameBytes + kFrameBytes) % kFrameBytes;
    // The key's last two frames hold a change of sound wherever it has one at its end
    // (the reader chooses its keys so): comparing them first rules out nearly every
    // place at the cost of one load.
    const uint64_t tail = Load64(key + keyLength - 8);
    int64_t nearest = -1;
    for (; p <= high; p += kFrameBytes) {
        if (Load64(read + p + keyLength - 8) != tail || std::memcmp(read + p, key, keyLength - 8) != 0)
            continue;
        const int64_t distance = p > expected ? p - expected : expected - p;
        if (match.count == 0 || distance < nearest) {
            nearest = distance;
            match.position = p;
        }
        match.count = std::min(match.count + 1, 2);
    }
    return match;
}

uint32_t FindJitterOffset(const uint8_t* read, uint32_t length, const uint8_t* overlap,
                          uint32_t expectedOffset, bool& jitter)
{
    jitter = false;
    if (expectedOffset >= kSectorSize && expectedOffset < length) {
        // A match at the very end would leave no new audio: the block must advance.
        const int64_t last = int64_t(length) - kSectorSize - kFrameBytes;
        const KeyMatch match = FindKey(read, length, overlap, kSectorSize,
                                       int64_t(expectedOffset) - kSectorSize, 0, last);
        if (match.count > 0)
            return static_cast<uint32_t>(match.position + kSectorSize);
    }
    jitter = true;
    return expectedOffset < length ? expectedOffset : length;
}

bool IsUniform(const uint8_t* audio, uint32_t length)
{
    return length <= kFrameBytes || std::memcmp(audio, audio + kFrameBytes, length - kFrameBytes) == 0;
}

uint32_t UniformPrefix(const uint8_t* audio, uint32_t length)
{
    length &= ~3u;
    if (length < kFrameBytes)
        return length;
    const uint32_t first = Load32(audio);
    uint32_t at = kFrameBytes;
    while (at < length && Load32(audio + at) == first)
        at += kFrameBytes;
    return at;
}

uint32_t EndOfLastChange(const uint8_t* audio, uint32_t length)
{
    for (uint32_t at = length & ~3u; at >= 2 * kFrameBytes; at -= kFrameBytes)
        if (Load32(audio + at - kFrameBytes) != Load32(audio + at - 2 * kFrameBytes))
            return at;
    return 0;
}

}  // namespace velmora
