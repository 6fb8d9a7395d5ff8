#include "support/test_encoder.h"

#include <olectl.h>

#include "support/event_sink.h"

namespace testsupport {

void TestEncoder::FailAt(Fail fail, int atBlock)
{
    fail_ = fail;
    failBlock_ = atBlock;
}

STDMETHODIMP TestEncoder::QueryInterface(REFIID riid, void** object)
{
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IVelAudioEncoder)
        *object = static_cast<IVelAudioEncoder*>(this);
    else if (riid == IID_IAudioTag && offersTags_)
        *object = static_cast<IAudioTag*>(this);
    else if (riid == IID_IConnectionPointContainer)
        *object = static_cast<IConnectionPointContainer*>(this);
    else if (riid == IID_IConnectionPoint)  // its one point is itself
        *object = static_cast<IConnectionPoint*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TestEncoder::AddRef() { return ::InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) TestEncoder::Release()
{
    const ULONG refs = ::InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP TestEncoder::GetTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

HRESULT TestEncoder::Failure(const wchar_t* text)
{
    if (text) {
        ICreateErrorInfo* create = nullptr;
        if (SUCCEEDED(::CreateErrorInfo(&create))) {
            create->SetDescription(const_cast<LPOLESTR>(text));
            IErrorInfo* info = nullptr;
            if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
                ::SetErrorInfo(0, info);
                info->Release();
            }
            create->Release();
        }
    }
    return E_FAIL;
}

void TestEncoder::FireOnError(const wchar_t* text)
{
    if (!sink)
        return;
    VARIANT argument;
    ::VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = ::SysAllocString(text);
    DISPPARAMS params{&argument, nullptr, 1, 0};
    sink->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    ::VariantClear(&argument);
}

STDMETHODIMP TestEncoder::Open(BSTR name)
{
    std::lock_guard<std::mutex> guard(lock_);
    calls.push_back("Open");
    openedName = name ? name : L"";
    blocks_ = 0;
    if (fail_ == Fail::Open)
        return Failure(L"The encoder cannot open that.");
    if (fail_ == Fail::OpenQuietly)
        return Failure(nullptr);
    return S_OK;
}

STDMETHODIMP TestEncoder::SetInputFormatWFX(WAVEFORMATEX* wfx)
{
    std::lock_guard<std::mutex> guard(lock_);
    calls.push_back("SetInputFormatWFX");
    if (wfx)
        format = *wfx;
    if (fail_ == Fail::Format)
        return Failure(nullptr);
    return S_OK;
}

STDMETHODIMP TestEncoder::Write(unsigned char* data, LONG count)
{
    std::lock_guard<std::mutex> guard(lock_);
    if (calls.empty() || calls.back() != "Write")
        calls.push_back("Write");
    if ((fail_ == Fail::Write || fail_ == Fail::WriteQuietly) && blocks_ == failBlock_) {
        if (fail_ == Fail::Write)
            FireOnError(L"The encoder ran out of space.");
        return E_FAIL;
    }
    ++blocks_;
    audio.append(reinterpret_cast<const char*>(data), count);
    return S_OK;
}

STDMETHODIMP TestEncoder::Close()
{
    std::lock_guard<std::mutex> guard(lock_);
    calls.push_back("Close");
    if (fail_ == Fail::Close)
        return Failure(nullptr);
    return S_OK;
}

HRESULT TestEncoder::Tag(const char* name, BSTR value)
{
    std::lock_guard<std::mutex> guard(lock_);
    tags[name] = Narrow(value);
    return S_OK;
}

STDMETHODIMP TestEncoder::FindConnectionPoint(REFIID riid, IConnectionPoint** point)
{
    if (riid != DIID__IVelAudioEncoderEvents) {
        *point = nullptr;
        return CONNECT_E_NOCONNECTION;
    }
    *point = this;
    AddRef();
    return S_OK;
}

STDMETHODIMP TestEncoder::GetConnectionInterface(IID* iid)
{
    *iid = DIID__IVelAudioEncoderEvents;
    return S_OK;
}

STDMETHODIMP TestEncoder::GetConnectionPointContainer(IConnectionPointContainer** container)
{
    *container = this;
    AddRef();
    return S_OK;
}

STDMETHODIMP TestEncoder::Advise(IUnknown* unknown, DWORD* cookie)
{
    std::lock_guard<std::mutex> guard(lock_);
    if (sink)
        return CONNECT_E_ADVISELIMIT;
    if (FAILED(unknown->QueryInterface(DIID__IVelAudioEncoderEvents, reinterpret_cast<void**>(&sink))))
        return CONNECT_E_CANNOTCONNECT;
    ++sinkConnections;
    *cookie = 1;
    return S_OK;
}

STDMETHODIMP TestEncoder::Unadvise(DWORD)
{
    std::lock_guard<std::mutex> guard(lock_);
    if (!sink)
        return CONNECT_E_NOCONNECTION;
    sink->Release();
    sink = nullptr;
    return S_OK;
}

}  // namespace testsupport
