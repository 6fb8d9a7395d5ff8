#include "gui/core/stream.h"

#include <algorithm>
#include <vector>

#include "gui/core/exceptions.h"

namespace gui {

int64_t TStream::Size()
{
    const int64_t position = Seek(0, TSeekOrigin::soCurrent);
    const int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, int32_t count)
{
    if (count > 0 && Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int32_t count)
{
    if (count > 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr int32_t kChunk = 64 * 1024;
    std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(std::max<int64_t>(count, 1), kChunk)));
    int64_t left = count;
    while (left > 0) {
        const auto n = static_cast<int32_t>(std::min<int64_t>(left, int64_t(buffer.size())));
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return count;
}

}  // namespace gui
