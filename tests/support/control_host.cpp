#include "support/control_host.h"

#include "support/event_sink.h"

namespace testsupport {

HRESULT CreateControl(win::ComPtr<IVelCDRipper>& control)
{
    CLSID clsid;
    HRESULT hr = ::CLSIDFromProgID(L"ORVEK.CDRipper", &clsid);
    if (FAILED(hr))
        return hr;
    return ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IVelCDRipper,
                              reinterpret_cast<void**>(control.Put()));
}

win::ComPtr<IDrive> DriveOf(IVelCDRipper* control, long index)
{
    win::ComPtr<IDrive> drive;
    control->GetDrive(index, drive.Put());
    return drive;
}

win::ComPtr<ITrack> TrackOf(IDrive* drive, long index)
{
    win::ComPtr<ITrack> track;
    drive->GetTrack(index, track.Put());
    return track;
}

long TrackCount(IDrive* drive)
{
    long count = -1;
    drive->GetTrackNumber(&count);
    return count;
}

std::string DriveName(IDrive* drive)
{
    win::UniqueBstr name;
    drive->get_Name(name.Put());
    return Narrow(name.Get());
}

HRESULT ControlCanUnloadNow()
{
    HMODULE module = ::GetModuleHandleW(L"velmora.dll");
    if (!module)
        return E_UNEXPECTED;
    auto canUnload = reinterpret_cast<HRESULT(WINAPI*)()>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllCanUnloadNow")));
    return canUnload ? canUnload() : E_UNEXPECTED;
}

}  // namespace testsupport
