#include "support/music_image.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace testsupport {
namespace {

constexpr int kSectorBytes = 2352;
constexpr int kSectorFrames = kSectorBytes / 4;
constexpr int kTableBits = 12;

// One voice: a tone whose pitch changes with every note, with a sharp attack and a
// slow decay.
struct Voice {
    uint32_t phase = 0;
    uint32_t step = 0;
    float level = 0;
    float decay = 0.99995f;
    float left = 0.5f;  // share of the voice in each channel
    float right = 0.5f;
};

class Synth {
public:
    Synth() : table_(1 << kTableBits)
    {
        for (size_t i = 0; i < table_.size(); ++i)
            table_[i] = static_cast<float>(std::sin(2.0 * 3.14159265358979 * double(i) / double(table_.size())));
        const float pans[3][2] = {{0.8f, 0.3f}, {0.4f, 0.7f}, {0.55f, 0.55f}};
        for (int v = 0; v < 3; ++v) {
            voices_[v].left = pans[v][0];
            voices_[v].right = pans[v][1];
        }
    }

    // The next stereo frame.
    uint32_t Frame()
    {
        if (--untilNote_ <= 0)
            NextNote();
        float left = 0, right = 0;
        for (Voice& v : voices_) {
            const float s = table_[v.phase >> (32 - kTableBits)] * v.level;
            v.phase += v.step;
            v.level *= v.decay;
            left += s * v.left;
            right += s * v.right;
        }
        const float noise = float(int(Random() >> 26) - 32) * 0.75f;
        const auto sample = [](float x) {
            return static_cast<uint16_t>(static_cast<int16_t>(std::max(-32768.0f, std::min(32767.0f, x))));
        };
        return uint32_t(sample(left + noise)) | (uint32_t(sample(right - noise)) << 16);
    }

private:
    uint32_t Random()
    {
        seed_ = seed_ * 1664525u + 1013904223u;
        return seed_;
    }

    void NextNote()
    {
        // A pentatonic scale over two octaves from A 220 Hz.
        static const int steps[] = {0, 2, 4, 7, 9, 12, 14, 16, 19, 21, 24};
        Voice& v = voices_[Random() % 3];
        const int semitone = steps[Random() % (sizeof steps / sizeof steps[0])];
        const double hz = 220.0 * std::pow(2.0, semitone / 12.0);
        v.step = static_cast<uint32_t>(hz / 44100.0 * 4294967296.0);
        v.level = 3000.0f + float(Random() % 9000);
        v.decay = 0.99990f + float(Random() % 90) * 1e-6f;
        untilNote_ = 8000 + int(Random() % 20000);
    }

    std::vector<float> table_;
    Voice voices_[3];
    uint32_t seed_ = 20240601;
    int untilNote_ = 0;
};

}  // namespace

bool WriteMusicImage(const std::string& path, const std::vector<int32_t>& trackStarts, int32_t leadOut)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // Where each sector lies in its track decides whether it is silent, fading or full.
    std::vector<int32_t> starts = trackStarts;
    starts.push_back(leadOut);
    Synth synth;
    constexpr int32_t kChunkSectors = 512;
    std::vector<uint32_t> chunk(size_t(kChunkSectors) * kSectorFrames);
    bool ok = true;
    size_t track = 0;
    for (int32_t lba = 0; lba < leadOut && ok;) {
        const int32_t count = std::min(kChunkSectors, leadOut - lba);
        for (int32_t s = 0; s < count; ++s, ++lba) {
            while (track + 1 < starts.size() && lba >= starts[track + 1])
                ++track;
            const int32_t begin = track < trackStarts.size() ? starts[track] : 0;
            const int32_t end = track + 1 < starts.size() ? starts[track + 1] : leadOut;
            const int32_t fromStart = lba - begin, toEnd = end - 1 - lba;
            uint32_t* frames = &chunk[size_t(s) * kSectorFrames];
            if (lba < starts.front() || fromStart < kSilentEdgeSectors || toEnd < kSilentEdgeSectors) {
                std::fill(frames, frames + kSectorFrames, 0u);
                continue;
            }
            // Two seconds of fade before the closing silence.
            const float gain = std::min(1.0f, float(toEnd - kSilentEdgeSectors) / 150.0f);
            for (int f = 0; f < kSectorFrames; ++f) {
                const uint32_t w = synth.Frame();
                if (gain >= 1.0f) {
                    frames[f] = w;
                } else {
                    const auto scale = [gain](uint32_t half) {
                        return static_cast<uint16_t>(static_cast<int16_t>(float(int16_t(half)) * gain));
                    };
                    frames[f] = uint32_t(scale(w & 0xFFFF)) | (uint32_t(scale(w >> 16)) << 16);
                }
            }
        }
        DWORD written = 0;
        const DWORD bytes = DWORD(count) * kSectorBytes;
        ok = WriteFile(file, chunk.data(), bytes, &written, nullptr) && written == bytes;
    }
    CloseHandle(file);
    return ok;
}

}  // namespace testsupport
