// The audio that the simulated drive serves. By default every byte is a function of
// its absolute position on the disc (LBA x 2352 + offset in the sector), and every
// 32-bit word differs from its neighbours, which makes overlap matching unambiguous.
// A disc can instead take its audio from a raw image, and lay stretches of audio that
// real discs are full of over either: digital silence, a constant sample, a short
// period repeated, a sine. Tests compute any expected byte with the same code.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace simdrive {

constexpr int kSectorBytes = 2352;
constexpr int kSectorFrames = kSectorBytes / 4;  // stereo frames of two 16-bit samples

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

// Fills `length` bytes of the formula that begin at absolute position `position`.
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

// A stretch of sectors [from, to] (both included) whose audio replaces the disc's.
struct AudioRegion {
    enum class Kind { Silence, Constant, Period, Sine };
    Kind kind = Kind::Silence;
    int32_t from = 0;
    int32_t to = 0;
    uint32_t word = 0;       // Constant: every frame (left sample low, right high)
    int32_t frames = 1;      // Period: the first `frames` frames of the formula from `from`, over and over
    double hz = 0;           // Sine: frequency and amplitude (in sample units) of both channels,
    double amplitude = 0;    //   phase 0 at the region's first frame

    // The frame (32-bit word) at absolute frame index `frame`, which lies in the region.
    uint32_t Frame(int64_t frame) const;
};

// A raw disc image: 2352 bytes a sector, LBA 0 first (the layout of a BIN file).
class ImageFile;

// The whole disc's audio: the formula or an image, with regions laid over it in order
// (a later region wins where two overlap).
class DiscAudio {
public:
    DiscAudio() = default;
    // An image that cannot be opened reads as silence.
    void SetImage(const std::string& path);
    void AddRegion(const AudioRegion& region) { regions_.push_back(region); }
    const std::string& ImagePath() const { return imagePath_; }
    const std::vector<AudioRegion>& Regions() const { return regions_; }

    // Fills `length` bytes that begin at absolute position `position` (which may be
    // negative or lie beyond the image: such bytes are 0).
    void Fill(int64_t position, uint8_t* out, int64_t length) const;

private:
    std::string imagePath_;
    std::shared_ptr<ImageFile> image_;
    std::vector<AudioRegion> regions_;
};

}  // namespace simdrive
