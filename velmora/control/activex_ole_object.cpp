// The control as an OLE embedded object: site, verbs, extent, advise sinks, and the
// container-facing extras (quick activation, class information, property pages).
#include "control/cd_ripper.h"

#include "com/module.h"

namespace velmora {
namespace {

// OLEMISC_SETCLIENTSITEFIRST | INVISIBLEATRUNTIME | ACTIVATEWHENVISIBLE | INSIDEOUT |
// CANTLINKINSIDE | RECOMPOSEONRESIZE, as registered.
constexpr DWORD kMiscStatus = 0x20591;

}  // namespace

STDMETHODIMP VelCDRipper::SetClientSite(IOleClientSite* site)
{
    clientSite_ = site;
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetClientSite(IOleClientSite** site)
{
    if (!site)
        return E_POINTER;
    *site = clientSite_.Get();
    if (*site)
        (*site)->AddRef();
    return S_OK;
}

STDMETHODIMP VelCDRipper::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP VelCDRipper::Close(DWORD saveOption)
{
    if (inPlaceActive_)
        InPlaceDeactivate();
    if (dirty_ && clientSite_ &&
        (saveOption == OLECLOSE_SAVEIFDIRTY || saveOption == OLECLOSE_PROMPTSAVE)) {
        clientSite_->SaveObject();
    }
    return S_OK;
}

STDMETHODIMP VelCDRipper::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

STDMETHODIMP VelCDRipper::GetMoniker(DWORD assign, DWORD which, IMoniker** moniker)
{
    if (!moniker)
        return E_POINTER;
    *moniker = nullptr;
    if (!clientSite_)
        return E_UNEXPECTED;
    return clientSite_->GetMoniker(assign, which, moniker);
}

STDMETHODIMP VelCDRipper::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP VelCDRipper::GetClipboardData(DWORD, IDataObject** data)
{
    if (data)
        *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP VelCDRipper::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT)
{
    if (site && !clientSite_)
        clientSite_ = site;
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_OPEN:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
        return InPlaceActivate(verb);
    case OLEIVERB_HIDE:
        UIDeactivate();
        if (inPlaceWindow_)
            ::ShowWindow(inPlaceWindow_, SW_HIDE);
        return S_OK;
    case OLEIVERB_PROPERTIES:
        return S_OK;  // the control has no property pages
    default:
        return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

STDMETHODIMP VelCDRipper::EnumVerbs(IEnumOLEVERB** verbs)
{
    if (!verbs)
        return E_POINTER;
    return ::OleRegEnumVerbs(CLSID_VelCDRipper, verbs);
}

STDMETHODIMP VelCDRipper::Update() { return S_OK; }
STDMETHODIMP VelCDRipper::IsUpToDate() { return S_OK; }

STDMETHODIMP VelCDRipper::GetUserClassID(CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = CLSID_VelCDRipper;
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetUserType(DWORD form, LPOLESTR* type)
{
    if (!type)
        return E_POINTER;
    return ::OleRegGetUserType(CLSID_VelCDRipper, form, type);
}

// The control keeps its own size: only its natural extent is accepted.
STDMETHODIMP VelCDRipper::SetExtent(DWORD aspect, SIZEL* size)
{
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!size)
        return E_POINTER;
    return size->cx == extent_.cx && size->cy == extent_.cy ? S_OK : E_FAIL;
}

STDMETHODIMP VelCDRipper::GetExtent(DWORD aspect, SIZEL* size)
{
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!size)
        return E_POINTER;
    *size = extent_;
    return S_OK;
}

STDMETHODIMP VelCDRipper::Advise(IAdviseSink* sink, DWORD* connection)
{
    if (!connection)
        return E_POINTER;
    if (!oleAdviseHolder_) {
        const HRESULT hr = ::CreateOleAdviseHolder(oleAdviseHolder_.Put());
        if (FAILED(hr))
            return hr;
    }
    return oleAdviseHolder_->Advise(sink, connection);
}

STDMETHODIMP VelCDRipper::Unadvise(DWORD connection)
{
    return oleAdviseHolder_ ? oleAdviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP VelCDRipper::EnumAdvise(IEnumSTATDATA** advise)
{
    if (!advise)
        return E_POINTER;
    *advise = nullptr;
    return oleAdviseHolder_ ? oleAdviseHolder_->EnumAdvise(advise) : E_FAIL;
}

STDMETHODIMP VelCDRipper::GetMiscStatus(DWORD aspect, DWORD* status)
{
    if (!status)
        return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? kMiscStatus : 0;
    return S_OK;
}

STDMETHODIMP VelCDRipper::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

STDMETHODIMP VelCDRipper::GetControlInfo(CONTROLINFO* info)
{
    if (!info)
        return E_POINTER;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP VelCDRipper::OnMnemonic(MSG*) { return E_NOTIMPL; }
STDMETHODIMP VelCDRipper::OnAmbientPropertyChange(DISPID) { return S_OK; }

STDMETHODIMP VelCDRipper::FreezeEvents(BOOL freeze)
{
    freezeCount_ += freeze ? 1 : (freezeCount_ > 0 ? -1 : 0);
    return S_OK;
}

STDMETHODIMP VelCDRipper::EnumConnectionPoints(IEnumConnectionPoints** points)
{
    return CreateConnectionPointEnum(static_cast<IConnectionPointContainer*>(this), &events_,
                                     points);
}

STDMETHODIMP VelCDRipper::FindConnectionPoint(REFIID riid, IConnectionPoint** point)
{
    if (!point)
        return E_POINTER;
    *point = nullptr;
    if (riid != DIID__IVelCDRipperEvents)
        return CONNECT_E_NOCONNECTION;
    *point = &events_;
    events_.AddRef();
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetPages(CAUUID* pages)
{
    if (!pages)
        return E_POINTER;
    pages->cElems = 0;
    pages->pElems = nullptr;
    return S_OK;
}

STDMETHODIMP VelCDRipper::QuickActivate(QACONTAINER* container, QACONTROL* control)
{
    if (!container || !control)
        return E_POINTER;
    if (container->cbSize < sizeof(QACONTAINER) || control->cbSize < sizeof(QACONTROL))
        return E_INVALIDARG;
    SetClientSite(container->pClientSite);
    if (container->pAdviseSink)
        SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
    control->dwMiscStatus = kMiscStatus;
    control->dwViewStatus = 0;
    control->dwEventCookie = 0;
    control->dwPropNotifyCookie = 0;
    control->dwPointerActivationPolicy = 0;
    if (container->pUnkEventSink)
        events_.Advise(container->pUnkEventSink, &control->dwEventCookie);
    return S_OK;
}

STDMETHODIMP VelCDRipper::SetContentExtent(LPSIZEL size) { return SetExtent(DVASPECT_CONTENT, size); }
STDMETHODIMP VelCDRipper::GetContentExtent(LPSIZEL size) { return GetExtent(DVASPECT_CONTENT, size); }

STDMETHODIMP VelCDRipper::GetClassInfo(ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    return com::ModuleTypeInfo(CLSID_VelCDRipper, info);
}

STDMETHODIMP VelCDRipper::GetGUID(DWORD kind, GUID* guid)
{
    if (!guid)
        return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = DIID__IVelCDRipperEvents;
    return S_OK;
}

}  // namespace velmora
