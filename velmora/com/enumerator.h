// The IEnumXxx interfaces over a snapshot of items: the enumerator owns one reference
// per item and hands out copies with references of their own. It keeps the object it
// enumerates alive.
#pragma once

#include <oaidl.h>
#include <ocidl.h>

#include <vector>

#include "com/com_object.h"
#include "win/com_ptr.h"

namespace velmora::com {

// How an item is copied out (with a reference for the receiver) and let go.
template <typename Item> struct EnumItem;

template <> struct EnumItem<VARIANT> {
    static void CopyOut(const VARIANT& item, VARIANT* out)
    {
        ::VariantInit(out);
        ::VariantCopy(out, const_cast<VARIANT*>(&item));
    }
    static void Drop(VARIANT& item) { ::VariantClear(&item); }
};

template <> struct EnumItem<CONNECTDATA> {
    static void CopyOut(const CONNECTDATA& item, CONNECTDATA* out)
    {
        *out = item;
        out->pUnk->AddRef();
    }
    static void Drop(CONNECTDATA& item) { item.pUnk->Release(); }
};

template <> struct EnumItem<IConnectionPoint*> {
    static void CopyOut(IConnectionPoint* item, IConnectionPoint** out)
    {
        *out = item;
        item->AddRef();
    }
    static void Drop(IConnectionPoint*& item) { item->Release(); }
};

template <typename EnumInterface, typename Item>
class Enumerator final : public ComObject<Enumerator<EnumInterface, Item>, EnumInterface> {
public:
    // Takes over the references that `items` hold.
    Enumerator(IUnknown* owner, std::vector<Item> items, size_t position = 0)
        : owner_(owner), items_(std::move(items)), position_(position)
    {
    }
    ~Enumerator() override
    {
        for (Item& item : items_)
            EnumItem<Item>::Drop(item);
    }

    STDMETHODIMP Next(ULONG count, Item* out, ULONG* fetched) override
    {
        if (!out || (count > 1 && !fetched))
            return E_POINTER;
        ULONG n = 0;
        for (; n < count && position_ < items_.size(); ++n, ++position_)
            EnumItem<Item>::CopyOut(items_[position_], &out[n]);
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
    STDMETHODIMP Clone(EnumInterface** clone) override
    {
        if (!clone)
            return E_POINTER;
        std::vector<Item> copies(items_.size());
        for (size_t i = 0; i < items_.size(); ++i)
            EnumItem<Item>::CopyOut(items_[i], &copies[i]);
        *clone = Enumerator::Create(owner_.Get(), std::move(copies), position_);
        return *clone ? S_OK : E_OUTOFMEMORY;
    }

private:
    win::ComPtr<IUnknown> owner_;
    std::vector<Item> items_;
    size_t position_;
};

using EnumVariant = Enumerator<IEnumVARIANT, VARIANT>;
using EnumConnections = Enumerator<IEnumConnections, CONNECTDATA>;
using EnumConnectionPoints = Enumerator<IEnumConnectionPoints, IConnectionPoint*>;

}  // namespace velmora::com
