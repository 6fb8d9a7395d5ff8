#include "extract/byte_pipe.h"

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

class Exclusive {
public:
    explicit Exclusive(SRWLOCK& lock) : lock_(lock) { ::AcquireSRWLockExclusive(&lock_); }
    ~Exclusive() { ::ReleaseSRWLockExclusive(&lock_); }
    Exclusive(const Exclusive&) = delete;
    Exclusive& operator=(const Exclusive&) = delete;

private:
    SRWLOCK& lock_;
};

}  // namespace

BytePipe::BytePipe(size_t capacity) : ring_(capacity) {}

bool BytePipe::Write(const uint8_t* data, size_t length)
{
    Exclusive guard(lock_);
    while (length > 0) {
        while (size_ == ring_.size() && !readClosed_)
            ::SleepConditionVariableSRW(&spaceReady_, &lock_, INFINITE, 0);
        if (readClosed_) {
            ::SetLastError(ERROR_NO_DATA);
            return false;
        }
        const size_t tail = (head_ + size_) % ring_.size();
        const size_t piece = std::min({length, ring_.size() - size_, ring_.size() - tail});
        std::memcpy(&ring_[tail], data, piece);
        const bool wasEmpty = size_ == 0;
        size_ += piece;
        data += piece;
        length -= piece;
        if (wasEmpty)
            ::WakeConditionVariable(&dataReady_);
    }
    return true;
}

size_t BytePipe::Read(uint8_t* out, size_t length)
{
    Exclusive guard(lock_);
    while (size_ == 0 && !writeClosed_)
        ::SleepConditionVariableSRW(&dataReady_, &lock_, INFINITE, 0);
    const size_t piece = std::min({length, size_, ring_.size() - head_});
    std::memcpy(out, &ring_[head_], piece);
    const bool wasFull = size_ == ring_.size();
    head_ = (head_ + piece) % ring_.size();
    size_ -= piece;
    if (wasFull)
        ::WakeConditionVariable(&spaceReady_);
    return piece;
}

void BytePipe::CloseWrite()
{
    Exclusive guard(lock_);
    writeClosed_ = true;
    ::WakeConditionVariable(&dataReady_);
}

void BytePipe::CloseRead()
{
    Exclusive guard(lock_);
    readClosed_ = true;
    ::WakeConditionVariable(&spaceReady_);
}

}  // namespace velmora
