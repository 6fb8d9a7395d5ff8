// The tests' encoder as an in-process COM server, so that hosts can make one by its
// ProgID, registered under the threading model a test asks for, and hand it to the
// control. Like a real encoder it writes what it receives to the file it was opened
// on (the raw audio), and beside it "<file>.calls", one line per method and thread
// that called it ("Write 1234"), so that a test sees where it was called. A target
// whose name ends in "write-fails" makes its second Write fail with an OnError event.
#include <windows.h>

#include <cstdio>
#include <string>

#include "support/test_encoder.h"
#include "support/test_encoder_server.h"

namespace {

LONG objects = 0;

class FileEncoder : public testsupport::TestEncoder {
public:
    FileEncoder() { ::InterlockedIncrement(&objects); }
    ~FileEncoder() override
    {
        Finish();
        ::InterlockedDecrement(&objects);
    }

    STDMETHODIMP Open(BSTR name) override
    {
        Finish();
        Called("Open");
        file_ = name ? name : L"";
        output_ = _wfopen(file_.c_str(), L"wb");
        const std::wstring failing = L"write-fails";
        const bool fails = file_.size() >= failing.size() &&
                           file_.compare(file_.size() - failing.size(), failing.size(), failing) == 0;
        FailAt(fails ? Fail::Write : Fail::None, 1);
        return TestEncoder::Open(name);
    }
    STDMETHODIMP SetInputFormatWFX(WAVEFORMATEX* format) override
    {
        Called("SetInputFormatWFX");
        return TestEncoder::SetInputFormatWFX(format);
    }
    STDMETHODIMP Write(unsigned char* data, LONG count) override
    {
        Called("Write");
        const HRESULT hr = TestEncoder::Write(data, count);
        if (SUCCEEDED(hr) && output_ && count > 0)
            fwrite(data, 1, static_cast<size_t>(count), output_);
        return hr;
    }
    STDMETHODIMP Close() override
    {
        Called("Close");
        const HRESULT hr = TestEncoder::Close();
        Finish();
        return hr;
    }

private:
    void Called(const char* method)
    {
        const std::string line = std::string(method) + " " + std::to_string(::GetCurrentThreadId()) + "\n";
        if (log_.size() < line.size() || log_.compare(log_.size() - line.size(), line.size(), line) != 0)
            log_ += line;
    }
    // Closes the output and writes the calls beside it.
    void Finish()
    {
        if (output_)
            fclose(output_);
        output_ = nullptr;
        if (file_.empty())
            return;
        if (FILE* calls = _wfopen((file_ + L".calls").c_str(), L"wb")) {
            fwrite(log_.data(), 1, log_.size(), calls);
            fclose(calls);
        }
        file_.clear();
        log_.clear();
    }

    std::wstring file_;
    FILE* output_ = nullptr;
    std::string log_;
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
        auto* encoder = new FileEncoder;
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
