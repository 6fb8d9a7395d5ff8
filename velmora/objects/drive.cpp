#include "objects/drive.h"

#include <cstring>
#include <vector>

#include "cddb/cddb_client.h"
#include "cddb/cddb_record.h"
#include "cddb/file_name_template.h"
#include "com/error_info.h"
#include "objects/cddb_record_object.h"
#include "objects/track.h"
#include "transport/drive_commands.h"

namespace velmora {
namespace {

constexpr UINT kPollInterval = 5000;
thread_local Drive* t_pollingDrive = nullptr;  // the drive whose thread this is

// Handed to a new disc-change thread, which signals `ready` once its queue exists.
struct ThreadStart {
    Drive* drive;
    HANDLE ready;
};

}  // namespace

Drive::Drive(RipperHost* host, std::shared_ptr<DriveRecord> record)
    : host_(host),
      record_(std::move(record)),
      lock_(record_, &record_->lock),
      link_(std::make_shared<DriveLink>())
{
    link_->drive = this;
}

Drive::~Drive()
{
    Shutdown();
    link_->drive = nullptr;
}

HRESULT Drive::InitDrive()
{
    tracks_ = TracksCollection::Create(lock_, L"tracks");
    cddbRecords_ = CDDBRecordsCollection::Create(lock_, L"CDDB records");
    if (!tracks_ || !cddbRecords_)
        return E_OUTOFMEMORY;

    win::UniqueHandle ready(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!ready)
        return HRESULT_FROM_WIN32(::GetLastError());
    ThreadStart start{this, ready.Get()};
    thread_.Reset(::CreateThread(nullptr, 0, &Drive::DiscChangeThread, &start, 0, &threadId_));
    if (!thread_)
        return HRESULT_FROM_WIN32(::GetLastError());
    // The thread must own a message queue before anyone posts its quit message.
    ::WaitForSingleObject(ready.Get(), INFINITE);
    return S_OK;
}

DWORD WINAPI Drive::DiscChangeThread(void* parameter)
{
    const auto* start = static_cast<const ThreadStart*>(parameter);
    t_pollingDrive = start->drive;
    MSG msg;
    ::PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, kPollInterval, &Drive::OnPollTimer);
    ::SetEvent(start->ready);  // `start` is gone after this

    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&msg);

    ::KillTimer(nullptr, timer);
    // Drop our own pending timer messages; other timers' messages go back in order.
    std::vector<MSG> others;
    while (::PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE))
        if (msg.wParam != timer)
            others.push_back(msg);
    for (const MSG& m : others)
        ::PostThreadMessageW(::GetCurrentThreadId(), m.message, m.wParam, m.lParam);
    return 0;
}

void CALLBACK Drive::OnPollTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (t_pollingDrive)
        t_pollingDrive->CheckDisc();
}

void Drive::CheckDisc()
{
    if (!host_ || host_->Extracting() || !autoRefresh_)
        return;
    uint8_t scratch[kTocAnswerSize];
    {
        std::lock_guard<std::mutex> guard(*lock_);
        std::memcpy(scratch, record_->storedToc, sizeof scratch);
    }
    ReadToc(*record_, scratch);
    {
        std::lock_guard<std::mutex> guard(*lock_);
        if (std::memcmp(scratch, record_->storedToc, sizeof scratch) == 0)
            return;
    }
    Refresh();
    host_->PostDiscChanged();
}

STDMETHODIMP Drive::Refresh()
{
    if (!Alive())
        return Gone();
    uint8_t answer[kTocAnswerSize];
    {
        std::lock_guard<std::mutex> guard(*lock_);
        std::memcpy(answer, record_->storedToc, sizeof answer);
    }
    ReadToc(*record_, answer);  // SS_ERR leaves zero bytes: no table

    std::vector<win::ComPtr<ITrack>> oldTracks;
    std::vector<win::ComPtr<ICDDBRecord>> oldRecords;
    {
        std::lock_guard<std::mutex> guard(*lock_);
        if (std::memcmp(answer, record_->storedToc, sizeof answer) == 0)
            return S_OK;
        ParseTocAnswer(answer, record_->toc);
        std::memcpy(record_->storedToc, answer, sizeof answer);
        oldTracks = tracks_->TakeAll();
        oldRecords = cddbRecords_->TakeAll();
        matches_.clear();
        activeRecord_ = 0;
    }
    // The old objects are released outside the lock.
    oldTracks.clear();
    oldRecords.clear();

    if (TestUnitReady(*record_) == SS_ERR)
        return S_OK;  // the table stays, but no usable disc: no tracks

    std::lock_guard<std::mutex> guard(*lock_);
    // Another refresh may have taken a newer table meanwhile; it made its own tracks.
    if (std::memcmp(answer, record_->storedToc, sizeof answer) != 0 || tracks_->Size() != 0)
        return S_OK;
    for (int index = 0; index + 1 < record_->toc.count; ++index) {
        Track* track = Track::Create(record_, link_, index);
        if (!track)
            return E_OUTOFMEMORY;
        tracks_->Add(track);
        track->Release();
    }
    return S_OK;
}

void Drive::Shutdown()
{
    if (thread_) {
        ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        ::WaitForSingleObject(thread_.Get(), INFINITE);
        thread_.Reset();
    }
    std::vector<win::ComPtr<ITrack>> oldTracks;
    std::vector<win::ComPtr<ICDDBRecord>> oldRecords;
    {
        std::lock_guard<std::mutex> guard(*lock_);
        if (tracks_)
            oldTracks = tracks_->TakeAll();
        if (cddbRecords_)
            oldRecords = cddbRecords_->TakeAll();
        matches_.clear();
        activeRecord_ = 0;
    }
    oldTracks.clear();
    oldRecords.clear();
    if (tracks_)
        tracks_->Release();
    if (cddbRecords_)
        cddbRecords_->Release();
    tracks_ = nullptr;
    cddbRecords_ = nullptr;
    host_ = nullptr;
}

HRESULT Drive::Gone()
{
    return com::ReportError(IID_IDrive, L"The drive is no longer available.");
}

STDMETHODIMP Drive::InterfaceSupportsErrorInfo(REFIID riid)
{
    return riid == IID_IDrive ? S_OK : S_FALSE;
}

STDMETHODIMP Drive::get_Name(BSTR* result)
{
    if (!result)
        return E_POINTER;
    const std::string& name = record_->name;
    const int length = ::MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()),
                                             nullptr, 0);
    *result = ::SysAllocStringLen(nullptr, length);
    if (!*result)
        return E_OUTOFMEMORY;
    ::MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), *result, length);
    return S_OK;
}

STDMETHODIMP Drive::get_Tracks(ITracksCollection** result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    if (!Alive())
        return Gone();
    *result = tracks_;
    tracks_->AddRef();
    return S_OK;
}

STDMETHODIMP Drive::get_CDDBRecords(ICDDBRecordsCollection** result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    if (!Alive())
        return Gone();
    *result = cddbRecords_;
    cddbRecords_->AddRef();
    return S_OK;
}

// A drive whose control is gone has no transport to send a command through: the
// tray, speed and polling calls fail as the other calls do, rather than report a
// success that did nothing.
STDMETHODIMP Drive::OpenTray()
{
    if (!Alive())
        return Gone();
    velmora::OpenTray(*record_);
    return S_OK;
}

STDMETHODIMP Drive::CloseTray()
{
    if (!Alive())
        return Gone();
    velmora::CloseTray(*record_);
    return S_OK;
}

STDMETHODIMP Drive::Eject() { return OpenTray(); }

STDMETHODIMP Drive::SetReadSpeed(LONG speed)
{
    if (!Alive())
        return Gone();
    velmora::SetReadSpeed(*record_, speed);
    return S_OK;
}

STDMETHODIMP Drive::get_AutoRefresh(VARIANT_BOOL* result)
{
    if (!result)
        return E_POINTER;
    if (!Alive())
        return Gone();
    *result = static_cast<VARIANT_BOOL>(autoRefresh_);
    return S_OK;
}

STDMETHODIMP Drive::put_AutoRefresh(VARIANT_BOOL value)
{
    if (!Alive())
        return Gone();
    ::InterlockedExchange(&autoRefresh_, value);
    return S_OK;
}

bool Drive::ActiveRecordText(std::wstring& text)
{
    std::lock_guard<std::mutex> guard(*lock_);
    const CDDBMatch* match = ActiveMatch(matches_, activeRecord_);
    if (!match || static_cast<size_t>(activeRecord_) >= cddbRecords_->Size()) {
        text.clear();
        return false;
    }
    text = match->recordText;
    return true;
}

bool Drive::MatchText(int index, std::wstring* description, std::wstring* record)
{
    std::lock_guard<std::mutex> guard(*lock_);
    if (index < 0 || static_cast<size_t>(index) >= matches_.size())
        return false;
    if (description)
        *description = RecordDescription(matches_[index]);
    if (record)
        *record = matches_[index].recordText;
    return true;
}

void Drive::SetActiveRecord(int index)
{
    std::lock_guard<std::mutex> guard(*lock_);
    activeRecord_ = index;
}

std::wstring Drive::GenerateFilename(int trackIndex, const std::wstring& templ,
                                     std::wstring& fileName)
{
    CDDBMatch active;
    bool hasActive = false;
    {
        std::lock_guard<std::mutex> guard(*lock_);
        if (const CDDBMatch* match = ActiveMatch(matches_, activeRecord_)) {
            active = *match;
            hasActive = true;
        }
    }
    return velmora::GenerateFilename(hasActive ? &active : nullptr, trackIndex, templ, fileName);
}

STDMETHODIMP Drive::LoadCDDBData()
{
    if (!Alive())
        return Gone();
    std::vector<win::ComPtr<ICDDBRecord>> oldRecords;
    TocTable toc;
    uint8_t stored[kTocAnswerSize];
    {
        std::lock_guard<std::mutex> guard(*lock_);
        oldRecords = cddbRecords_->TakeAll();
        matches_.clear();
        activeRecord_ = 0;
        toc = record_->toc;
        std::memcpy(stored, record_->storedToc, sizeof stored);
    }
    oldRecords.clear();

    // The lookup blocks this thread, but holds no lock: the disc-change thread and
    // readers go on meanwhile.
    std::vector<CDDBMatch> matches;
    size_t recordsRead = 0;
    const std::wstring error = velmora::LoadCDDBData(toc, matches, recordsRead);

    HRESULT result = S_OK;
    {
        std::lock_guard<std::mutex> guard(*lock_);
        // What was found belongs to the disc it was looked up for.
        if (!Alive() || std::memcmp(stored, record_->storedToc, sizeof stored) != 0)
            return error.empty() ? S_OK : com::ReportError(IID_IDrive, error.c_str());
        matches_ = std::move(matches);
        for (size_t i = 0; i < recordsRead && i < matches_.size(); ++i) {
            CDDBRecord* record = CDDBRecord::Create(link_, static_cast<int>(i));
            if (!record) {
                result = E_OUTOFMEMORY;
                break;
            }
            cddbRecords_->Add(record);
            record->Release();
        }
        activeRecord_ = 0;  // the first record is the active one
    }
    if (!error.empty())
        return com::ReportError(IID_IDrive, error.c_str());
    return result;
}

STDMETHODIMP Drive::HasAudioCD(VARIANT_BOOL* result)
{
    if (!result)
        return E_POINTER;
    std::lock_guard<std::mutex> guard(*lock_);
    *result = HasAudioTrack(record_->toc) ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP Drive::GetTrackNumber(LONG* result)
{
    if (!result)
        return E_POINTER;
    if (!Alive())
        return Gone();
    return tracks_->get_Count(result);
}

STDMETHODIMP Drive::GetTrack(LONG index, ITrack** result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    if (!Alive())
        return Gone();
    return tracks_->ItemAt(index, result, IID_IDrive);
}

STDMETHODIMP Drive::GetCDDBRecordNumber(LONG* result)
{
    if (!result)
        return E_POINTER;
    if (!Alive())
        return Gone();
    return cddbRecords_->get_Count(result);
}

STDMETHODIMP Drive::GetCDDBRecord(LONG index, ICDDBRecord** result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    if (!Alive())
        return Gone();
    return cddbRecords_->ItemAt(index, result, IID_IDrive);
}

}  // namespace velmora
