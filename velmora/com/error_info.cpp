#include "com/error_info.h"

#include <oaidl.h>

#include "velmora.h"
#include "win/com_ptr.h"

namespace velmora::com {

const wchar_t* ErrorSource(REFIID iid)
{
    // The classes below the control are not creatable and have no ProgID: they
    // are named as the type library names them.
    struct Named {
        const IID* iid;
        const wchar_t* source;
    };
    static const Named named[] = {
        {&IID_IDrive, L"VELMORALib.Drive"},
        {&IID_ITrack, L"VELMORALib.Track"},
        {&IID_ICDDBRecord, L"VELMORALib.CDDBRecord"},
        {&IID_IDrivesCollection, L"VELMORALib.DrivesCollection"},
        {&IID_ITracksCollection, L"VELMORALib.TracksCollection"},
        {&IID_ICDDBRecordsCollection, L"VELMORALib.CDDBRecordsCollection"},
    };
    for (const Named& n : named)
        if (::IsEqualIID(iid, *n.iid))
            return n.source;
    return L"ORVEK.CDRipper.1";
}

HRESULT ReportError(REFIID iid, const wchar_t* text, HRESULT result)
{
    win::ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(::CreateErrorInfo(create.Put()))) {
        create->SetGUID(iid);
        create->SetSource(const_cast<LPOLESTR>(ErrorSource(iid)));
        create->SetDescription(const_cast<LPOLESTR>(text));
        win::ComPtr<IErrorInfo> info;
        if (SUCCEEDED(create.As(info)))
            ::SetErrorInfo(0, info.Get());
    }
    return result;
}

}  // namespace velmora::com
