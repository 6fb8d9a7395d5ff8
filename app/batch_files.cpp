#include "app/batch_files.h"

#include <cwctype>

namespace brenvale {

namespace {

// The header of the control's WAV files: RIFF, an 18-byte format chunk and the
// data chunk's head.
constexpr uint64_t kWavHeaderBytes = 46;

bool SameTime(const FILETIME& first, const FILETIME& second)
{
    return first.dwLowDateTime == second.dwLowDateTime && first.dwHighDateTime == second.dwHighDateTime;
}

}  // namespace

bool TBatchFiles::State::operator==(const State& other) const
{
    return exists == other.exists &&
           (!exists || (size == other.size && SameTime(created, other.created) && SameTime(written, other.written)));
}

std::wstring TBatchFiles::WavFile(const std::wstring& target)
{
    std::wstring tail = target.size() >= 4 ? target.substr(target.size() - 4) : std::wstring();
    for (wchar_t& c : tail)
        c = wchar_t(std::towlower(c));
    std::wstring name = tail == L".wav" ? target : target + L".wav";
    // A name longer than the system's old limit is reached as the control
    // reaches it.
    if (name.size() >= MAX_PATH && name.compare(0, 4, L"\\\\?\\") != 0) {
        if (name.compare(0, 2, L"\\\\") == 0)
            name = L"\\\\?\\UNC\\" + name.substr(2);
        else
            name = L"\\\\?\\" + name;
    }
    return name;
}

TBatchFiles::State TBatchFiles::StateOf(const std::wstring& file)
{
    State state;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return state;
    state.exists = true;
    state.size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    state.created = data.ftCreationTime;
    state.written = data.ftLastWriteTime;
    return state;
}

void TBatchFiles::Add(const std::wstring& target, int64_t trackBytes)
{
    const std::wstring name = WavFile(target);
    files_.push_back(File{name, kWavHeaderBytes + uint64_t(trackBytes > 0 ? trackBytes : 0), StateOf(name)});
}

void TBatchFiles::RemoveUnfinished() const
{
    for (auto file = files_.rbegin(); file != files_.rend(); ++file) {
        const State now = StateOf(file->name);
        if (now == file->before)
            continue;  // not written by this rip
        if (now.exists && now.size < file->wholeSize) {
            ::SetFileAttributesW(file->name.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(file->name.c_str());
        }
        return;
    }
}

}  // namespace brenvale
