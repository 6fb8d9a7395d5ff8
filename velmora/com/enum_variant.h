// IEnumVARIANT over a snapshot of a collection's items (each as VT_DISPATCH).
#pragma once

#include <oaidl.h>

#include <vector>

#include "com/com_object.h"
#include "win/com_ptr.h"

namespace velmora::com {

class EnumVariant final : public ComObject<EnumVariant, IEnumVARIANT> {
public:
    // Keeps `owner` alive for as long as the enumerator lives.
    EnumVariant(IUnknown* owner, std::vector<win::ComPtr<IDispatch>> items);

    STDMETHODIMP Next(ULONG count, VARIANT* items, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumVARIANT** clone) override;

private:
    win::ComPtr<IUnknown> owner_;
    std::vector<win::ComPtr<IDispatch>> items_;
    size_t position_ = 0;
};

}  // namespace velmora::com
