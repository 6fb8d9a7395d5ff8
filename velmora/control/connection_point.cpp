#include "control/connection_point.h"

#include <olectl.h>

#include "com/com_object.h"

namespace velmora {
namespace {

class ConnectionsEnum final : public com::ComObject<ConnectionsEnum, IEnumConnections> {
public:
    ConnectionsEnum(IUnknown* owner, std::vector<CONNECTDATA> items, size_t position = 0)
        : owner_(owner), items_(std::move(items)), position_(position)
    {
        for (auto& item : items_)
            item.pUnk->AddRef();
    }
    ~ConnectionsEnum() override
    {
        for (auto& item : items_)
            item.pUnk->Release();
    }

    STDMETHODIMP Next(ULONG count, CONNECTDATA* out, ULONG* fetched) override
    {
        if (!out || (count > 1 && !fetched))
            return E_POINTER;
        ULONG n = 0;
        for (; n < count && position_ < items_.size(); ++n, ++position_) {
            out[n] = items_[position_];
            out[n].pUnk->AddRef();
        }
        if (fetched)
            *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override
    {
        const size_t left = items_.size() - position_;
        position_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override
    {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumConnections** clone) override
    {
        if (!clone)
            return E_POINTER;
        *clone = Create(owner_.Get(), items_, position_);
        return *clone ? S_OK : E_OUTOFMEMORY;
    }

private:
    win::ComPtr<IUnknown> owner_;
    std::vector<CONNECTDATA> items_;
    size_t position_;
};

class PointsEnum final : public com::ComObject<PointsEnum, IEnumConnectionPoints> {
public:
    PointsEnum(IUnknown* owner, IConnectionPoint* point, size_t position = 0)
        : owner_(owner), point_(point), position_(position)
    {
    }

    STDMETHODIMP Next(ULONG count, IConnectionPoint** out, ULONG* fetched) override
    {
        if (!out || (count > 1 && !fetched))
            return E_POINTER;
        ULONG n = 0;
        if (count > 0 && position_ == 0) {
            out[0] = point_.Get();
            out[0]->AddRef();
            position_ = 1;
            n = 1;
        }
        if (fetched)
            *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override
    {
        if (count == 0)
            return S_OK;
        const bool enough = position_ == 0 && count == 1;
        position_ = 1;
        return enough ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override
    {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumConnectionPoints** clone) override
    {
        if (!clone)
            return E_POINTER;
        *clone = Create(owner_.Get(), point_.Get(), position_);
        return *clone ? S_OK : E_OUTOFMEMORY;
    }

private:
    win::ComPtr<IUnknown> owner_;
    win::ComPtr<IConnectionPoint> point_;
    size_t position_;
};

}  // namespace

HRESULT CreateConnectionPointEnum(IUnknown* owner, IConnectionPoint* point,
                                  IEnumConnectionPoints** result)
{
    if (!result)
        return E_POINTER;
    *result = PointsEnum::Create(owner, point);
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
    for (const auto& sink : sinks_)
        items.push_back({sink.second.Get(), sink.first});
    *connections = ConnectionsEnum::Create(container_, std::move(items));
    return *connections ? S_OK : E_OUTOFMEMORY;
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
