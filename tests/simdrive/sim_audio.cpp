#include "sim_audio.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace simdrive {

class ImageFile {
public:
    explicit ImageFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        LARGE_INTEGER size{};
        if (handle_ != INVALID_HANDLE_VALUE && GetFileSizeEx(handle_, &size))
            size_ = size.QuadPart;
    }
    ~ImageFile()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    ImageFile(const ImageFile&) = delete;
    ImageFile& operator=(const ImageFile&) = delete;

    // Positions before the image or beyond its end read as 0.
    void Read(int64_t position, uint8_t* out, int64_t length) const
    {
        std::memset(out, 0, static_cast<size_t>(length));
        const int64_t begin = std::max<int64_t>(position, 0);
        const int64_t end = std::min<int64_t>(position + length, size_);
        for (int64_t at = begin; at < end;) {
            const DWORD chunk = static_cast<DWORD>(std::min<int64_t>(end - at, 1 << 24));
            OVERLAPPED where{};
            where.Offset = static_cast<DWORD>(at);
            where.OffsetHigh = static_cast<DWORD>(at >> 32);
            DWORD got = 0;
            if (!ReadFile(handle_, out + (at - position), chunk, &got, &where) || got == 0)
                return;
            at += got;
        }
    }

private:
    HANDLE handle_;
    int64_t size_ = 0;
};

uint32_t AudioRegion::Frame(int64_t frame) const
{
    const int64_t first = int64_t(from) * kSectorFrames;
    switch (kind) {
    case Kind::Silence:
        return 0;
    case Kind::Constant:
        return word;
    case Kind::Period:
        return AudioWord(first + (frame - first) % std::max<int32_t>(frames, 1));
    case Kind::Sine: {
        const double t = double(frame - first) / 44100.0;
        double sample = std::nearbyint(amplitude * std::sin(2.0 * 3.14159265358979323846 * hz * t));
        sample = std::min(32767.0, std::max(-32768.0, sample));
        const uint16_t s = static_cast<uint16_t>(static_cast<int16_t>(sample));
        return uint32_t(s) | (uint32_t(s) << 16);
    }
    }
    return 0;
}

void DiscAudio::SetImage(const std::string& path)
{
    imagePath_ = path;
    image_ = std::make_shared<ImageFile>(path);
}

void DiscAudio::Fill(int64_t position, uint8_t* out, int64_t length) const
{
    if (image_)
        image_->Read(position, out, length);
    else
        FillAudio(position, out, length);
    const int64_t end = position + length;
    for (const AudioRegion& region : regions_) {
        const int64_t from = std::max<int64_t>({position, int64_t(region.from) * kSectorBytes, 0});
        const int64_t to = std::min<int64_t>(end, (int64_t(region.to) + 1) * kSectorBytes);
        for (int64_t at = from; at < to;) {
            // One frame at a time; a stretch may begin or end inside a frame.
            const uint32_t w = region.Frame(at / 4);
            const int64_t frameEnd = std::min<int64_t>(to, (at / 4 + 1) * 4);
            for (; at < frameEnd; ++at)
                out[at - position] = static_cast<uint8_t>(w >> (8 * (at % 4)));
        }
    }
}

}  // namespace simdrive
