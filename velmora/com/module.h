// The server module: its instance handle, the count of live objects and locks
// that keeps it loaded, and its type library.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace velmora::com {

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// Every object of the module and every server lock counts; the module may be
// unloaded only at zero.
void ModuleAddRef();
void ModuleRelease();
LONG ModuleCount();

// The type library kept in the module's resources (loaded once, on first use).
HRESULT ModuleTypeLib(ITypeLib** typeLib);
// The type information of an interface or coclass of that library (a reference for the caller).
HRESULT ModuleTypeInfo(REFGUID guid, ITypeInfo** info);

// The module's full path, as registration writes it.
std::wstring ModulePath();

}  // namespace velmora::com
