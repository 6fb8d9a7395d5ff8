#include "extract/open_wav_files.h"

#include <atomic>

namespace velmora {
namespace {

constexpr DWORD kFrameBytes = 4;  // 16-bit stereo

// Lock-free: the end of the process may stop a thread anywhere, a lock held too.
struct OpenWavFile {
    std::atomic<HANDLE> file{nullptr};
    std::atomic<DWORD> dataOffset{0};
};
OpenWavFile g_files[64];

bool WriteSize(HANDLE file, LONGLONG offset, DWORD size)
{
    LARGE_INTEGER at;
    at.QuadPart = offset;
    DWORD written = 0;
    return ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
           ::WriteFile(file, &size, sizeof size, &written, nullptr) && written == sizeof size;
}

void Finish(HANDLE file, DWORD dataOffset)
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file, &size) || size.QuadPart < dataOffset ||
        size.QuadPart - 8 > LONGLONG(MAXDWORD))
        return;
    const LONGLONG data = (size.QuadPart - dataOffset) / kFrameBytes * kFrameBytes;
    LARGE_INTEGER end;
    end.QuadPart = dataOffset + data;
    if (end.QuadPart != size.QuadPart &&
        !(::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file)))
        return;
    WriteSize(file, 4, static_cast<DWORD>(end.QuadPart - 8));
    WriteSize(file, dataOffset - 4, static_cast<DWORD>(data));
    ::FlushFileBuffers(file);
}

}  // namespace

void KeepOpenWavFile(HANDLE file, DWORD dataOffset)
{
    for (OpenWavFile& slot : g_files) {
        HANDLE none = nullptr;
        if (slot.file.compare_exchange_strong(none, file)) {
            slot.dataOffset = dataOffset;  // a file without its offset yet is left alone
            return;
        }
    }
}

void ForgetOpenWavFile(HANDLE file)
{
    for (OpenWavFile& slot : g_files) {
        HANDLE expected = file;
        if (slot.file.load() == file) {
            slot.dataOffset = 0;
            slot.file.compare_exchange_strong(expected, nullptr);
            return;
        }
    }
}

void FinishOpenWavFilesAtExit()
{
    for (OpenWavFile& slot : g_files)
        if (HANDLE file = slot.file.exchange(nullptr); file && slot.dataOffset >= 8)
            Finish(file, slot.dataOffset);
}

}  // namespace velmora
