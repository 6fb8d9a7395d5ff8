#include "control/cd_ripper.h"

#include "com/error_info.h"
#include "extract/messages.h"
#include "objects/drive.h"
#include "transport/drive_commands.h"
#include "win/gdi_handles.h"

namespace velmora {
namespace {

constexpr int kNaturalSizePixels = 32;
constexpr DISPID kEncoderDispid = 4;
constexpr UINT kIconResource = 202;
const wchar_t kNoDrives[] = L"Seems like you don't have any CD drives...";

LONG PixelsToHimetric(int pixels, int dotsPerInch)
{
    return ::MulDiv(pixels, 2540, dotsPerInch);
}

}  // namespace

VelCDRipper::VelCDRipper()
    : extraction_(std::make_unique<Extraction>(*this)),
      encoderEvents_(*static_cast<IVelCDRipper*>(this), *extraction_->EncoderSink()),
      events_(this, DIID__IVelCDRipperEvents)
{
}

HRESULT VelCDRipper::Construct()
{
    drives_ = DrivesCollection::Create(nullptr, L"drives");
    if (!drives_)
        return E_OUTOFMEMORY;

    // No ASPI layer and no CD letter, an ASPI layer that reports no adapters, or
    // adapters without a CD drive: to the user all three mean the same, and each
    // says so (a bare E_FAIL would reach the host as "Unspecified error").
    manager_ = std::make_unique<ScsiManager>();
    if (!manager_->Load()) {
        manager_.reset();
        return com::ReportError(IID_IVelCDRipper, kNoDrives, E_FAIL);
    }
    const DWORD info = manager_->SupportInfo();
    if (((info >> 8) & 0xFF) != SS_COMP) {
        manager_.reset();
        return com::ReportError(IID_IVelCDRipper, kNoDrives, E_FAIL);
    }
    hostAdapters_ = static_cast<uint8_t>(info & 0xFF);

    ScanDrives(*manager_, hostAdapters_, records_);
    scanDone_ = true;
    if (records_.empty())
        return com::ReportError(IID_IVelCDRipper, kNoDrives);

    for (const auto& record : records_) {
        Drive* drive = Drive::Create(this, record);
        if (!drive)
            return E_OUTOFMEMORY;
        HRESULT hr = drive->InitDrive();
        if (FAILED(hr)) {
            drive->Shutdown();
            drive->Release();
            return hr;
        }
        drives_->Add(drive);
        driveObjects_.push_back(drive);
        drive->Release();  // the collection holds it now
        hr = drive->Refresh();
        if (FAILED(hr))
            return hr;
    }

    if (!window_) {
        const HRESULT hr = CreateHelperWindow();
        if (FAILED(hr))
            return hr;
    }

    const win::WindowDC screen;
    extent_.cx = PixelsToHimetric(kNaturalSizePixels, ::GetDeviceCaps(screen.Get(), LOGPIXELSX));
    extent_.cy = PixelsToHimetric(kNaturalSizePixels, ::GetDeviceCaps(screen.Get(), LOGPIXELSY));

    icon_ = ::LoadIconW(com::ModuleInstance(), MAKEINTRESOURCEW(kIconResource));
    return S_OK;
}

VelCDRipper::~VelCDRipper()
{
    // The worker may ask the overwrite question meanwhile: it is answered "no"
    // without a message box while the control goes away.
    destroying_ = true;
    extraction_->CancelAndWait();
    DestroyControlWindow();

    for (Drive* drive : driveObjects_)
        drive->Shutdown();
    driveObjects_.clear();
    events_.Clear();

    extraction_.reset();
    encoder_.Set(nullptr);
    if (scanDone_ && manager_)
        manager_->Release();
    manager_.reset();
    records_.clear();
    if (drives_)
        drives_->Release();
}

void VelCDRipper::PostDiscChanged()
{
    if (window_)
        ::PostMessageW(window_, WM_RIPPER_DISKCHANGED, 0, 0);
}

STDMETHODIMP VelCDRipper::InterfaceSupportsErrorInfo(REFIID riid)
{
    return riid == IID_IVelCDRipper ? S_OK : S_FALSE;
}

STDMETHODIMP VelCDRipper::get_Drives(IDrivesCollection** result)
{
    if (!result)
        return E_POINTER;
    *result = drives_;
    drives_->AddRef();
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetDriveNumber(LONG* result)
{
    if (!result)
        return E_POINTER;
    return drives_->get_Count(result);
}

STDMETHODIMP VelCDRipper::GetDrive(LONG index, IDrive** result)
{
    if (!result)
        return E_POINTER;
    return drives_->ItemAt(index, result, IID_IVelCDRipper);
}

STDMETHODIMP VelCDRipper::get_Encoder(IVelAudioEncoder** result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    const win::ComPtr<IVelAudioEncoder> encoder = encoder_.Get();
    if (!encoder)
        return S_OK;
    return encoder->QueryInterface(IID_IVelAudioEncoder, reinterpret_cast<void**>(result));
}

STDMETHODIMP VelCDRipper::put_Encoder(IVelAudioEncoder* encoder)
{
    return encoder_.Set(encoder);
}

STDMETHODIMP VelCDRipper::putref_Encoder(IVelAudioEncoder* encoder) { return put_Encoder(encoder); }

STDMETHODIMP VelCDRipper::Invoke(DISPID member, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                 VARIANT* result, EXCEPINFO* exception, UINT* argError)
{
    if (member == kEncoderDispid && (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)))
        return PutEncoderLateBound(params, exception, argError);
    return DispatchImpl<IVelCDRipper>::Invoke(member, riid, locale, flags, params, result, exception, argError);
}

// Scripts set the encoder by value or by reference (VBScript's Set), and clear it
// with Nothing, null or an empty value; the type information alone would refuse
// all but an object passed by value.
HRESULT VelCDRipper::PutEncoderLateBound(DISPPARAMS* params, EXCEPINFO* exception, UINT* argError)
{
    if (!params || params->cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    if (params->cNamedArgs > 1 || (params->cNamedArgs == 1 && params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
        return DISP_E_PARAMNOTFOUND;
    const VARIANT* value = &params->rgvarg[0];
    while (value->vt == (VT_VARIANT | VT_BYREF) && value->pvarVal)
        value = value->pvarVal;
    IUnknown* object = nullptr;
    switch (value->vt) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
        object = value->punkVal;
        break;
    case VT_DISPATCH | VT_BYREF:
    case VT_UNKNOWN | VT_BYREF:
        object = value->ppunkVal ? *value->ppunkVal : nullptr;
        break;
    default:
        if (argError)
            *argError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    win::ComPtr<IVelAudioEncoder> encoder;
    if (object && FAILED(object->QueryInterface(IID_IVelAudioEncoder, reinterpret_cast<void**>(encoder.Put())))) {
        if (argError)
            *argError = 0;
        const wchar_t text[] = L"The object is not an audio encoder: it has no IVelAudioEncoder interface.";
        com::ReportError(IID_IVelCDRipper, text, DISP_E_TYPEMISMATCH);
        if (exception) {
            *exception = EXCEPINFO{};
            exception->bstrSource = ::SysAllocString(com::ErrorSource(IID_IVelCDRipper));
            exception->bstrDescription = ::SysAllocString(text);
            exception->scode = DISP_E_TYPEMISMATCH;
        }
        return DISP_E_EXCEPTION;
    }
    return put_Encoder(encoder.Get());
}

void* VelCDRipper::QueryExtraInterface(REFIID riid)
{
    return riid == DIID__IVelAudioEncoderEvents ? static_cast<IDispatch*>(&encoderEvents_) : nullptr;
}

HRESULT VelCDRipper::Extract(ExtractionTask task, bool queue, REFIID iid)
{
    return queue ? extraction_->Queue(std::move(task), iid)
                 : extraction_->StartSingle(std::move(task), iid);
}

STDMETHODIMP VelCDRipper::get_JitterCorrection(VARIANT_BOOL* result)
{
    if (!result)
        return E_POINTER;
    *result = static_cast<VARIANT_BOOL>(jitterCorrection_);
    return S_OK;
}

STDMETHODIMP VelCDRipper::put_JitterCorrection(VARIANT_BOOL value)
{
    ::InterlockedExchange(&jitterCorrection_, CanonicalBoolean(value));
    dirty_ = true;
    return S_OK;
}

STDMETHODIMP VelCDRipper::get_OverwritePrompt(VARIANT_BOOL* result)
{
    if (!result)
        return E_POINTER;
    *result = static_cast<VARIANT_BOOL>(overwritePrompt_);
    return S_OK;
}

STDMETHODIMP VelCDRipper::put_OverwritePrompt(VARIANT_BOOL value)
{
    ::InterlockedExchange(&overwritePrompt_, CanonicalBoolean(value));
    dirty_ = true;
    return S_OK;
}

STDMETHODIMP VelCDRipper::CancelExtraction() { return extraction_->Cancel(); }

STDMETHODIMP VelCDRipper::RunQueue() { return extraction_->RunQueue(IID_IVelCDRipper); }

STDMETHODIMP VelCDRipper::ClearQueue()
{
    extraction_->ClearQueue();
    return S_OK;
}

}  // namespace velmora
