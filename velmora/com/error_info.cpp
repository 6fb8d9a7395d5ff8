#include "com/error_info.h"

#include <oaidl.h>

#include "win/com_ptr.h"

namespace velmora::com {

HRESULT ReportError(REFIID iid, const wchar_t* text)
{
    win::ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(::CreateErrorInfo(create.Put()))) {
        create->SetGUID(iid);
        create->SetSource(const_cast<LPOLESTR>(L"ORVEK.CDRipper.1"));
        create->SetDescription(const_cast<LPOLESTR>(text));
        win::ComPtr<IErrorInfo> info;
        if (SUCCEEDED(create.As(info)))
            ::SetErrorInfo(0, info.Get());
    }
    return DISP_E_EXCEPTION;
}

}  // namespace velmora::com
