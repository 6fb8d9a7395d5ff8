// The four entry points of the in-process server.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "com/module.h"
#include "control/window_class.h"
#include "extract/open_wav_files.h"
#include "proxy/encoder_proxy.h"
#include "server/class_factory.h"
#include "server/registrar.h"
#include "velmora.h"

using namespace velmora;

namespace {

constexpr int kControlScript = 102;
constexpr int kEncoderProxyScript = 103;

// A registry script resource, as text.
bool LoadRegistryScript(int id, std::wstring& script)
{
    HINSTANCE module = com::ModuleInstance();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"REGISTRY");
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

// The control's entries, its type library, and the proxy of the encoder's interface.
// The type library names the system's own marshaller for the encoder's interface,
// which cannot carry its audio: the proxy's entries are written after it.
HRESULT Registration(bool install)
{
    std::wstring control, proxy;
    if (!LoadRegistryScript(kControlScript, control) || !LoadRegistryScript(kEncoderProxyScript, proxy))
        return SELFREG_E_CLASS;
    Registrar registrar;
    registrar.SetVariable(L"MODULE", com::ModulePath());
    if (!install) {
        registrar.Unregister(proxy);
        registrar.Unregister(control);
        const SYSKIND kind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
        ::UnRegisterTypeLib(LIBID_VELMORALib, 1, 0, LOCALE_NEUTRAL, kind);
        return S_OK;
    }
    HRESULT hr = registrar.Register(control);
    if (FAILED(hr))
        return hr;
    ITypeLib* typeLib = nullptr;
    const std::wstring path = com::ModulePath();
    hr = ::LoadTypeLibEx(path.c_str(), REGKIND_NONE, &typeLib);
    if (FAILED(hr))
        return SELFREG_E_TYPELIB;
    hr = ::RegisterTypeLib(typeLib, const_cast<LPOLESTR>(path.c_str()), nullptr);
    typeLib->Release();
    if (FAILED(hr))
        return SELFREG_E_TYPELIB;
    return registrar.Register(proxy);
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
    // A window of the module, on whatever thread, calls into it while it exists.
    if (com::ModuleCount() != 0 || ControlWindowsExist() || EncoderProxyCanUnloadNow() != S_OK)
        return S_FALSE;
    UnregisterControlWindowClass();
    return S_OK;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (clsid == IID_IVelAudioEncoder)
        return EncoderProxyClassObject(clsid, riid, object);
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
