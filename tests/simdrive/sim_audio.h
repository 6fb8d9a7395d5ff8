// The audio that the simulated drive serves: every byte is a function of its
// absolute position on the disc (LBA x 2352 + offset in the sector), so tests can
// compute any expected byte. Every 32-bit word differs from its neighbours, which
// makes overlap matching unambiguous.
#pragma once

#include <cstdint>

namespace simdrive {

constexpr int kSectorBytes = 2352;

inline uint32_t AudioWord(int64_t wordIndex)
{
    uint32_t x = static_cast<uint32_t>(wordIndex) * 0x9E3779B1u + 0x7F4A7C15u;
    x ^= x >> 15;
    x *= 0x85EBCA77u;
    x ^= x >> 13;
    x *= 0xC2B2AE3Du;
    x ^= x >> 16;
    return x;
}

// The byte at absolute position `position`; positions before the disc read as 0.
inline uint8_t AudioByte(int64_t position)
{
    if (position < 0)
        return 0;
    return static_cast<uint8_t>(AudioWord(position / 4) >> (8 * (position % 4)));
}

// Fills `length` bytes that begin at absolute position `position`.
inline void FillAudio(int64_t position, uint8_t* out, int64_t length)
{
    int64_t i = 0;
    while (i < length && (position + i) % 4 != 0) {
        out[i] = AudioByte(position + i);
        ++i;
    }
    for (; i + 4 <= length; i += 4) {
        const uint32_t w = position + i < 0 ? 0 : AudioWord((position + i) / 4);
        out[i] = static_cast<uint8_t>(w);
        out[i + 1] = static_cast<uint8_t>(w >> 8);
        out[i + 2] = static_cast<uint8_t>(w >> 16);
        out[i + 3] = static_cast<uint8_t>(w >> 24);
    }
    for (; i < length; ++i)
        out[i] = AudioByte(position + i);
}

}  // namespace simdrive
