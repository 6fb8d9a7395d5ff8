// The thread that moves a WAV file's audio from a 1 MiB pipe into the file, so that a
// slow disk holds up the reading only when that much audio is pending. It serves one
// file after the other: a run of many tracks starts one thread and fills one buffer,
// not one of each for every track.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "extract/byte_pipe.h"
#include "win/unique_handle.h"

namespace velmora {

class FileCopier {
public:
    FileCopier() = default;
    // Ends the thread; a file still being copied is finished first.
    ~FileCopier();
    FileCopier(const FileCopier&) = delete;
    FileCopier& operator=(const FileCopier&) = delete;

    // Starts copying into `file` (the pipe and the thread are made at the first
    // file). Without them the next Write fails.
    void Begin(HMMIO file);
    // Hands bytes to the thread, waiting while the pipe is full. False, with the
    // thread's last error, when they cannot go: the copy failed (ERROR_NO_DATA) or
    // there is no pipe (ERROR_NOT_ENOUGH_MEMORY).
    bool Write(const uint8_t* data, size_t length);
    // Waits until every byte written is in the file (or the copy has failed); true
    // when it did not fail.
    bool Finish();
    // Writing into the file failed.
    bool Failed() const { return failed_; }

private:
    static DWORD WINAPI CopyThread(void* copier);
    void CopyFiles();

    std::unique_ptr<BytePipe> pipe_;
    win::UniqueHandle thread_;
    win::UniqueHandle start_;  // a file is to be copied, or the thread is to end
    win::UniqueHandle done_;   // the file is copied, or its copy failed
    HMMIO file_ = nullptr;
    bool copying_ = false;     // Begin made a copy that Finish has not waited for
    std::atomic<bool> failed_{false};
    std::atomic<bool> quit_{false};
};

}  // namespace velmora
