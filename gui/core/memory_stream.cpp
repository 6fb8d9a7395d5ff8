#include "gui/core/memory_stream.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "gui/core/exceptions.h"
#include "gui/core/file_stream.h"

namespace gui {

int32_t TCustomMemoryStream::Read(void* buffer, int32_t count)
{
    if (count <= 0 || position_ >= size_)
        return 0;
    const auto n = static_cast<int32_t>(std::min<int64_t>(count, size_ - position_));
    std::memcpy(buffer, data_ + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

int32_t TCustomMemoryStream::Write(const void*, int32_t)
{
    throw EStreamError("Stream write error");
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int64_t base = 0;
    if (origin == TSeekOrigin::soCurrent)
        base = position_;
    else if (origin == TSeekOrigin::soEnd)
        base = size_;
    position_ = std::max<int64_t>(0, base + offset);
    return position_;
}

void TCustomMemoryStream::SetPointer(const uint8_t* data, int64_t size)
{
    data_ = data;
    size_ = size;
}

void TCustomMemoryStream::SaveToStream(TStream& stream)
{
    int64_t left = size_;
    const uint8_t* p = data_;
    while (left > 0) {
        const auto n = static_cast<int32_t>(std::min<int64_t>(left, 1 << 30));
        stream.WriteBuffer(p, n);
        p += n;
        left -= n;
    }
}

void TCustomMemoryStream::SaveToFile(const std::string& fileName)
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

int32_t TMemoryStream::Write(const void* buffer, int32_t count)
{
    if (count <= 0)
        return 0;
    const int64_t end = position_ + count;
    if (end > int64_t(buffer_.size()))
        SetSize(end);
    std::memcpy(buffer_.data() + position_, buffer, static_cast<size_t>(count));
    position_ = end;
    return count;
}

void TMemoryStream::SetSize(int64_t size)
{
    buffer_.resize(static_cast<size_t>(std::max<int64_t>(0, size)));
    SetPointer(buffer_.data(), int64_t(buffer_.size()));
    position_ = std::min<int64_t>(position_, int64_t(buffer_.size()));
}

void TMemoryStream::Clear()
{
    buffer_.clear();
    buffer_.shrink_to_fit();
    SetPointer(nullptr, 0);
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    stream.SetPosition(0);
    const int64_t size = stream.Size();
    if (size > INT32_MAX)
        throw EReadError("Stream read error");
    SetSize(size);
    position_ = 0;
    if (size > 0)
        stream.ReadBuffer(buffer_.data(), static_cast<int32_t>(size));
}

void TMemoryStream::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

}  // namespace gui
