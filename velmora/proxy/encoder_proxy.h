// The proxy and stub of the external encoder's interface. An encoder that lives in
// another apartment than its caller is called through them: its Write then carries
// the whole block. The class has the interface's own identifier, and this module
// serves it (registered under the interface's ProxyStubClsid32).
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// DllGetClassObject for the proxy's class (IID_IVelAudioEncoder as a class identifier).
HRESULT EncoderProxyClassObject(REFCLSID clsid, REFIID riid, void** object);
// S_OK while no proxy or stub of the interface is alive.
HRESULT EncoderProxyCanUnloadNow(void);

#ifdef __cplusplus
}
#endif
