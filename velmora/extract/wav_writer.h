// Writes one track to a RIFF/WAVE file of 16-bit stereo PCM at 44100 Hz. The worker
// writes each block into a 1 MiB pipe; a copy thread moves it into the file, so a
// slow disk holds up the reading only when that much audio is pending.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "extract/byte_pipe.h"
#include "win/unique_handle.h"

namespace velmora {

// The wave format of every output: PCM, 2 channels, 44100 Hz, 16 bits.
WAVEFORMATEX CdAudioFormat();

class WavWriter {
public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // The file name for a target: ".wav" is appended unless the target ends with it
    // (in any letter case).
    static std::wstring WavName(const std::wstring& target);

    // Creates the folders of the target (an absolute name) and the file, asking
    // `mayOverwrite` first when the file exists. A set `*cancel` stops the folder
    // creation. Returns "" or the error text.
    std::wstring Open(const std::wstring& target, const std::function<bool()>& mayOverwrite,
                      const volatile LONG* cancel = nullptr);
    // Hands one block to the copy thread; false with an error text when that fails.
    bool Write(const uint8_t* data, uint32_t length, std::wstring& error);
    // Waits for the copy thread, fixes the sizes and closes the file. S_OK or E_FAIL
    // ("Write error").
    HRESULT Close();
    const std::wstring& ErrorText() const { return errorText_; }

private:
    static DWORD WINAPI PipeCopyThread(void* writer);
    // Lets the multimedia functions go and closes the file; false when either fails.
    bool CloseFile();
    void CopyFromPipe();

    std::wstring errorText_;
    std::atomic<bool> copyFailed_{false};
    bool writeFailed_ = false;  // a failed write was reported to the caller
    win::UniqueFile handle_;  // the file, which file_ writes through
    HMMIO file_ = nullptr;
    MMCKINFO riff_{};
    MMCKINFO data_{};
    std::unique_ptr<BytePipe> pipe_;
    win::UniqueHandle done_;
    win::UniqueHandle copyThread_;
};

}  // namespace velmora
