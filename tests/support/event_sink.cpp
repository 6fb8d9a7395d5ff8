#include "support/event_sink.h"

#include <windows.h>

#include "velmora.h"

namespace testsupport {
namespace {

const char* EventName(DISPID id)
{
    switch (id) {
    case 1: return "OnProgress";
    case 2: return "OnExtractionStart";
    case 3: return "OnExtractionEnd";
    case 4: return "OnExtractionError";
    case 5: return "OnJitterDetected";
    case 6: return "OnDiskChanged";
    default: return "Unknown";
    }
}

}  // namespace

std::string Narrow(const wchar_t* text)
{
    if (!text)
        return std::string();
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1)
        ::WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
    return out;
}

std::string ErrorText()
{
    win::ComPtr<IErrorInfo> info;
    if (::GetErrorInfo(0, info.Put()) != S_OK || !info)
        return std::string();
    win::UniqueBstr description;
    info->GetDescription(description.Put());
    return Narrow(description.Get());
}

HRESULT EventSink::Connect(IUnknown* control)
{
    win::ComPtr<IConnectionPointContainer> container;
    HRESULT hr = control->QueryInterface(IID_IConnectionPointContainer,
                                         reinterpret_cast<void**>(container.Put()));
    if (FAILED(hr))
        return hr;
    hr = container->FindConnectionPoint(DIID__IVelCDRipperEvents, point_.Put());
    if (FAILED(hr))
        return hr;
    return point_->Advise(this, &cookie_);
}

HRESULT EventSink::ConnectWithoutHolding(IUnknown* control)
{
    const HRESULT hr = Connect(control);
    point_.Reset();
    return hr;
}

void EventSink::Disconnect()
{
    if (point_)
        point_->Unadvise(cookie_);
    point_.Reset();
}

STDMETHODIMP EventSink::QueryInterface(REFIID riid, void** object)
{
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID__IVelCDRipperEvents) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) EventSink::Release()
{
    const ULONG refs = --refs_;
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                               EXCEPINFO*, UINT*)
{
    std::string line = name_.empty() ? EventName(id) : name_ + " " + EventName(id);
    if (params && params->cArgs == 1) {
        const VARIANT& arg = params->rgvarg[0];
        if (arg.vt == VT_I4)
            line += " " + std::to_string(arg.lVal);
        else if (arg.vt == VT_BSTR)
            line += " " + Narrow(arg.bstrVal);
    }
    log_->push_back(line);
    OnEvent(id);
    return S_OK;
}

}  // namespace testsupport
