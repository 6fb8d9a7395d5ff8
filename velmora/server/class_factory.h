// The class factory of the control, the module's only creatable class.
#pragma once

#include <unknwn.h>

#include "com/com_object.h"

namespace velmora {

class ControlClassFactory final : public com::ComObject<ControlClassFactory, IClassFactory> {
public:
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;
};

}  // namespace velmora
