// Streams over memory. TCustomMemoryStream reads a block it does not own;
// TMemoryStream owns a growable block and also writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/core/stream.h"

namespace gui {

class TCustomMemoryStream : public TStream {
public:
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;  // raises: read only
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return size_; }

    const void* Memory() const { return data_; }
    void SaveToStream(TStream& stream);
    void SaveToFile(const std::string& fileName);

protected:
    void SetPointer(const uint8_t* data, int64_t size);
    int64_t position_ = 0;

private:
    const uint8_t* data_ = nullptr;
    int64_t size_ = 0;
};

class TMemoryStream : public TCustomMemoryStream {
public:
    TMemoryStream() = default;

    int32_t Write(const void* buffer, int32_t count) override;
    void* Memory() { return buffer_.data(); }
    void SetSize(int64_t size);  // new bytes are zero
    void Clear();
    // Replaces the content by the whole of the other stream; position 0 afterwards.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);

private:
    std::vector<uint8_t> buffer_;
};

}  // namespace gui
