#include "com/dispatch.h"

#include "win/com_ptr.h"

namespace velmora::com {

HRESULT NamesThroughTypeInfo(REFIID iid, LPOLESTR* names, UINT count, DISPID* ids)
{
    win::ComPtr<ITypeInfo> info;
    const HRESULT hr = ModuleTypeInfo(iid, info.Put());
    if (FAILED(hr))
        return hr;
    return info->GetIDsOfNames(names, count, ids);
}

HRESULT InvokeThroughTypeInfo(void* object, REFIID iid, DISPID member, WORD flags,
                              DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                              UINT* argError)
{
    win::ComPtr<ITypeInfo> info;
    HRESULT hr = ModuleTypeInfo(iid, info.Put());
    if (FAILED(hr))
        return hr;
    DISPPARAMS none{};
    if (!params)
        params = &none;
    // Callers may ask for no result even from a property; the type information
    // needs somewhere to put it.
    win::UniqueVariant discarded;
    if (!result)
        result = discarded.Get();
    ::SetErrorInfo(0, nullptr);
    hr = info->Invoke(object, member, flags, params, result, exception, argError);
    // Some script engines ask for _NewEnum and other properties as methods.
    if (hr == DISP_E_MEMBERNOTFOUND && flags == DISPATCH_METHOD)
        hr = info->Invoke(object, member, DISPATCH_PROPERTYGET, params, result, exception,
                          argError);
    return hr;
}

}  // namespace velmora::com
