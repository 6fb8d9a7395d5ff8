// The four entry points of the in-process server.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "com/module.h"
#include "extract/open_wav_files.h"
#include "server/class_factory.h"
#include "server/registrar.h"
#include "velmora.h"

using namespace velmora;

namespace {

constexpr int kRegistryScript = 102;

// The registry script resource, as text.
bool LoadRegistryScript(std::wstring& script)
{
    HINSTANCE module = com::ModuleInstance();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(kRegistryScript), L"REGISTRY");
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    if (!bytes)
        return false;
    const int size = static_cast<int>(::SizeofResource(module, found));
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, bytes, size, nullptr, 0);
    script.assign(length, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, bytes, size, &script[0], length);
    return true;
}

HRESULT Registration(bool install)
{
    std::wstring script;
    if (!LoadRegistryScript(script))
        return SELFREG_E_CLASS;
    Registrar registrar;
    registrar.SetVariable(L"MODULE", com::ModulePath());
    if (!install) {
        registrar.Unregister(script);
        const SYSKIND kind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
        ::UnRegisterTypeLib(LIBID_VELMORALib, 1, 0, LOCALE_NEUTRAL, kind);
        return S_OK;
    }
    HRESULT hr = registrar.Register(script);
    if (FAILED(hr))
        return hr;
    ITypeLib* typeLib = nullptr;
    const std::wstring path = com::ModulePath();
    hr = ::LoadTypeLibEx(path.c_str(), REGKIND_NONE, &typeLib);
    if (FAILED(hr))
        return SELFREG_E_TYPELIB;
    hr = ::RegisterTypeLib(typeLib, const_cast<LPOLESTR>(path.c_str()), nullptr);
    typeLib->Release();
    return FAILED(hr) ? SELFREG_E_TYPELIB : S_OK;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        com::SetModuleInstance(instance);
        ::DisableThreadLibraryCalls(instance);
    }
    // The process ends (a host that quits without releasing the control): a rip
    // still running leaves its file with the sizes of what was written.
    if (reason == DLL_PROCESS_DETACH && reserved)
        FinishOpenWavFilesAtExit();
    return TRUE;
}

STDAPI DllCanUnloadNow()
{
    return com::ModuleCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (clsid != CLSID_VelCDRipper)
        return CLASS_E_CLASSNOTAVAILABLE;
    ControlClassFactory* factory = ControlClassFactory::Create();
    if (!factory)
        return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(riid, object);
    factory->Release();
    return hr;
}

STDAPI DllRegisterServer() { return Registration(true); }

STDAPI DllUnregisterServer() { return Registration(false); }
