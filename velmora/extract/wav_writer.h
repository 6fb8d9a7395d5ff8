// Writes one track to a RIFF/WAVE file of 16-bit stereo PCM at 44100 Hz. The worker
// writes each block into a 1 MiB pipe; a copy thread (file_copier.h) moves it into
// the file, so a slow disk holds up the reading only when that much audio is pending.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "extract/file_copier.h"
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
    // `mayOverwrite` first when the file exists. A set `*cancelRequested` stops the
    // folder creation. The audio goes through `copier` (one that serves the files of a
    // whole run), else through one of the writer's own. Returns "" or the error text.
    std::wstring Open(const std::wstring& target, const std::function<bool()>& mayOverwrite,
                      const volatile LONG* cancelRequested = nullptr, FileCopier* copier = nullptr);
    // Hands one block to the copy thread; false with an error text when that fails.
    bool Write(const uint8_t* data, uint32_t length, std::wstring& error);
    // Waits until the copy thread has written everything, fixes the sizes and closes
    // the file. S_OK or E_FAIL ("Write error").
    HRESULT Close();
    const std::wstring& ErrorText() const { return errorText_; }

private:
    // Lets the multimedia functions go and closes the file; false when either fails.
    bool CloseFile();

    std::wstring errorText_;
    bool writeFailed_ = false;  // a failed write was reported to the caller
    win::UniqueFile handle_;  // the file, which file_ writes through
    HMMIO file_ = nullptr;
    MMCKINFO riff_{};
    MMCKINFO data_{};
    FileCopier* copier_ = nullptr;  // while the file is open
    std::unique_ptr<FileCopier> ownCopier_;
};

}  // namespace velmora
