// A one-way pipe between two threads of this process, with a fixed buffer: writing
// blocks while the buffer is full, reading blocks while it is empty and the writer
// is still there. It does what an anonymous pipe does for the WAV writer, at memory
// speed: some systems move pipe data through a server process, far slower than disc
// reading.
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
    // Reads up to `length` bytes; 0 when the writing end is closed and nothing is left.
    size_t Read(uint8_t* out, size_t length);
    void CloseWrite();
    void CloseRead();

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE dataReady_ = CONDITION_VARIABLE_INIT;
    CONDITION_VARIABLE spaceReady_ = CONDITION_VARIABLE_INIT;
    std::vector<uint8_t> ring_;
    size_t head_ = 0;  // next byte to read
    size_t size_ = 0;  // bytes in the ring
    bool writeClosed_ = false;
    bool readClosed_ = false;
};

}  // namespace velmora
