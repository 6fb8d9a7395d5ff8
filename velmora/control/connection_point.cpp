#include "control/connection_point.h"

#include <olectl.h>

#include "com/enumerator.h"

namespace velmora {

HRESULT CreateConnectionPointEnum(IUnknown* owner, IConnectionPoint* point,
                                  IEnumConnectionPoints** result)
{
    if (!result)
        return E_POINTER;
    point->AddRef();
    *result = com::EnumConnectionPoints::Create(owner, std::vector<IConnectionPoint*>{point});
    if (!*result)
        point->Release();
    return *result ? S_OK : E_OUTOFMEMORY;
}

ConnectionPoint::ConnectionPoint(IConnectionPointContainer* container, REFIID events)
    : container_(container), events_(events)
{
}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ConnectionPoint::AddRef() { return container_->AddRef(); }
STDMETHODIMP_(ULONG) ConnectionPoint::Release() { return container_->Release(); }

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid)
{
    if (!iid)
        return E_POINTER;
    *iid = events_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container)
{
    if (!container)
        return E_POINTER;
    *container = container_;
    container_->AddRef();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!sink)
        return E_POINTER;
    win::ComPtr<IDispatch> dispatch;
    if (FAILED(sink->QueryInterface(events_, reinterpret_cast<void**>(dispatch.Put()))) &&
        FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.Put()))))
        return CONNECT_E_CANNOTCONNECT;
    *cookie = nextCookie_++;
    sinks_.emplace_back(*cookie, std::move(dispatch));
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie)
{
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it)
        if (it->first == cookie) {
            sinks_.erase(it);
            return S_OK;
        }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections)
{
    if (!connections)
        return E_POINTER;
    std::vector<CONNECTDATA> items;
    for (const auto& sink : sinks_) {
        sink.second->AddRef();
        items.push_back({sink.second.Get(), sink.first});
    }
    *connections = com::EnumConnections::Create(container_, items);
    if (*connections)
        return S_OK;
    for (auto& item : items)
        item.pUnk->Release();
    return E_OUTOFMEMORY;
}

void ConnectionPoint::Fire(DISPID member, DISPPARAMS* params)
{
    // A sink may disconnect (or connect others) from inside its handler.
    const auto snapshot = sinks_;
    DISPPARAMS none{};
    for (const auto& sink : snapshot)
        sink.second->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                            params ? params : &none, nullptr, nullptr, nullptr);
}

void ConnectionPoint::FireText(DISPID member, const wchar_t* text)
{
    const auto snapshot = sinks_;
    for (const auto& sink : snapshot) {
        VARIANT argument;
        ::VariantInit(&argument);
        argument.vt = VT_BSTR;
        argument.bstrVal = ::SysAllocString(text);
        if (!argument.bstrVal) {
            argument.vt = VT_ERROR;
            argument.scode = E_OUTOFMEMORY;
        }
        DISPPARAMS params{&argument, nullptr, 1, 0};
        sink.second->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                            nullptr, nullptr, nullptr);
        ::VariantClear(&argument);
    }
}

}  // namespace velmora
