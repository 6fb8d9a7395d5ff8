#include "extract/wav_writer.h"

#include <cwctype>
#include <new>
#include <vector>

#include "extract/directory_path.h"
#include "extract/failure_text.h"
#include "extract/open_wav_files.h"
#include "extract/target_path.h"

namespace velmora {
namespace {

const wchar_t kWriteError[] = L"Write error";
const wchar_t kCannotCreate[] = L"Cannot create wav-file";

}  // namespace

WAVEFORMATEX CdAudioFormat()
{
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = 44100;
    format.nAvgBytesPerSec = 176400;
    format.nBlockAlign = 4;
    format.wBitsPerSample = 16;
    format.cbSize = 0;
    return format;
}

std::wstring WavWriter::WavName(const std::wstring& target)
{
    bool hasExtension = false;
    if (target.size() >= 4) {
        std::wstring tail = target.substr(target.size() - 4);
        for (auto& c : tail)
            c = static_cast<wchar_t>(std::towlower(c));
        hasExtension = tail == L".wav";
    }
    return hasExtension ? target : target + L".wav";
}

WavWriter::~WavWriter()
{
    Close();
}

std::wstring WavWriter::Open(const std::wstring& target, const std::function<bool()>& mayOverwrite,
                             const volatile LONG* cancelRequested, FileCopier* copier)
{
    // A target that names a folder but no file is refused before anything is made:
    // no folder is created for it and no file named ".wav" appears. So is one
    // longer than the system takes, which it would cut to another name.
    if (!NamesAFile(target))
        return FailureText(kCannotCreate, target, HRESULT_FROM_WIN32(ERROR_INVALID_NAME));
    const std::wstring shownName = WavName(target);
    if (!WithinPathLimit(shownName))
        return FailureText(kCannotCreate, shownName, HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
    CreateDirectoryPath(DirectoryPart(target), cancelRequested);
    if (cancelRequested && *cancelRequested)
        return L"Cancelled by user.";
    const std::wstring name = FileSystemName(shownName);

    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (!mayOverwrite())
            return L"Cancelled by user.";
        ::SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!::DeleteFileW(name.c_str()))
            return L"Unable to overwrite.";
    }

    // The file is made here and handed to the multimedia functions as a handle: given
    // a name, they would read a "+" in it as the mark of a compound file, and take
    // no name longer than 127 characters.
    handle_.Reset(::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD createError = ::GetLastError();
    if (!handle_)
        return FailureText(kCannotCreate, shownName,
                           HRESULT_FROM_WIN32(createError ? createError : ERROR_OPEN_FAILED));
    // Only a file on a disk holds a WAV file: a device or a pipe would swallow the
    // audio, or block the worker.
    if (::GetFileType(handle_.Get()) != FILE_TYPE_DISK) {
        handle_.Reset();
        return FailureText(kCannotCreate, shownName, HRESULT_FROM_WIN32(ERROR_BAD_PATHNAME));
    }
    MMIOINFO info{};
    info.fccIOProc = FOURCC_DOS;
    info.adwInfo[0] = static_cast<DWORD>(HandleToLong(handle_.Get()));
    file_ = ::mmioOpenW(nullptr, &info, MMIO_READWRITE);
    if (!file_) {
        handle_.Reset();
        ::DeleteFileW(name.c_str());
        return FailureText(kCannotCreate, shownName, HRESULT_FROM_WIN32(ERROR_OPEN_FAILED));
    }

    riff_ = MMCKINFO{};
    riff_.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    MMCKINFO format{};
    format.ckid = mmioFOURCC('f', 'm', 't', ' ');
    const WAVEFORMATEX wave = CdAudioFormat();
    data_ = MMCKINFO{};
    data_.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (::mmioCreateChunk(file_, &riff_, MMIO_CREATERIFF) != MMSYSERR_NOERROR ||
        ::mmioCreateChunk(file_, &format, 0) != MMSYSERR_NOERROR ||
        ::mmioWrite(file_, reinterpret_cast<const char*>(&wave), 18) != 18 ||
        ::mmioAscend(file_, &format, 0) != MMSYSERR_NOERROR ||
        ::mmioCreateChunk(file_, &data_, 0) != MMSYSERR_NOERROR) {
        errorText_ = kWriteError;
        CloseFile();
        return kWriteError;
    }
    KeepOpenWavFile(handle_.Get(), data_.dwDataOffset);

    if (!copier) {
        try {
            ownCopier_ = std::make_unique<FileCopier>();
        } catch (const std::bad_alloc&) {
            return std::wstring();  // the first write reports it
        }
        copier = ownCopier_.get();
    }
    copier_ = copier;
    copier_->Begin(file_);
    return std::wstring();
}

bool WavWriter::CloseFile()
{
    // The handle is ours: the multimedia functions let go of the file without closing it.
    const bool closed = ::mmioClose(file_, MMIO_FHOPEN) == MMSYSERR_NOERROR;
    file_ = nullptr;
    ForgetOpenWavFile(handle_.Get());
    return ::CloseHandle(handle_.Release()) && closed;
}

bool WavWriter::Write(const uint8_t* data, uint32_t length, std::wstring& error)
{
    if (copier_ && copier_->Write(data, length))
        return true;
    const DWORD code = copier_ ? ::GetLastError() : DWORD(ERROR_NOT_ENOUGH_MEMORY);
    writeFailed_ = true;
    if (copier_ && copier_->Failed()) {
        errorText_ = kWriteError;
        error = errorText_;
    } else {
        error = L"Internal error 1411: " + SystemMessage(code);
    }
    return false;
}

HRESULT WavWriter::Close()
{
    if (!file_)
        return S_OK;
    const bool copyFailed = copier_ && !copier_->Finish();
    copier_ = nullptr;
    const bool chunksOk = ::mmioAscend(file_, &data_, 0) == MMSYSERR_NOERROR &&
                          ::mmioAscend(file_, &riff_, 0) == MMSYSERR_NOERROR;
    const bool closed = CloseFile();
    // A copy failure that no write reported yet would lose audio silently.
    if (!chunksOk || !closed || (copyFailed && !writeFailed_)) {
        errorText_ = kWriteError;
        return E_FAIL;
    }
    return S_OK;
}

}  // namespace velmora
