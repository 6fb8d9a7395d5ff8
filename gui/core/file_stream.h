// A stream over a file named by a single-byte path.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "gui/core/stream.h"

namespace gui {

enum : uint16_t {
    fmOpenRead = 0x0000,       // existing file, read only
    fmOpenWrite = 0x0001,      // existing file, write only
    fmOpenReadWrite = 0x0002,  // existing file, read and write
    fmCreate = 0xFFFF,         // new or emptied file, read and write
};

class TFileStream : public TStream {
public:
    // Raises EFCreateError (fmCreate) or EFOpenError when the file cannot be had.
    TFileStream(const std::string& fileName, uint16_t mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    std::FILE* file_ = nullptr;
    bool canRead_ = true;
    bool canWrite_ = true;
    bool lastWasWrite_ = false;
};

}  // namespace gui
