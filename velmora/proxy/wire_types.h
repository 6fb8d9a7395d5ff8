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
HRESULT STDMETHODCALLTYPE IUnknown_QueryInterface_Proxy(IUnknown* This, REFIID riid, void** object);
ULONG STDMETHODCALLTYPE IUnknown_AddRef_Proxy(IUnknown* This);
ULONG STDMETHODCALLTYPE IUnknown_Release_Proxy(IUnknown* This);
#ifdef __cplusplus
}
#endif
