#include "com/enum_variant.h"

namespace velmora::com {

EnumVariant::EnumVariant(IUnknown* owner, std::vector<win::ComPtr<IDispatch>> items)
    : owner_(owner), items_(std::move(items))
{
}

STDMETHODIMP EnumVariant::Next(ULONG count, VARIANT* items, ULONG* fetched)
{
    if (!items || (count > 1 && !fetched))
        return E_POINTER;
    ULONG n = 0;
    for (; n < count && position_ < items_.size(); ++n, ++position_) {
        ::VariantInit(&items[n]);
        items[n].vt = VT_DISPATCH;
        items[n].pdispVal = items_[position_].Get();
        items[n].pdispVal->AddRef();
    }
    if (fetched)
        *fetched = n;
    return n == count ? S_OK : S_FALSE;
}

STDMETHODIMP EnumVariant::Skip(ULONG count)
{
    const size_t left = items_.size() - position_;
    if (count > left) {
        position_ = items_.size();
        return S_FALSE;
    }
    position_ += count;
    return S_OK;
}

STDMETHODIMP EnumVariant::Reset()
{
    position_ = 0;
    return S_OK;
}

STDMETHODIMP EnumVariant::Clone(IEnumVARIANT** clone)
{
    if (!clone)
        return E_POINTER;
    EnumVariant* copy = Create(owner_.Get(), items_);
    if (!copy)
        return E_OUTOFMEMORY;
    copy->position_ = position_;
    *clone = copy;
    return S_OK;
}

}  // namespace velmora::com
