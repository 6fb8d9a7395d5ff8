#include "com/module.h"

#include <mutex>

namespace velmora::com {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_count = 0;
std::mutex g_typeLibLock;
ITypeLib* g_typeLib = nullptr;  // kept for the module's lifetime

}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }
void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }

void ModuleAddRef() { ::InterlockedIncrement(&g_count); }
void ModuleRelease() { ::InterlockedDecrement(&g_count); }
LONG ModuleCount() { return ::InterlockedCompareExchange(&g_count, 0, 0); }

std::wstring ModulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(g_instance, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0)
            return std::wstring();
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

HRESULT ModuleTypeLib(ITypeLib** typeLib)
{
    if (!typeLib)
        return E_POINTER;
    std::lock_guard<std::mutex> guard(g_typeLibLock);
    if (!g_typeLib) {
        const HRESULT hr = ::LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &g_typeLib);
        if (FAILED(hr))
            return hr;
    }
    g_typeLib->AddRef();
    *typeLib = g_typeLib;
    return S_OK;
}

HRESULT ModuleTypeInfo(REFGUID guid, ITypeInfo** info)
{
    ITypeLib* typeLib = nullptr;
    HRESULT hr = ModuleTypeLib(&typeLib);
    if (FAILED(hr))
        return hr;
    hr = typeLib->GetTypeInfoOfGuid(guid, info);
    typeLib->Release();
    return hr;
}

}  // namespace velmora::com
