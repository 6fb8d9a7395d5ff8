#include "extract/file_copier.h"

#include <new>

namespace velmora {
namespace {

constexpr size_t kPipeSize = 1048576;
// Pieces this large are written straight from the pipe's buffer: few calls into the
// system, and few wake-ups of either thread.
constexpr size_t kCopyPiece = 262144;

}  // namespace

FileCopier::~FileCopier()
{
    Finish();
    if (thread_) {
        quit_ = true;
        ::SetEvent(start_.Get());
        ::WaitForSingleObject(thread_.Get(), INFINITE);
    }
}

void FileCopier::Begin(HMMIO file)
{
    Finish();
    failed_ = false;
    if (!pipe_) {
        try {
            pipe_ = std::make_unique<BytePipe>(kPipeSize);
        } catch (const std::bad_alloc&) {
            return;  // the first write reports it
        }
        start_.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
        done_.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
        if (start_ && done_)
            thread_.Reset(::CreateThread(nullptr, 0, &FileCopier::CopyThread, this, 0, nullptr));
    }
    pipe_->Reopen();
    // Without a thread nobody reads: the first write then fails instead of waiting
    // for ever.
    if (!thread_) {
        pipe_->CloseRead();
        return;
    }
    file_ = file;
    copying_ = true;
    ::SetEvent(start_.Get());
}

bool FileCopier::Write(const uint8_t* data, size_t length)
{
    if (!pipe_) {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    return pipe_->Write(data, length);
}

bool FileCopier::Finish()
{
    if (copying_) {
        pipe_->CloseWrite();
        ::WaitForSingleObject(done_.Get(), INFINITE);
        copying_ = false;
        file_ = nullptr;
    }
    return !failed_;
}

DWORD WINAPI FileCopier::CopyThread(void* copier)
{
    static_cast<FileCopier*>(copier)->CopyFiles();
    return 50;
}

void FileCopier::CopyFiles()
{
    for (;;) {
        ::WaitForSingleObject(start_.Get(), INFINITE);
        if (quit_)
            return;
        for (;;) {
            const uint8_t* piece = nullptr;
            const size_t length = pipe_->Peek(piece, kCopyPiece);
            if (length == 0)
                break;
            if (::mmioWrite(file_, reinterpret_cast<const char*>(piece), static_cast<LONG>(length)) !=
                static_cast<LONG>(length)) {
                failed_ = true;
                break;
            }
            pipe_->Consume(length);
        }
        pipe_->CloseRead();  // the worker's next write fails from here on
        ::SetEvent(done_.Get());
    }
}

}  // namespace velmora
