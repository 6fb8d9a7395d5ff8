// The tests' encoder as an in-process COM server, so that script hosts can make
// one by its ProgID and hand it to the control. The tests register it themselves
// (test_encoder_server.h); the encoder takes calls from any thread.
#include <windows.h>

#include "support/test_encoder.h"
#include "support/test_encoder_server.h"

namespace {

LONG objects = 0;

class CountedEncoder : public testsupport::TestEncoder {
public:
    CountedEncoder() { ::InterlockedIncrement(&objects); }
    ~CountedEncoder() override { ::InterlockedDecrement(&objects); }
};

class Factory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (riid != IID_IUnknown && riid != IID_IClassFactory) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* encoder = new CountedEncoder;
        const HRESULT hr = encoder->QueryInterface(riid, object);
        encoder->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

Factory factory;

}  // namespace

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    if (!::IsEqualCLSID(clsid, testsupport::CLSID_TestEncoder)) {
        *object = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return factory.QueryInterface(riid, object);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return objects == 0 ? S_OK : S_FALSE; }
