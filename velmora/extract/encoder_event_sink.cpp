#include "extract/encoder_event_sink.h"

#include "velmora.h"

namespace velmora {
namespace {

constexpr DISPID kOnError = 1;

}  // namespace

EncoderEventSink::EncoderEventSink(std::shared_ptr<EncoderErrorText> text) : text_(std::move(text))
{
    // Without it the sink is marshalled as usual: events then reach it through a proxy.
    ::CoCreateFreeThreadedMarshaler(static_cast<IDispatch*>(this), marshaler_.Put());
}

void* EncoderEventSink::QueryExtraInterface(REFIID riid)
{
    if (riid == DIID__IVelAudioEncoderEvents)
        return static_cast<IDispatch*>(this);
    if (riid == IID_IMarshal && marshaler_) {
        // The marshaler's interface, with the reference it took on this object given
        // back: the caller takes its own.
        void* marshal = nullptr;
        if (FAILED(marshaler_->QueryInterface(riid, &marshal)))
            return nullptr;
        static_cast<IUnknown*>(marshal)->Release();
        return marshal;
    }
    return nullptr;
}

STDMETHODIMP EncoderEventSink::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP EncoderEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP EncoderEventSink::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids)
        return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = (i == 0 && names[0] && ::lstrcmpiW(names[0], L"OnError") == 0) ? kOnError
                                                                                : DISPID_UNKNOWN;
        if (ids[i] == DISPID_UNKNOWN)
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

STDMETHODIMP EncoderEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params,
                                      VARIANT* result, EXCEPINFO*, UINT* argError)
{
    if (result)
        ::VariantInit(result);
    if (member != kOnError)
        return DISP_E_MEMBERNOTFOUND;
    if (!params || params->cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    VARIANT text;
    ::VariantInit(&text);
    if (FAILED(::VariantChangeType(&text, &params->rgvarg[0], 0, VT_BSTR))) {
        if (argError)
            *argError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    text_->Set(text.bstrVal ? std::wstring(text.bstrVal, ::SysStringLen(text.bstrVal)) : std::wstring());
    ::VariantClear(&text);
    return S_OK;
}

}  // namespace velmora
