#include "extract/overlap_match.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "extract/sector_reader.h"

namespace velmora {
namespace {

uint64_t Load64(const uint8_t* bytes)
{
    uint64_t v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

uint32_t Load32(const uint8_t* bytes)
{
    uint32_t v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

// Collects, in order, the positions `start`, `start` + 4, ... up to `high` where the 8
// bytes at `read` + position + `at` equal `tail`, into `candidates` (room for
// `room`), until one more than `room` are found; returns how many were found.
int ScanForTail(const uint8_t* read, int64_t at, uint64_t tail, int64_t start, int64_t high, int64_t* candidates,
                int room)
{
    int found = 0;
    int64_t p = start;
#if defined(__SSE2__)
    // Four positions at a time: the 32-bit words at each position and at the one
    // after it are compared with the tail's two halves. The loads stay inside the
    // read: the last one ends where the last position's 8 bytes end.
    const __m128i low = _mm_set1_epi32(static_cast<int>(static_cast<uint32_t>(tail)));
    const __m128i highHalf = _mm_set1_epi32(static_cast<int>(static_cast<uint32_t>(tail >> 32)));
    for (; p + 3 * kFrameBytes <= high && found <= room; p += 4 * kFrameBytes) {
        const uint8_t* words = read + p + at;
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words));
        const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words + 4));
        int mask = _mm_movemask_ps(_mm_castsi128_ps(
            _mm_and_si128(_mm_cmpeq_epi32(first, low), _mm_cmpeq_epi32(second, highHalf))));
        for (int k = 0; mask != 0 && found <= room; ++k, mask >>= 1)
            if (mask & 1) {
                if (found < room)
                    candidates[found] = p + k * kFrameBytes;
                ++found;
            }
    }
#endif
    for (; p <= high && found <= room; p += kFrameBytes)
        if (Load64(read + p + at) == tail) {
            if (found < room)
                candidates[found] = p;
            ++found;
        }
    return found;
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
    // The key's last two frames hold a change of sound wherever it has one at its end
    // (the reader chooses its keys so): comparing them first rules out nearly every
    // place at the cost of one load.
    const uint64_t tail = Load64(key + keyLength - 8);
    // One pass over the window compares the key's last frames only; the few places
    // that pass are compared whole, nearest first. Audio whose last frames recur all
    // over the window (silence, a short period) is searched nearest first instead,
    // and the search ends at the second match: two comparisons, not thousands.
    constexpr int kMaxCandidates = 64;
    int64_t candidates[kMaxCandidates];
    const int64_t start = low + ((expected - low) % kFrameBytes + kFrameBytes) % kFrameBytes;
    const int found = ScanForTail(read, keyLength - 8, tail, start, high, candidates, kMaxCandidates);
    auto whole = [&](int64_t p) { return std::memcmp(read + p, key, keyLength - 8) == 0; };
    if (found <= kMaxCandidates) {
        std::sort(candidates, candidates + found, [&](int64_t a, int64_t b) {
            const int64_t da = a > expected ? a - expected : expected - a;
            const int64_t db = b > expected ? b - expected : expected - b;
            return da < db || (da == db && a < b);
        });
        for (int i = 0; i < found && match.count < 2; ++i)
            if (whole(candidates[i]) && match.count++ == 0)
                match.position = candidates[i];
        return match;
    }
    for (int64_t d = 0; expected - d >= low || expected + d <= high; d += kFrameBytes) {
        for (int side = 0; side < (d == 0 ? 1 : 2); ++side) {
            const int64_t p = side == 0 ? expected - d : expected + d;
            if (p < low || p > high || Load64(read + p + keyLength - 8) != tail || !whole(p))
                continue;
            if (match.count++ == 0)
                match.position = p;
            if (match.count == 2)
                return match;
        }
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
