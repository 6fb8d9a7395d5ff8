#include "extract/extraction.h"

#include <objbase.h>

#include <cstring>

#include "com/error_info.h"
#include "extract/encoder_output.h"
#include "extract/failure_text.h"
#include "extract/file_copier.h"
#include "extract/messages.h"
#include "extract/wav_writer.h"

namespace velmora {
namespace {

const wchar_t kBusy[] = L"Extraction is already in progress.";
const wchar_t kQueueEmpty[] = L"Extraction queue is empty.";
const wchar_t kNoEncoder[] = L"External encoder is not set.";
const wchar_t kEncoderUnreachable[] = L"Internal error #7653. External encoder was unable to start.";
const wchar_t kEncoderCloseFailed[] = L"Internal error #7656. External encoder problem.";
const wchar_t kDiscChanged[] = L"The disk was changed.";

// The drive still holds the disc the task was made for, as its table of contents
// tells: a task queued before another disc was taken in would put that disc's
// audio under this one's names. The same disc taken out and put back is the same.
bool SameDisc(const ExtractionTask& task)
{
    std::lock_guard<std::mutex> guard(task.drive->lock);
    return task.disc.size() == kTocAnswerSize &&
           std::memcmp(task.disc.data(), task.drive->storedToc, kTocAnswerSize) == 0;
}

// The number of the last overwrite question this thread asked, and its answer.
thread_local ULONG_PTR t_question = 0;
thread_local bool t_answered = false;
thread_local LRESULT t_answer = 0;

void CALLBACK TakeAnswer(HWND, UINT, ULONG_PTR question, LRESULT answer)
{
    if (question == t_question) {
        t_answered = true;
        t_answer = answer;
    }
}

// Asks the control's window whether an existing target may go. The question waits
// for the window's thread, but not beyond a cancel: the control may be going away
// on another thread while its own thread waits for that one and answers nothing.
// A question left so counts as a no; an answer that comes later is dropped.
bool AskToOverwrite(HWND window, const volatile LONG& cancel)
{
    t_answered = false;
    if (!::SendMessageCallbackW(window, WM_RIPPER_OVERWRITEPROMPT, 0, 0, &TakeAnswer, ++t_question))
        return false;
    while (!t_answered && !cancel) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // delivers the answer
    }
    return t_answered && t_answer != 0 && !cancel;
}

}  // namespace

Extraction::Extraction(ExtractionHost& host)
    : host_(host),
      encoderError_(std::make_shared<EncoderErrorText>()),
      sink_(win::ComPtr<EncoderEventSink>::Attach(EncoderEventSink::Create(encoderError_)))
{
}

Extraction::~Extraction()
{
    CancelAndWait();
}

void Extraction::CancelAndWait()
{
    if (busy_)
        ::InterlockedExchange(&cancelRequested_, 1);
    while (busy_) {
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_SENDMESSAGE, 0);
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    // The worker may still be on its way out; it touches nothing of ours any more,
    // but its thread is waited for so that none outlives the control.
    if (thread_) {
        ::WaitForSingleObject(thread_.Get(), INFINITE);
        thread_.Reset();
    }
}

HRESULT Extraction::StartSingle(ExtractionTask task, REFIID iid)
{
    if (busy_)
        return com::ReportError(iid, kBusy);
    if (task.kind == ExtractionTask::Kind::Encoder && host_.Encoder().Empty())
        return com::ReportError(iid, kNoEncoder);
    // Taking the flag here, not in the worker, keeps two quick starts from both passing.
    if (::InterlockedCompareExchange(&busy_, 1, 0) != 0)
        return com::ReportError(iid, kBusy);
    {
        std::lock_guard<std::mutex> guard(listsLock_);
        single_.clear();
        single_.push_back(std::move(task));
        running_ = single_;
    }
    return StartWorker(iid);
}

HRESULT Extraction::Queue(ExtractionTask task, REFIID iid)
{
    if (task.kind == ExtractionTask::Kind::Encoder && host_.Encoder().Empty())
        return com::ReportError(iid, kNoEncoder);
    std::lock_guard<std::mutex> guard(listsLock_);
    queue_.push_back(std::move(task));
    return S_OK;
}

HRESULT Extraction::RunQueue(REFIID iid)
{
    if (busy_)
        return com::ReportError(iid, kBusy);
    {
        std::lock_guard<std::mutex> guard(listsLock_);
        if (queue_.empty())
            return com::ReportError(iid, kQueueEmpty);
    }
    if (::InterlockedCompareExchange(&busy_, 1, 0) != 0)
        return com::ReportError(iid, kBusy);
    {
        // The run works on a copy made now: changing the queue later does not change it.
        std::lock_guard<std::mutex> guard(listsLock_);
        running_ = queue_;
    }
    return StartWorker(iid);
}

void Extraction::ClearQueue()
{
    std::lock_guard<std::mutex> guard(listsLock_);
    queue_.clear();
}

HRESULT Extraction::Cancel()
{
    if (!busy_)
        return S_FALSE;
    ::InterlockedExchange(&cancelRequested_, 1);
    return S_OK;
}

HRESULT Extraction::StartWorker(REFIID)
{
    if (thread_) {
        ::WaitForSingleObject(thread_.Get(), INFINITE);  // the previous worker is past its last step
        thread_.Reset();
    }
    ::InterlockedExchange(&cancelRequested_, 0);
    thread_.Reset(::CreateThread(nullptr, 0, &Extraction::WorkerThread, this, 0, nullptr));
    if (!thread_) {
        const DWORD error = ::GetLastError();
        ::InterlockedExchange(&busy_, 0);
        return HRESULT_FROM_WIN32(error);
    }
    return S_OK;
}

DWORD WINAPI Extraction::WorkerThread(void* extraction)
{
    // The encoder's error information is per thread: the worker needs COM.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    static_cast<Extraction*>(extraction)->Run();
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return 0;
}

void Extraction::Post(UINT message, WPARAM wParam)
{
    events_.Post(host_.Window(), message, wParam);
}

void Extraction::PostError(const std::wstring& text)
{
    // The text belongs to the report from here on; the window's handler frees it.
    if (BSTR owned = ::SysAllocString(text.c_str()))
        events_.Post(host_.Window(), WM_RIPPER_EXTRACTIONERROR, reinterpret_cast<WPARAM>(owned));
}

void Extraction::Run()
{
    events_.StartPosting();
    encoderError_->Set(std::wstring());
    std::vector<ExtractionTask> tasks;
    {
        std::lock_guard<std::mutex> guard(listsLock_);
        tasks.swap(running_);
    }
    EncoderEventConnection connection;
    connection_ = &connection;
    {
        // One copy thread and one buffer serve all the run's WAV files.
        FileCopier copier;
        copier_ = &copier;
        for (const ExtractionTask& task : tasks)
            if (!RunTask(task))
                break;
        copier_ = nullptr;
    }
    connection.Disconnect();
    connection_ = nullptr;
    tasks.clear();
    // Every report is on its way to the window before the host can see the run over.
    events_.StopPosting();
    ::InterlockedExchange(&busy_, 0);  // the last thing the worker does with the control
}

void Extraction::PostSetUpError(const std::wstring& text)
{
    // A cancel that stopped the set-up is what the host asked for, not an error.
    if (!cancelRequested_)
        PostError(text);
}

bool Extraction::RunTask(const ExtractionTask& task)
{
    // A track that is not on the disc ends the run before any file is made for it.
    if (!SameDisc(task)) {
        PostError(kDiscChanged);
        return false;
    }
    if (!reader_.SetUp(*task.drive, task.trackIndex)) {
        PostError(reader_.StatusText());
        return false;
    }
    WavWriter wav;
    // The encoder the task starts with serves the whole task: a host that sets
    // another one (or none) meanwhile changes the next task, never this one, whose
    // encoder was opened for it and must see its every block and its Close.
    TaskEncoder encoder;
    if (task.kind == ExtractionTask::Kind::Wav) {
        // Only a question that must really be shown goes to the window's thread, which
        // a host without a message loop (a console program, a script in a wait loop)
        // never lets answer. A cancelled run (the control going away, too) keeps the
        // old file without asking, and so does a run cancelled while the question was
        // shown, whatever the answer: the host no longer wants the file replaced.
        HWND window = host_.Window();
        const std::wstring error = wav.Open(task.target, [this, window] {
            if (cancelRequested_)
                return false;
            if (!host_.OverwritePrompt())
                return true;
            return AskToOverwrite(window, cancelRequested_);
        }, &cancelRequested_, copier_);
        if (!error.empty()) {
            reader_.FreeBuffers();
            PostSetUpError(error);
            return false;
        }
    } else {
        encoder = host_.Encoder().Take(host_.Window());
        if (!encoder) {
            reader_.FreeBuffers();
            PostError(kNoEncoder);
            return false;
        }
        std::wstring error = FailureText(kEncoderUnreachable, task.target, RPC_E_DISCONNECTED);
        encoder.Call([&](IVelAudioEncoder* object) {
            error = OpenEncoder(object, task.target, &cancelRequested_);
        });
        if (!error.empty()) {
            reader_.FreeBuffers();
            PostSetUpError(error);
            return false;
        }
        if (!connection_->Connected())
            connection_->Connect(encoder, sink_.Get());
        if (task.writeTag)
            encoder.Call([&](IVelAudioEncoder* object) {
                WriteEncoderTags(object, task.record, task.trackIndex);
            });
    }

    bool ok = ReadTrack(task.kind == ExtractionTask::Kind::Wav ? &wav : nullptr, encoder, task.target);

    if (task.kind == ExtractionTask::Kind::Wav) {
        if (FAILED(wav.Close())) {
            PostError(wav.ErrorText());
            ok = false;
        }
    } else {
        std::wstring error = kEncoderCloseFailed;
        encoder.Call([&](IVelAudioEncoder* object) {
            ::SetErrorInfo(0, nullptr);
            error = FAILED(object->Close()) ? ErrorInfoText(kEncoderCloseFailed) : std::wstring();
        });
        if (!error.empty()) {
            PostError(error);
            ok = false;
        }
    }
    return ok && !cancelRequested_;
}

// Reads the track set up in the reader into the output; false when the run must
// end (error or cancel).
// Ends with the progress and end messages; the output is closed by the caller.
bool Extraction::ReadTrack(WavWriter* wav, const TaskEncoder& encoder, const std::wstring& target)
{
    int lastPercent = -1;
    Post(WM_RIPPER_EXTRACTIONSTART);

    // The setting holds for the whole track: a read made without correction shares
    // nothing with the next one, so switching it on in the middle of a track could
    // only report a mismatch that is not there. A change applies from the next track.
    const bool jitterCorrection = host_.JitterCorrection();
    bool failed = false;
    bool cancelSeen = false;
    for (;;) {
        const Block block = reader_.ReadBlock(jitterCorrection);
        if (block.result == Block::Result::Done)
            break;
        if (cancelSeen)
            break;  // the block just read is not written
        if (block.result == Block::Result::Error) {
            PostError(reader_.StatusText());
            failed = true;
            break;
        }
        if (block.jitter)
            Post(WM_RIPPER_JITTERDETECTED);

        std::wstring error;
        if (wav) {
            if (!wav->Write(block.data, block.length, error)) {
                PostError(error);
                failed = true;
                break;
            }
        } else {
            HRESULT written = RPC_E_DISCONNECTED;
            encoder.Call([&](IVelAudioEncoder* object) {
                written = object->Write(const_cast<unsigned char*>(block.data),
                                        static_cast<LONG>(block.length));
            });
            if (FAILED(written)) {
                const std::wstring reported = connection_->Connected() ? encoderError_->Get()
                                                                       : std::wstring();
                PostError(WriteFailureText(reported, target, written));
                failed = true;
                break;
            }
        }
        cancelSeen = cancelRequested_ != 0;
        if (reader_.Percent() != lastPercent) {
            lastPercent = reader_.Percent();
            Post(WM_RIPPER_PROGRESS, static_cast<WPARAM>(lastPercent));
        }
    }

    if (!cancelRequested_)
        Post(WM_RIPPER_PROGRESS, 100);
    Post(WM_RIPPER_EXTRACTIONEND);
    reader_.FreeBuffers();
    return !failed && !cancelRequested_;
}

}  // namespace velmora
