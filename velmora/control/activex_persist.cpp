// The control's persisted state: a version word 0x0300 and the two settings, in a
// stream or in the "Contents" stream of a storage; and the data-object side, which
// offers advise connections only.
#include "control/cd_ripper.h"

namespace velmora {
namespace {

constexpr DWORD kPersistVersion = 0x0300;
const wchar_t kContentsStream[] = L"Contents";

void PutLittleEndian(BYTE* out, DWORD value)
{
    out[0] = static_cast<BYTE>(value);
    out[1] = static_cast<BYTE>(value >> 8);
    out[2] = static_cast<BYTE>(value >> 16);
    out[3] = static_cast<BYTE>(value >> 24);
}

DWORD GetLittleEndian(const BYTE* in)
{
    return DWORD(in[0]) | (DWORD(in[1]) << 8) | (DWORD(in[2]) << 16) | (DWORD(in[3]) << 24);
}

HRESULT ReadExactly(IStream* stream, BYTE* out, ULONG size)
{
    ULONG read = 0;
    const HRESULT hr = stream->Read(out, size, &read);
    if (FAILED(hr))
        return hr;
    return read == size ? S_OK : E_FAIL;
}

}  // namespace

HRESULT VelCDRipper::SaveTo(IStream* stream)
{
    BYTE bytes[12];
    PutLittleEndian(bytes, kPersistVersion);
    PutLittleEndian(bytes + 4, static_cast<DWORD>(jitterCorrection_));
    PutLittleEndian(bytes + 8, static_cast<DWORD>(overwritePrompt_));
    ULONG written = 0;
    const HRESULT hr = stream->Write(bytes, sizeof bytes, &written);
    if (FAILED(hr))
        return hr;
    return written == sizeof bytes ? S_OK : STG_E_MEDIUMFULL;
}

HRESULT VelCDRipper::LoadFrom(IStream* stream)
{
    BYTE bytes[4];
    HRESULT hr = ReadExactly(stream, bytes, 4);
    if (FAILED(hr))
        return hr;
    if (GetLittleEndian(bytes) > kPersistVersion)
        return E_FAIL;
    BYTE values[8];
    hr = ReadExactly(stream, values, sizeof values);
    if (FAILED(hr))
        return hr;
    ::InterlockedExchange(&jitterCorrection_, CanonicalBoolean(GetLittleEndian(values)));
    ::InterlockedExchange(&overwritePrompt_, CanonicalBoolean(GetLittleEndian(values + 4)));
    dirty_ = false;
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetClassID(CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = CLSID_VelCDRipper;
    return S_OK;
}

STDMETHODIMP VelCDRipper::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

STDMETHODIMP VelCDRipper::Load(LPSTREAM stream)
{
    if (!stream)
        return E_POINTER;
    return LoadFrom(stream);
}

STDMETHODIMP VelCDRipper::Save(LPSTREAM stream, BOOL clearDirty)
{
    if (!stream)
        return E_POINTER;
    const HRESULT hr = SaveTo(stream);
    if (SUCCEEDED(hr) && clearDirty)
        dirty_ = false;
    return hr;
}

STDMETHODIMP VelCDRipper::GetSizeMax(ULARGE_INTEGER* size)
{
    if (!size)
        return E_POINTER;
    size->QuadPart = 12;
    return S_OK;
}

STDMETHODIMP VelCDRipper::InitNew() { return S_OK; }
STDMETHODIMP VelCDRipper::InitNew(IStorage*) { return S_OK; }

STDMETHODIMP VelCDRipper::Load(IStorage* storage)
{
    if (!storage)
        return E_POINTER;
    win::ComPtr<IStream> stream;
    const HRESULT hr = storage->OpenStream(kContentsStream, nullptr,
                                           STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Put());
    if (FAILED(hr))
        return hr;
    return LoadFrom(stream.Get());
}

STDMETHODIMP VelCDRipper::Save(IStorage* storage, BOOL)
{
    if (!storage)
        return E_POINTER;
    win::ComPtr<IStream> stream;
    HRESULT hr = storage->CreateStream(kContentsStream,
                                       STGM_WRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE, 0, 0,
                                       stream.Put());
    if (FAILED(hr))
        return hr;
    hr = SaveTo(stream.Get());
    if (SUCCEEDED(hr))
        dirty_ = false;
    return hr;
}

STDMETHODIMP VelCDRipper::SaveCompleted(IStorage*) { return S_OK; }
STDMETHODIMP VelCDRipper::HandsOffStorage() { return S_OK; }

STDMETHODIMP VelCDRipper::GetData(FORMATETC*, STGMEDIUM*) { return DV_E_FORMATETC; }
STDMETHODIMP VelCDRipper::GetDataHere(FORMATETC*, STGMEDIUM*) { return DV_E_FORMATETC; }
STDMETHODIMP VelCDRipper::QueryGetData(FORMATETC*) { return DV_E_FORMATETC; }

STDMETHODIMP VelCDRipper::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out)
{
    if (out)
        out->ptd = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP VelCDRipper::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

STDMETHODIMP VelCDRipper::EnumFormatEtc(DWORD, IEnumFORMATETC** formats)
{
    if (formats)
        *formats = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP VelCDRipper::DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                  DWORD* connection)
{
    if (!connection)
        return E_POINTER;
    if (!dataAdviseHolder_) {
        const HRESULT hr = ::CreateDataAdviseHolder(dataAdviseHolder_.Put());
        if (FAILED(hr))
            return hr;
    }
    return dataAdviseHolder_->Advise(this, format, flags, sink, connection);
}

STDMETHODIMP VelCDRipper::DUnadvise(DWORD connection)
{
    return dataAdviseHolder_ ? dataAdviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP VelCDRipper::EnumDAdvise(IEnumSTATDATA** advise)
{
    if (!advise)
        return E_POINTER;
    *advise = nullptr;
    return dataAdviseHolder_ ? dataAdviseHolder_->EnumAdvise(advise) : E_FAIL;
}

}  // namespace velmora
