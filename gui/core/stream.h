// Byte streams. Read and Write move as many bytes as they can and say how many;
// ReadBuffer and WriteBuffer insist on the whole count and raise otherwise.
#pragma once

#include <cstdint>

namespace gui {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    virtual int32_t Read(void* buffer, int32_t count) = 0;
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // Moves the position and answers the new one.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    virtual int64_t Size();

    // Raises EReadError when fewer than count bytes are left.
    void ReadBuffer(void* buffer, int32_t count);
    // Raises EWriteError when the stream takes fewer than count bytes.
    void WriteBuffer(const void* buffer, int32_t count);
    // Copies count bytes from the source's position; a count of 0 copies the whole
    // source from its beginning. Answers the bytes copied.
    int64_t CopyFrom(TStream& source, int64_t count);
};

}  // namespace gui
