// One CD drive of the object model: its tracks and CDDB records, the tray and
// speed commands, and a thread that polls the drive every 5 seconds and reports a
// changed disc.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "cddb/cddb_match.h"
#include "com/com_object.h"
#include "com/dispatch.h"
#include "objects/object_model.h"
#include "objects/ripper_host.h"
#include "transport/drive_record.h"
#include "win/unique_handle.h"

namespace velmora {

class Drive;

// What a track needs to find its drive again: cleared when the drive shuts down,
// so that a track a client still holds never reaches a freed drive.
struct DriveLink {
    Drive* drive = nullptr;
};

class Drive final : public com::ComObject<Drive, com::DispatchImpl<IDrive>, ISupportErrorInfo> {
public:
    Drive(RipperHost* host, std::shared_ptr<DriveRecord> record);

    // Makes the two collections and starts the disc-change thread.
    HRESULT InitDrive();
    // Stops the disc-change thread, then empties the collections. The control calls
    // it before it frees what the drive uses; the last release calls it too.
    void Shutdown();

    DriveRecord& Record() { return *record_; }
    // The text of the active CDDB record; false when there is none.
    bool ActiveRecordText(std::wstring& text);
    // The description and record text of match `index`; false when there is no such match.
    bool MatchText(int index, std::wstring* description, std::wstring* record);
    void SetActiveRecord(int index);
    // The file name of the track at `trackIndex` from the active record, or the error text.
    std::wstring GenerateFilename(int trackIndex, const std::wstring& templ, std::wstring& fileName);
    RipperHost* Host() const { return host_; }

    // IDrive
    STDMETHODIMP get_Name(BSTR* result) override;
    STDMETHODIMP get_Tracks(ITracksCollection** result) override;
    STDMETHODIMP OpenTray() override;
    STDMETHODIMP CloseTray() override;
    STDMETHODIMP Eject() override;
    STDMETHODIMP SetReadSpeed(LONG speed) override;
    STDMETHODIMP get_CDDBRecords(ICDDBRecordsCollection** result) override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP get_AutoRefresh(VARIANT_BOOL* result) override;
    STDMETHODIMP put_AutoRefresh(VARIANT_BOOL value) override;
    STDMETHODIMP LoadCDDBData() override;
    STDMETHODIMP HasAudioCD(VARIANT_BOOL* result) override;
    STDMETHODIMP GetTrackNumber(LONG* result) override;
    STDMETHODIMP GetTrack(LONG index, ITrack** result) override;
    STDMETHODIMP GetCDDBRecordNumber(LONG* result) override;
    STDMETHODIMP GetCDDBRecord(LONG index, ICDDBRecord** result) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;

private:
    ~Drive() override;
    bool Alive() const { return host_ != nullptr; }
    HRESULT Gone();
    // One disc-change check (runs on the drive's thread).
    void CheckDisc();
    static DWORD WINAPI DiscChangeThread(void* parameter);
    static void CALLBACK OnPollTimer(HWND, UINT, UINT_PTR, DWORD);

    RipperHost* host_;
    std::shared_ptr<DriveRecord> record_;
    std::shared_ptr<std::mutex> lock_;  // the record's lock, shared with the collections
    TracksCollection* tracks_ = nullptr;
    CDDBRecordsCollection* cddbRecords_ = nullptr;
    volatile LONG autoRefresh_ = 1;     // a Boolean stored as given
    win::UniqueHandle thread_;
    DWORD threadId_ = 0;
    std::shared_ptr<DriveLink> link_;
    std::vector<CDDBMatch> matches_;  // guarded by the lock, like the records collection
    int activeRecord_ = 0;
};

}  // namespace velmora
