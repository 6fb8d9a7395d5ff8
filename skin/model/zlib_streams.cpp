#include "skin/model/zlib_streams.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace sk {

namespace {

const char kZlibError[] = "compression error";
const char kInvalidOperation[] = "Invalid stream operation";

// zlib's memory comes from the program's own allocator.
voidpf ZAlloc(voidpf, uInt items, uInt size) { return std::calloc(items, size); }
void ZFree(voidpf, voidpf address) { std::free(address); }

Bytef* Bytes(std::vector<uint8_t>& buffer) { return reinterpret_cast<Bytef*>(buffer.data()); }

}  // namespace

TCustomZlibStream::TCustomZlibStream(gui::TStream& strm)
    : strm_(strm), strmPos_(strm.Position()), buffer_(kBufferSize), zstream_(std::make_unique<z_stream_s>())
{
    *zstream_ = z_stream_s{};
    zstream_->zalloc = ZAlloc;
    zstream_->zfree = ZFree;
}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::Progress()
{
    if (OnProgress)
        OnProgress(*this);
}

TCompressionStream::TCompressionStream(TCompressionLevel compressionLevel, gui::TStream& dest)
    : TCustomZlibStream(dest)
{
    static const int levels[] = {Z_NO_COMPRESSION, Z_BEST_SPEED, Z_DEFAULT_COMPRESSION, Z_BEST_COMPRESSION};
    const int level = levels[std::min(std::max(int(compressionLevel), 0), 3)];
    zstream_->next_out = Bytes(buffer_);
    zstream_->avail_out = kBufferSize;
    if (deflateInit(zstream_.get(), level) < 0) {
        finished_ = true;  // nothing to end
        throw ECompressionError(kZlibError);
    }
}

TCompressionStream::~TCompressionStream()
{
    if (!finished_) {
        try {
            Finish();
        } catch (...) {
            // A destructor must not raise; callers that care call Finish.
        }
    }
    deflateEnd(zstream_.get());
}

void TCompressionStream::WriteBuffered(size_t count)
{
    if (count > 0)
        strm_.WriteBuffer(buffer_.data(), int32_t(count));
    zstream_->next_out = Bytes(buffer_);
    zstream_->avail_out = kBufferSize;
}

int32_t TCompressionStream::Write(const void* buffer, int32_t count)
{
    if (finished_)
        throw ECompressionError(kInvalidOperation);
    if (count <= 0)
        return 0;
    zstream_->next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
    zstream_->avail_in = uInt(count);
    if (strm_.Position() != strmPos_)
        strm_.SetPosition(strmPos_);
    while (zstream_->avail_in > 0) {
        if (deflate(zstream_.get(), Z_NO_FLUSH) < 0)
            throw ECompressionError(kZlibError);
        if (zstream_->avail_out == 0) {
            WriteBuffered(kBufferSize);
            strmPos_ = strm_.Position();
            Progress();
        }
    }
    bytesIn_ += count;
    return count;
}

int32_t TCompressionStream::Read(void*, int32_t) { throw ECompressionError(kInvalidOperation); }

int64_t TCompressionStream::Seek(int64_t offset, gui::TSeekOrigin origin)
{
    if (offset == 0 && origin == gui::TSeekOrigin::soCurrent)
        return bytesIn_;
    throw ECompressionError(kInvalidOperation);
}

void TCompressionStream::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    zstream_->next_in = nullptr;
    zstream_->avail_in = 0;
    if (strm_.Position() != strmPos_)
        strm_.SetPosition(strmPos_);
    for (;;) {
        const int result = deflate(zstream_.get(), Z_FINISH);
        if (result < 0)
            throw ECompressionError(kZlibError);
        if (result == Z_STREAM_END)
            break;
        if (zstream_->avail_out == 0)
            WriteBuffered(kBufferSize);
    }
    WriteBuffered(kBufferSize - zstream_->avail_out);
    strmPos_ = strm_.Position();
}

TDecompressionStream::TDecompressionStream(gui::TStream& source) : TCustomZlibStream(source), startPos_(strmPos_)
{
    if (inflateInit(zstream_.get()) < 0)
        throw EDecompressionError(kZlibError);
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(zstream_.get()); }

int32_t TDecompressionStream::Read(void* buffer, int32_t count)
{
    if (count <= 0)
        return 0;
    zstream_->next_out = static_cast<Bytef*>(buffer);
    zstream_->avail_out = uInt(count);
    if (strm_.Position() != strmPos_)
        strm_.SetPosition(strmPos_);
    while (zstream_->avail_out > 0 && !ended_) {
        if (zstream_->avail_in == 0) {
            const int32_t got = strm_.Read(buffer_.data(), kBufferSize);
            if (got <= 0)
                break;
            zstream_->next_in = Bytes(buffer_);
            zstream_->avail_in = uInt(got);
            strmPos_ = strm_.Position();
            Progress();
        }
        const int result = inflate(zstream_.get(), Z_NO_FLUSH);
        if (result == Z_STREAM_END)
            ended_ = true;  // whatever follows in the source is not ours
        else if (result < 0 || result == Z_NEED_DICT)
            throw EDecompressionError(kZlibError);  // skins are never packed with a dictionary
    }
    const int32_t produced = count - int32_t(zstream_->avail_out);
    bytesOut_ += produced;
    return produced;
}

int32_t TDecompressionStream::Write(const void*, int32_t) { throw EDecompressionError(kInvalidOperation); }

int64_t TDecompressionStream::Seek(int64_t offset, gui::TSeekOrigin origin)
{
    const bool fromStart = origin == gui::TSeekOrigin::soBeginning;
    if (fromStart && offset == 0) {
        if (inflateReset(zstream_.get()) < 0)
            throw EDecompressionError(kZlibError);
        zstream_->next_in = nullptr;
        zstream_->avail_in = 0;
        strm_.SetPosition(startPos_);
        strmPos_ = startPos_;
        bytesOut_ = 0;
        ended_ = false;
    } else if (origin == gui::TSeekOrigin::soCurrent && offset >= 0) {
        Skip(offset);
    } else if (fromStart && offset > bytesOut_) {
        Skip(offset - bytesOut_);
    } else {
        throw EDecompressionError(kInvalidOperation);
    }
    return bytesOut_;
}

void TDecompressionStream::Skip(int64_t distance)
{
    uint8_t scratch[4096];
    while (distance > 0) {
        const auto piece = int32_t(std::min<int64_t>(distance, sizeof scratch));
        const int32_t got = Read(scratch, piece);
        distance -= got;
        if (got < piece)
            break;  // the stream ended first
    }
}

void CompressSkinStream(gui::TStream& source, gui::TStream& target)
{
    TCompressionStream compression(clMax, target);
    compression.CopyFrom(source, 0);
    compression.Finish();
}

void DecompressSkinStream(gui::TStream& target, gui::TStream& source, int64_t limit)
{
    source.SetPosition(0);
    TDecompressionStream decompression(source);
    uint8_t piece[4096];
    int64_t inflated = 0;
    for (;;) {
        const int32_t got = decompression.Read(piece, sizeof piece);
        if (got == 0)
            break;
        if (got > limit - inflated)
            throw EDecompressionError("The stored skin inflates to more than " + std::to_string(limit >> 20) +
                                      " MB: it is damaged or not a skin");
        target.WriteBuffer(piece, got);
        inflated += got;
    }
    // A cut blob would otherwise load as a skin with pictures or lines missing.
    if (!decompression.StreamEnded())
        throw EDecompressionError(kZlibError);
}

}  // namespace sk
