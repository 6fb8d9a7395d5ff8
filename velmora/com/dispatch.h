// IDispatch for a dual interface, answered from the module's type library so that
// late-bound callers reach exactly the vtable methods.
#pragma once

#include <oaidl.h>

#include "com/module.h"

namespace velmora::com {

// Runs a late-bound call against the type information of `iid` on `object`.
HRESULT InvokeThroughTypeInfo(void* object, REFIID iid, DISPID member, WORD flags,
                              DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                              UINT* argError);
HRESULT NamesThroughTypeInfo(REFIID iid, LPOLESTR* names, UINT count, DISPID* ids);

template <typename I>
class DispatchImpl : public I {
public:
    using Interface = I;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override
    {
        if (!info)
            return E_POINTER;
        *info = nullptr;
        if (index != 0)
            return DISP_E_BADINDEX;
        return ModuleTypeInfo(__uuidof(I), info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        return NamesThroughTypeInfo(__uuidof(I), names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argError) override
    {
        return InvokeThroughTypeInfo(static_cast<I*>(this), __uuidof(I), member, flags, params,
                                     result, exception, argError);
    }
};

}  // namespace velmora::com
