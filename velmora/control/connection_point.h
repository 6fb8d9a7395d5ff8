// The control's one connection point, for its event interface: sinks kept in
// connection order, each event delivered to every sink through IDispatch::Invoke.
#pragma once

#include <ocidl.h>

#include <utility>
#include <vector>

#include "win/com_ptr.h"

namespace velmora {

class ConnectionPoint final : public IConnectionPoint {
public:
    // `container` owns this object: the point's references are the container's.
    ConnectionPoint(IConnectionPointContainer* container, REFIID events);

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

    // Calls `member` on every sink in connection order; the sinks' results are ignored.
    void Fire(DISPID member, DISPPARAMS* params);
    // Fires with one text argument, allocated afresh for each sink.
    void FireText(DISPID member, const wchar_t* text);
    // Drops every connection (the container is going away).
    void Clear() { sinks_.clear(); }

private:
    IConnectionPointContainer* container_;
    IID events_;
    DWORD nextCookie_ = 1;
    std::vector<std::pair<DWORD, win::ComPtr<IDispatch>>> sinks_;
};

// An enumerator over one connection point.
HRESULT CreateConnectionPointEnum(IUnknown* owner, IConnectionPoint* point,
                                  IEnumConnectionPoints** result);

}  // namespace velmora
