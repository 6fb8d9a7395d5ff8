// The three collections of the object model: an ordered list of items (one
// reference held per item) behind a 1-based Item, Count and _NewEnum. A collection
// that belongs to a drive shares the drive's lock, since the drive's disc-change
// thread replaces its items.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "com/com_object.h"
#include "com/dispatch.h"
#include "com/enumerator.h"
#include "com/error_info.h"
#include "win/com_ptr.h"

namespace velmora::com {

template <typename CollectionInterface, typename ItemInterface>
class Collection final
    : public ComObject<Collection<CollectionInterface, ItemInterface>,
                       DispatchImpl<CollectionInterface>, ISupportErrorInfo> {
public:
    // `guard` may be null for a collection that never changes after it is filled.
    // `items` names the items in error texts ("tracks").
    Collection(std::shared_ptr<std::mutex> guard, const wchar_t* items)
        : guard_(std::move(guard)), items_name_(items)
    {
    }

    STDMETHODIMP get__NewEnum(IUnknown** result) override
    {
        if (!result)
            return E_POINTER;
        *result = nullptr;
        std::vector<VARIANT> snapshot;
        {
            Lock lock(guard_.get());
            for (const auto& item : items_) {
                VARIANT v;
                ::VariantInit(&v);
                v.vt = VT_DISPATCH;
                v.pdispVal = item.Get();
                v.pdispVal->AddRef();
                snapshot.push_back(v);
            }
        }
        EnumVariant* enumerator = EnumVariant::Create(static_cast<CollectionInterface*>(this),
                                                      std::move(snapshot));
        if (!enumerator)
            return E_OUTOFMEMORY;
        *result = enumerator;
        return S_OK;
    }

    // Index 1 and anything below it give the first item.
    STDMETHODIMP get_Item(long index, ItemInterface** result) override
    {
        return ItemAt(index, result, __uuidof(CollectionInterface));
    }

    // Item, for the owner's methods that hand items out too: an index beyond the
    // items fails with DISP_E_BADINDEX and a text saying so, raised through `iid`.
    HRESULT ItemAt(long index, ItemInterface** result, REFIID iid)
    {
        if (!result)
            return E_POINTER;
        *result = nullptr;
        size_t count = 0;
        {
            Lock lock(guard_.get());
            const size_t skip = index > 1 ? static_cast<size_t>(index) - 1 : 0;
            if (skip < items_.size()) {
                *result = items_[skip].Get();
                (*result)->AddRef();
                return S_OK;
            }
            count = items_.size();
        }
        const std::wstring text =
            L"Index " + std::to_wstring(index) + L" is out of range: " +
            (count == 0 ? L"there are no " + std::wstring(items_name_)
                        : L"the " + std::wstring(items_name_) + L" run from 1 to " + std::to_wstring(count)) +
            L".";
        return ReportError(iid, text.c_str(), DISP_E_BADINDEX);
    }

    STDMETHODIMP get_Count(long* result) override
    {
        if (!result)
            return E_POINTER;
        Lock lock(guard_.get());
        *result = static_cast<long>(items_.size());
        return S_OK;
    }

    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override
    {
        return riid == __uuidof(CollectionInterface) ? S_OK : S_FALSE;
    }

    // The owner's side. Callers hold the guard where one is shared.
    void Add(ItemInterface* item) { items_.emplace_back(item); }
    void Clear() { items_.clear(); }
    size_t Size() const { return items_.size(); }
    // Drops the references after the guard is released: an item's release may run
    // code that takes the guard itself.
    std::vector<win::ComPtr<ItemInterface>> TakeAll()
    {
        std::vector<win::ComPtr<ItemInterface>> taken;
        taken.swap(items_);
        return taken;
    }

private:
    // A lock that may have no mutex to lock.
    class Lock {
    public:
        explicit Lock(std::mutex* mutex) : m_(mutex)
        {
            if (m_)
                m_->lock();
        }
        ~Lock()
        {
            if (m_)
                m_->unlock();
        }

    private:
        std::mutex* m_;
    };

    std::shared_ptr<std::mutex> guard_;
    const wchar_t* items_name_;
    std::vector<win::ComPtr<ItemInterface>> items_;
};

}  // namespace velmora::com
