// The one IUnknown of every object of the module: reference counting, the module
// count, and QueryInterface over the interfaces an object lists (and the interfaces
// those derive from).
#pragma once

#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include <new>
#include <type_traits>

#include "com/module.h"

namespace velmora::com {

// The interface an interface derives from, for QueryInterface of the base IIDs.
template <typename I> struct BaseInterface { using Type = void; };
template <> struct BaseInterface<IViewObjectEx> { using Type = IViewObject2; };
template <> struct BaseInterface<IViewObject2> { using Type = IViewObject; };
template <> struct BaseInterface<IOleInPlaceObjectWindowless> { using Type = IOleInPlaceObject; };
template <> struct BaseInterface<IOleInPlaceObject> { using Type = IOleWindow; };
template <> struct BaseInterface<IOleInPlaceActiveObject> { using Type = IOleWindow; };
template <> struct BaseInterface<IPersistStreamInit> { using Type = IPersist; };
template <> struct BaseInterface<IPersistStorage> { using Type = IPersist; };
template <> struct BaseInterface<IProvideClassInfo2> { using Type = IProvideClassInfo; };

// Implementation helpers (such as the IDispatch of a dual interface) name the
// interface they implement as `Interface`.
template <typename T, typename = void> struct InterfaceOf { using Type = T; };
template <typename T> struct InterfaceOf<T, std::void_t<typename T::Interface>> {
    using Type = typename T::Interface;
};

// Dual interfaces answer for IDispatch too.
template <typename I>
using DispatchBase = std::conditional_t<std::is_base_of_v<IDispatch, I>, IDispatch, void>;

template <typename I>
void* FindInterface(I* object, REFIID riid)
{
    using Actual = typename InterfaceOf<I>::Type;
    if constexpr (!std::is_same_v<Actual, I>) {
        return FindInterface<Actual>(static_cast<Actual*>(object), riid);
    } else {
        if (riid == __uuidof(I))
            return object;
        using Base = typename BaseInterface<I>::Type;
        if constexpr (!std::is_void_v<Base>)
            return FindInterface<Base>(object, riid);
        else
            return nullptr;
    }
}

// Derived lists its interfaces as the template arguments; the first one also
// answers for IUnknown (and, when it is dual, for IDispatch).
template <typename Derived, typename First, typename... Rest>
class ComObject : public First, public Rest... {
public:
    ComObject() { ModuleAddRef(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = Lookup(riid);
        if (!*object)
            *object = static_cast<Derived*>(this)->QueryExtraInterface(riid);
        if (!*object)
            return E_NOINTERFACE;
        // Through the interface found: an extra interface may be another object's.
        static_cast<IUnknown*>(*object)->AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ::InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG refs = ::InterlockedDecrement(&refs_);
        if (refs == 0)
            delete this;  // the destructor is virtual
        return refs;
    }

    // Makes an object with one reference for the caller, or null when out of memory.
    template <typename... Args>
    static Derived* Create(Args&&... args)
    {
        Derived* object = new (std::nothrow) Derived(std::forward<Args>(args)...);
        return object;
    }

    // Interfaces that are not among the bases (for example one implemented by a
    // member object). Null by default.
    void* QueryExtraInterface(REFIID) { return nullptr; }

protected:
    virtual ~ComObject() { ModuleRelease(); }

private:
    void* Lookup(REFIID riid)
    {
        if (riid == IID_IUnknown)
            return static_cast<First*>(this);
        if constexpr (!std::is_void_v<DispatchBase<First>>) {
            if (riid == IID_IDispatch)
                return static_cast<IDispatch*>(static_cast<First*>(this));
        }
        void* found = FindInterface<First>(this, riid);
        ((found = found ? found : FindInterface<Rest>(static_cast<Rest*>(this), riid)), ...);
        return found;
    }

    LONG refs_ = 1;
};

}  // namespace velmora::com
