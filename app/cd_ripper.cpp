#include "app/cd_ripper.h"

#include <vector>

#include "gui/controls/application.h"
#include "velmora/idl/event_ids.h"
#include "win/ansi_text.h"

namespace brenvale {

void TVelCDRipper::Create(const std::string& state)
{
    CreateControl(CLSID_VelCDRipper, DIID__IVelCDRipperEvents, state);
}

void TVelCDRipper::InvokeEvent(DISPID id, DISPPARAMS& params)
{
    // An event arrives through the control's own code: a failure of a handler
    // must not unwind through it, and goes to the program's exception handler.
    try {
        DispatchEvent(id, params);
    } catch (...) {
        gui::Application().HandleException(this);
    }
}

void TVelCDRipper::DispatchEvent(DISPID id, DISPPARAMS& params)
{
    switch (id) {
    case velmora::DISPID_ONPROGRESS:  // (PercentDone)
        if (OnProgress && params.cArgs >= 1) {
            VARIANT percent;
            ::VariantInit(&percent);
            if (SUCCEEDED(::VariantChangeType(&percent, &params.rgvarg[params.cArgs - 1], 0, VT_I4)))
                OnProgress(this, percent.lVal);
        }
        break;
    case velmora::DISPID_ONEXTRACTIONSTART:
        if (OnExtractionStart)
            OnExtractionStart(this);
        break;
    case velmora::DISPID_ONEXTRACTIONEND:
        if (OnExtractionEnd)
            OnExtractionEnd(this);
        break;
    case velmora::DISPID_ONEXTRACTIONERROR:  // (ErrorMessage)
        if (OnExtractionError && params.cArgs >= 1) {
            VARIANT text;
            ::VariantInit(&text);
            if (SUCCEEDED(::VariantChangeType(&text, &params.rgvarg[params.cArgs - 1], 0, VT_BSTR))) {
                const std::string message = FromBstr(text.bstrVal);
                ::VariantClear(&text);
                OnExtractionError(this, message);
            }
        }
        break;
    case velmora::DISPID_ONDISKCHANGED:
        if (OnDiskChanged)
            OnDiskChanged(this);
        break;
    default:  // jitter reports are not shown by this program
        break;
    }
}

win::ComPtr<IDrive> DriveOf(IVelCDRipper* ripper, long number)
{
    win::ComPtr<IDrivesCollection> drives;
    Checked([&] { return ripper->get_Drives(drives.Put()); });
    win::ComPtr<IDrive> drive;
    Checked([&] { return drives->get_Item(number, drive.Put()); });
    return drive;
}

win::ComPtr<ITracksCollection> TracksOf(IDrive* drive)
{
    win::ComPtr<ITracksCollection> tracks;
    Checked([&] { return drive->get_Tracks(tracks.Put()); });
    return tracks;
}

win::ComPtr<ITrack> TrackOf(IDrive* drive, long number)
{
    win::ComPtr<ITrack> track;
    auto tracks = TracksOf(drive);
    Checked([&] { return tracks->get_Item(number, track.Put()); });
    return track;
}

long TrackCount(IDrive* drive)
{
    long count = 0;
    auto tracks = TracksOf(drive);
    Checked([&] { return tracks->get_Count(&count); });
    return count;
}

long CDDBRecordCount(IDrive* drive)
{
    win::ComPtr<ICDDBRecordsCollection> records;
    Checked([&] { return drive->get_CDDBRecords(records.Put()); });
    long count = 0;
    Checked([&] { return records->get_Count(&count); });
    return count;
}

bool HasAudioCD(IDrive* drive)
{
    VARIANT_BOOL value = VARIANT_FALSE;
    Checked([&] { return drive->HasAudioCD(&value); });
    return value != VARIANT_FALSE;
}

std::string FromBstr(BSTR text)
{
    return text ? win::WideToAnsi(std::wstring_view(text, ::SysStringLen(text))) : std::string();
}

}  // namespace brenvale
