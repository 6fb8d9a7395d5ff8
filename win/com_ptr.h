// Owning wrappers for COM: interface pointers and BSTRs.
#pragma once

#include <oaidl.h>
#include <objbase.h>

#include <utility>

namespace win {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(T* pointer) : p_(pointer)  // takes a new reference
    {
        if (p_)
            p_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~ComPtr() { Reset(); }
    ComPtr& operator=(const ComPtr& other)
    {
        ComPtr(other).Swap(*this);
        return *this;
    }
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        ComPtr(std::move(other)).Swap(*this);
        return *this;
    }

    // Adopts a reference the caller already owns.
    static ComPtr Attach(T* pointer)
    {
        ComPtr result;
        result.p_ = pointer;
        return result;
    }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases what is held and exposes the slot.
    T** Put()
    {
        Reset();
        return &p_;
    }
    void Reset()
    {
        if (T* old = std::exchange(p_, nullptr))
            old->Release();
    }
    T* Detach() { return std::exchange(p_, nullptr); }
    void Swap(ComPtr& other) { std::swap(p_, other.p_); }

    template <typename U>
    HRESULT As(ComPtr<U>& out) const
    {
        return p_ ? p_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(out.Put())) : E_POINTER;
    }

private:
    T* p_ = nullptr;
};

// A BSTR freed by its owner.
class UniqueBstr {
public:
    UniqueBstr() = default;
    explicit UniqueBstr(const wchar_t* text) : s_(::SysAllocString(text)) {}
    UniqueBstr(const wchar_t* text, UINT length) : s_(::SysAllocStringLen(text, length)) {}
    ~UniqueBstr() { ::SysFreeString(s_); }
    UniqueBstr(UniqueBstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept
    {
        std::swap(s_, other.s_);
        return *this;
    }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;

    BSTR Get() const { return s_; }
    BSTR* Put()
    {
        ::SysFreeString(std::exchange(s_, nullptr));
        return &s_;
    }
    BSTR Detach() { return std::exchange(s_, nullptr); }
    UINT Length() const { return ::SysStringLen(s_); }

private:
    BSTR s_ = nullptr;
};

// A VARIANT cleared by its owner.
class UniqueVariant {
public:
    UniqueVariant() { ::VariantInit(&v_); }
    ~UniqueVariant() { ::VariantClear(&v_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    VARIANT* Get() { return &v_; }
    VARIANT* operator->() { return &v_; }

private:
    VARIANT v_;
};

}  // namespace win
