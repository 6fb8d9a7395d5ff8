#include "server/class_factory.h"

#include "control/cd_ripper.h"

namespace velmora {

STDMETHODIMP ControlClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    VelCDRipper* control = VelCDRipper::Create();
    if (!control)
        return E_OUTOFMEMORY;
    HRESULT hr = control->Construct();
    if (SUCCEEDED(hr))
        hr = control->QueryInterface(riid, object);
    control->Release();
    return hr;
}

STDMETHODIMP ControlClassFactory::LockServer(BOOL lock)
{
    if (lock)
        com::ModuleAddRef();
    else
        com::ModuleRelease();
    return S_OK;
}

}  // namespace velmora
