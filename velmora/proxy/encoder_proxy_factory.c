/* The class object of the encoder interface's proxy and stub, as the system's
   proxy runtime makes it from the generated tables. */
#define PROXY_DELEGATION
#include <windows.h>
#include <ole2.h>
#include <rpcproxy.h>

#include "proxy/encoder_proxy.h"

extern const ProxyFileInfo encoder_proxy_ProxyFileInfo;
extern const IID IID_IVelAudioEncoder;

static const ProxyFileInfo* proxy_files[] = {&encoder_proxy_ProxyFileInfo, 0};
static CStdPSFactoryBuffer factory;

/* The stubs of the generated tables release themselves through these. */
ULONG WINAPI CStdStubBuffer_Release(IRpcStubBuffer* This)
{
    return NdrCStdStubBuffer_Release(This, (IPSFactoryBuffer*)&factory);
}

ULONG WINAPI CStdStubBuffer2_Release(IRpcStubBuffer* This)
{
    return NdrCStdStubBuffer2_Release(This, (IPSFactoryBuffer*)&factory);
}

HRESULT EncoderProxyClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    return NdrDllGetClassObject(clsid, riid, object, proxy_files, &IID_IVelAudioEncoder, &factory);
}

HRESULT EncoderProxyCanUnloadNow(void)
{
    return NdrDllCanUnloadNow(&factory);
}
