// Extraction tasks, the single-task list and the queue, and the worker thread that
// runs them one after the other, reporting to the control's window.
#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "extract/encoder_event_sink.h"
#include "extract/encoder_output.h"
#include "extract/encoder_slot.h"
#include "extract/event_queue.h"
#include "extract/sector_reader.h"
#include "transport/drive_record.h"
#include "velmora.h"
#include "win/com_ptr.h"
#include "win/unique_handle.h"

namespace velmora {

class FileCopier;
class WavWriter;

struct ExtractionTask {
    enum class Kind { Wav = 0, Encoder = 1 };

    std::shared_ptr<DriveRecord> drive;
    std::vector<uint8_t> disc;  // the drive's table of contents when the task was made
    int trackIndex = 0;
    Kind kind = Kind::Wav;
    std::wstring target;
    bool writeTag = false;
    std::wstring record;  // the active CDDB record's text when writeTag is set
};

// What the worker needs of the control.
class ExtractionHost {
public:
    virtual HWND Window() const = 0;
    virtual bool JitterCorrection() const = 0;
    virtual bool OverwritePrompt() const = 0;
    // The `Encoder` property.
    virtual const EncoderSlot& Encoder() const = 0;

protected:
    ~ExtractionHost() = default;
};

class Extraction {
public:
    explicit Extraction(ExtractionHost& host);
    // Waits for a running worker (the control cancels it first).
    ~Extraction();
    Extraction(const Extraction&) = delete;
    Extraction& operator=(const Extraction&) = delete;

    // Each returns S_OK or a refusal reported with `iid` (DISP_E_EXCEPTION and error
    // information), or the system error when the thread cannot be started.
    HRESULT StartSingle(ExtractionTask task, REFIID iid);
    HRESULT Queue(ExtractionTask task, REFIID iid);
    HRESULT RunQueue(REFIID iid);
    void ClearQueue();
    // S_FALSE when nothing runs.
    HRESULT Cancel();

    bool Busy() const { return busy_ != 0; }
    // Asks the running worker to stop and waits until it has, answering messages sent
    // to this thread meanwhile (the worker may ask the overwrite question).
    void CancelAndWait();

    IDispatch* EncoderSink() const { return sink_.Get(); }
    // The worker's reports, which the window takes when WM_RIPPER_EVENTS arrives.
    EventQueue& Events() { return events_; }

private:
    static DWORD WINAPI WorkerThread(void* extraction);
    HRESULT StartWorker(REFIID iid);
    void Run();
    // Runs one task; false when the run must end after it.
    bool RunTask(const ExtractionTask& task);
    // Writes into `wav`, or else into `encoder`, the task's own.
    bool ReadTrack(WavWriter* wav, const TaskEncoder& encoder, const std::wstring& target);
    void Post(UINT message, WPARAM wParam = 0);
    void PostError(const std::wstring& text);
    void PostSetUpError(const std::wstring& text);

    ExtractionHost& host_;
    EventQueue events_;
    std::mutex listsLock_;
    std::vector<ExtractionTask> queue_;
    std::vector<ExtractionTask> single_;
    std::vector<ExtractionTask> running_;  // the copy the next worker runs
    volatile LONG busy_ = 0;
    volatile LONG cancelRequested_ = 0;
    win::UniqueHandle thread_;
    SectorReader reader_;
    std::shared_ptr<EncoderErrorText> encoderError_;
    win::ComPtr<EncoderEventSink> sink_;
    EncoderEventConnection* connection_ = nullptr;  // valid during a run
    FileCopier* copier_ = nullptr;  // the WAV files' copy thread, valid during a run
};

}  // namespace velmora
