#include "extract/byte_pipe.h"

#include <algorithm>
#include <cstring>

#include "win/exclusive_lock.h"

namespace velmora {

BytePipe::BytePipe(size_t capacity) : ring_(capacity) {}

bool BytePipe::Write(const uint8_t* data, size_t length)
{
    win::ExclusiveLock guard(lock_);
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
        size_ += piece;
        data += piece;
        length -= piece;
        if (wanted_ && size_ >= wanted_)
            ::WakeConditionVariable(&dataReady_);
    }
    return true;
}

size_t BytePipe::Peek(const uint8_t*& data, size_t wanted)
{
    win::ExclusiveLock guard(lock_);
    wanted = std::max<size_t>(1, std::min(wanted, ring_.size()));
    while (size_ < wanted && !writeClosed_) {
        wanted_ = wanted;
        ::SleepConditionVariableSRW(&dataReady_, &lock_, INFINITE, 0);
    }
    wanted_ = 0;
    data = &ring_[head_];
    return std::min({wanted, size_, ring_.size() - head_});
}

void BytePipe::Consume(size_t length)
{
    win::ExclusiveLock guard(lock_);
    length = std::min(length, size_);
    const bool wasFull = size_ == ring_.size();
    head_ = (head_ + length) % ring_.size();
    size_ -= length;
    if (wasFull && length > 0)
        ::WakeConditionVariable(&spaceReady_);
}

void BytePipe::CloseWrite()
{
    win::ExclusiveLock guard(lock_);
    writeClosed_ = true;
    ::WakeConditionVariable(&dataReady_);
}

void BytePipe::CloseRead()
{
    win::ExclusiveLock guard(lock_);
    readClosed_ = true;
    ::WakeConditionVariable(&spaceReady_);
}

void BytePipe::Reopen()
{
    win::ExclusiveLock guard(lock_);
    head_ = 0;
    size_ = 0;
    wanted_ = 0;
    writeClosed_ = false;
    readClosed_ = false;
}

}  // namespace velmora
