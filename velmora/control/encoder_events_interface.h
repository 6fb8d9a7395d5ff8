// The control's answer when asked for _IVelAudioEncoderEvents: an interface of
// the control itself (its IUnknown is the control's, so a host asking it for any
// other interface reaches the control) that hands each event on to the listener
// the extraction connects to the encoder. The listener stays an object of its
// own, so that an encoder holding it never keeps the control alive.
#pragma once

#include <oaidl.h>

namespace velmora {

class EncoderEventsInterface final : public IDispatch {
public:
    EncoderEventsInterface(IUnknown& control, IDispatch& listener) : control_(control), listener_(listener) {}
    EncoderEventsInterface(const EncoderEventsInterface&) = delete;
    EncoderEventsInterface& operator=(const EncoderEventsInterface&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        return control_.QueryInterface(riid, object);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return control_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return control_.Release(); }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return listener_.GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return listener_.GetTypeInfo(index, locale, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return listener_.GetIDsOfNames(riid, names, count, locale, ids);
    }
    STDMETHODIMP Invoke(DISPID member, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override
    {
        return listener_.Invoke(member, riid, locale, flags, params, result, exception, argError);
    }

private:
    IUnknown& control_;
    IDispatch& listener_;
};

}  // namespace velmora
