#include "gui/core/file_stream.h"

#include "gui/core/exceptions.h"

namespace gui {

namespace {

int SeekFile(std::FILE* file, int64_t offset, int whence)
{
#ifdef _WIN32
    return _fseeki64(file, offset, whence);
#else
    return fseeko(file, static_cast<off_t>(offset), whence);
#endif
}

int64_t TellFile(std::FILE* file)
{
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<int64_t>(ftello(file));
#endif
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) : fileName_(fileName)
{
    const char* how = "rb";
    switch (mode) {
    case fmCreate:
        how = "w+b";
        break;
    case fmOpenWrite:
        how = "r+b";
        canRead_ = false;
        break;
    case fmOpenReadWrite:
        how = "r+b";
        break;
    default:
        canWrite_ = false;
        break;
    }
    file_ = std::fopen(fileName.c_str(), how);
    if (!file_) {
        if (mode == fmCreate)
            throw EFCreateError("Cannot create file \"" + fileName + "\"");
        throw EFOpenError("Cannot open file \"" + fileName + "\"");
    }
}

TFileStream::~TFileStream()
{
    if (file_)
        std::fclose(file_);
}

int32_t TFileStream::Read(void* buffer, int32_t count)
{
    if (!canRead_ || count <= 0)
        return 0;
    if (lastWasWrite_)  // the C library wants a positioning call between directions
        SeekFile(file_, 0, SEEK_CUR);
    lastWasWrite_ = false;
    return static_cast<int32_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

int32_t TFileStream::Write(const void* buffer, int32_t count)
{
    if (!canWrite_ || count <= 0)
        return 0;
    if (!lastWasWrite_)
        SeekFile(file_, 0, SEEK_CUR);
    lastWasWrite_ = true;
    return static_cast<int32_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                       : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                           : SEEK_END;
    SeekFile(file_, offset, whence);  // a failed move leaves the position as it was
    return TellFile(file_);
}

}  // namespace gui
