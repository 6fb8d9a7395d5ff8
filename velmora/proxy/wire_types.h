// Stands in for the IDL compiler's output of wire_types.idl: the real declarations,
// and the system's proxy entry points for the methods of IUnknown.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <oaidl.h>
#include <mmsystem.h>

#ifdef __cplusplus
extern "C" {
#endif
HRESULT STDMETHODCALLTYPE IUnknown_QueryInterface_Proxy(IUnknown* self, REFIID riid, void** object);
ULONG STDMETHODCALLTYPE IUnknown_AddRef_Proxy(IUnknown* self);
ULONG STDMETHODCALLTYPE IUnknown_Release_Proxy(IUnknown* self);
#ifdef __cplusplus
}
#endif
