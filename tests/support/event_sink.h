// An event sink for the control's events: records each event as a line of text
// ("OnProgress 42", "OnExtractionError <text>", ...) in a log that several sinks
// can share, so that tests see the order of delivery across sinks.
#pragma once

#include <oaidl.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "support/message_pump.h"
#include "win/com_ptr.h"

namespace testsupport {

class EventSink : public IDispatch {
public:
    EventSink(std::vector<std::string>* log, std::string name) : log_(log), name_(std::move(name)) {}
    virtual ~EventSink() = default;

    // Connects to the control's connection point; Disconnect undoes it.
    HRESULT Connect(IUnknown* control);
    void Disconnect();
    // Connects for good, keeping no connection point (which would keep the control):
    // for sinks that let the control go from inside an event.
    HRESULT ConnectWithoutHolding(IUnknown* control);

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override;

    // Called for every event after it is logged.
    virtual void OnEvent(DISPID) {}

private:
    std::vector<std::string>* log_;
    std::string name_;
    ULONG refs_ = 1;
    win::ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// The description of the thread's current error object, or "" when there is none.
std::string ErrorText();

std::string Narrow(const wchar_t* text);

}  // namespace testsupport
