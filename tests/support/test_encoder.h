// An external encoder for the tests: records what the control hands it (name, input
// format, audio bytes, tags, calls) and fails on demand, with or without error
// information or an OnError event.
#pragma once

#include <ocidl.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "velmora.h"

namespace testsupport {

class TestEncoder : public IVelAudioEncoder, public IAudioTag, public IConnectionPointContainer,
                    public IConnectionPoint {
public:
    enum class Fail { None, Open, OpenQuietly, Format, Write, WriteQuietly, Close };

    explicit TestEncoder(bool offersTags = true) : offersTags_(offersTags) {}
    virtual ~TestEncoder() = default;

    // What to fail; Write fails at the block numbered `atBlock` (0-based).
    void FailAt(Fail fail, int atBlock = 0);

    // What was received (safe to read once the extraction has ended).
    std::vector<std::string> calls;
    std::wstring openedName;
    WAVEFORMATEX format{};
    std::string audio;
    std::map<std::string, std::string> tags;
    int sinkConnections = 0;
    IDispatch* sink = nullptr;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDispatch (not used by the control)
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }
    // IVelAudioEncoder
    STDMETHODIMP Open(BSTR name) override;
    STDMETHODIMP OpenHandle(void*) override { return E_NOTIMPL; }
    STDMETHODIMP SetInputFormat(LONG, LONG, LONG) override { return E_NOTIMPL; }
    STDMETHODIMP SetInputFormatWFX(WAVEFORMATEX* format) override;
    STDMETHODIMP SetOutputFormatVBR(float) override { return E_NOTIMPL; }
    STDMETHODIMP SetOutputFormatABR(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP SetOutputFormatCBR(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP Write(unsigned char* data, LONG count) override;
    STDMETHODIMP Close() override;
    STDMETHODIMP get_Filename(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_AddExtension(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_AddExtension(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_TagData(IAudioTag**) override { return E_NOTIMPL; }
    STDMETHODIMP get_OverwritePrompt(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_OverwritePrompt(VARIANT_BOOL) override { return E_NOTIMPL; }
    // IAudioTag
    STDMETHODIMP get_Title(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Title(BSTR v) override { return Tag("Title", v); }
    STDMETHODIMP get_Artist(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Artist(BSTR v) override { return Tag("Artist", v); }
    STDMETHODIMP get_Album(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Album(BSTR v) override { return Tag("Album", v); }
    STDMETHODIMP get_Year(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Year(BSTR v) override { return Tag("Year", v); }
    STDMETHODIMP get_Genre(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Genre(BSTR v) override { return Tag("Genre", v); }
    STDMETHODIMP get_TrackNo(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP put_TrackNo(BSTR v) override { return Tag("TrackNo", v); }
    STDMETHODIMP get_Comment(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Comment(BSTR v) override { return Tag("Comment", v); }
    // IConnectionPointContainer and its one point, for _IVelAudioEncoderEvents
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    HRESULT Tag(const char* name, BSTR value);
    HRESULT Failure(const wchar_t* text);  // sets error information when text is given
    void FireOnError(const wchar_t* text);

    bool offersTags_;
    Fail fail_ = Fail::None;
    int failBlock_ = 0;
    int blocks_ = 0;
    LONG refs_ = 1;
    std::mutex lock_;
};

}  // namespace testsupport
