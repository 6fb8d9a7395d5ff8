// Owning wrappers for kernel handles and loaded modules: the handle is closed by
// the wrapper's destructor, so early returns never leak one.
#pragma once

#include <windows.h>

#include <utility>

namespace win {

template <typename Traits>
class UniqueResource {
public:
    using Type = typename Traits::Type;

    UniqueResource() = default;
    explicit UniqueResource(Type value) : value_(value) {}
    ~UniqueResource() { Reset(); }
    UniqueResource(UniqueResource&& other) noexcept : value_(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Type Get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Invalid(); }
    Type Release() { return std::exchange(value_, Traits::Invalid()); }
    void Reset(Type value = Traits::Invalid())
    {
        Type old = std::exchange(value_, value);
        if (old != Traits::Invalid())
            Traits::Close(old);
    }

private:
    Type value_ = Traits::Invalid();
};

struct HandleTraits {  // events, threads, mutexes: null when absent
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { ::CloseHandle(handle); }
};

struct FileHandleTraits {  // CreateFile results: INVALID_HANDLE_VALUE when absent
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { ::CloseHandle(handle); }
};

struct ModuleTraits {
    using Type = HMODULE;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { ::FreeLibrary(handle); }
};

using UniqueHandle = UniqueResource<HandleTraits>;
using UniqueFile = UniqueResource<FileHandleTraits>;
using UniqueModule = UniqueResource<ModuleTraits>;

}  // namespace win
