// Streams that deflate what is written to them into a target stream, or inflate a
// source stream as they are read (zlib format), and the whole-stream helpers that
// pack and unpack a skin with them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "gui/core/exceptions.h"
#include "gui/core/stream.h"

struct z_stream_s;

namespace sk {

class EZlibError : public gui::Exception {
public:
    using Exception::Exception;
};
class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

class TCustomZlibStream : public gui::TStream {
public:
    ~TCustomZlibStream() override;

    // After each full buffer a compression stream writes, and after each refill of
    // a decompression stream.
    std::function<void(TCustomZlibStream& sender)> OnProgress;

protected:
    static constexpr int32_t kBufferSize = 65536;

    explicit TCustomZlibStream(gui::TStream& strm);
    void Progress();

    gui::TStream& strm_;
    int64_t strmPos_;  // where this stream last left the underlying one
    std::vector<uint8_t> buffer_;
    std::unique_ptr<z_stream_s> zstream_;
};

// Level 0 stores, 1 is fastest, 2 zlib's default, 3 the best (level 9).
enum TCompressionLevel { clNone, clFastest, clDefault, clMax };

class TCompressionStream : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel compressionLevel, gui::TStream& dest);
    // Finishes quietly when Finish was not called; a failure then goes unreported.
    ~TCompressionStream() override;

    int32_t Write(const void* buffer, int32_t count) override;
    int32_t Read(void* buffer, int32_t count) override;  // refused
    // Only Seek(0, soCurrent) is answered: the bytes taken in so far.
    int64_t Seek(int64_t offset, gui::TSeekOrigin origin) override;

    // Writes the end of the zlib stream; raises ECompressionError when zlib fails.
    // Nothing may be written afterwards.
    void Finish();

private:
    void WriteBuffered(size_t count);

    int64_t bytesIn_ = 0;
    bool finished_ = false;
};

class TDecompressionStream : public TCustomZlibStream {
public:
    explicit TDecompressionStream(gui::TStream& source);
    ~TDecompressionStream() override;

    // Gives fewer bytes than asked at the end of the zlib stream (data after it is
    // not read) or when the source has no more bytes.
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;  // refused
    // Offset 0 from the beginning restarts; moving forward reads and drops bytes;
    // anything else is refused. Answers the bytes produced so far.
    int64_t Seek(int64_t offset, gui::TSeekOrigin origin) override;

    // Whether the end of the zlib stream has been read.
    bool StreamEnded() const { return ended_; }

private:
    void Skip(int64_t distance);

    int64_t startPos_;  // where the zlib stream begins in the source
    int64_t bytesOut_ = 0;
    bool ended_ = false;
};

// The most a stored skin may inflate to. Real skins stay far below it (the
// program's own inflates to about 220 KB, a skin of large 32-bit pictures to some
// tens of megabytes); a blob built to inflate without end stops here.
constexpr int64_t kMaxInflatedSkinSize = int64_t(128) << 20;

// Deflates all of source, from its beginning, into target at the best level.
void CompressSkinStream(gui::TStream& source, gui::TStream& target);
// Inflates all of source, from its beginning, onto target. A source that ends
// before its zlib stream does, or that inflates to more than `limit` bytes, raises
// EDecompressionError; in the second case target holds no more than `limit` bytes.
void DecompressSkinStream(gui::TStream& target, gui::TStream& source, int64_t limit = kMaxInflatedSkinSize);

}  // namespace sk
