// A one-way pipe between two threads of this process, with a fixed buffer: writing
// blocks while the buffer is full, reading blocks until enough is there or the writer
// has gone. It does what an anonymous pipe does for the WAV writer, at memory speed:
// some systems move pipe data through a server process, far slower than disc
// reading. The reader takes the bytes where they lie in the buffer, in large pieces,
// so that a file is written in few calls and the two threads seldom wake each other.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora {

class BytePipe {
public:
    explicit BytePipe(size_t capacity);
    BytePipe(const BytePipe&) = delete;
    BytePipe& operator=(const BytePipe&) = delete;

    // Writes all bytes; false (with ERROR_NO_DATA as the thread's last error) once
    // the reading end is closed.
    bool Write(const uint8_t* data, size_t length);
    // Waits until `wanted` bytes (at most the capacity) are in the buffer or the
    // writing end is closed, and points `data` at the first of them: returns how many
    // lie there in one piece, at most `wanted`; 0 when the writing end is closed and
    // nothing is left. The bytes stay valid until Consume.
    size_t Peek(const uint8_t*& data, size_t wanted);
    // Frees the first `length` bytes of what Peek returned.
    void Consume(size_t length);
    void CloseWrite();
    void CloseRead();
    // Empties the pipe and opens both ends again, for the next stream; neither end
    // may be in use.
    void Reopen();

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE dataReady_ = CONDITION_VARIABLE_INIT;
    CONDITION_VARIABLE spaceReady_ = CONDITION_VARIABLE_INIT;
    std::vector<uint8_t> ring_;
    size_t head_ = 0;  // next byte to read
    size_t size_ = 0;  // bytes in the ring
    size_t wanted_ = 0;  // what a waiting reader waits for; 0 when none waits
    bool writeClosed_ = false;
    bool readClosed_ = false;
};

}  // namespace velmora
