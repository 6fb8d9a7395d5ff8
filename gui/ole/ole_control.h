// Hosting an ActiveX control on a form: the control is created by its class id,
// given a client site, loaded from its persisted state, and its events are handed to
// InvokeEvent by dispatch id. Failures of the control surface as EOleSysError with
// the control's own error text.
#pragma once

#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include <string>

#include "gui/core/component.h"
#include "gui/core/exceptions.h"
#include "win/com_ptr.h"

namespace gui {

// A failed COM call, with the text its error information carried (or the system's).
class EOleSysError : public Exception {
public:
    EOleSysError(std::string message, HRESULT code) : Exception(std::move(message)), code_(code) {}
    HRESULT ErrorCode() const { return code_; }

private:
    HRESULT code_;
};

// Raises EOleSysError for a failed result: the text of the thread's error
// information when there is one, else the system's text for the code.
void OleCheck(HRESULT result);

class TOleControl : public TComponent {
public:
    explicit TOleControl(TComponent* owner);
    ~TOleControl() override;

    // Creates the control; `state` holds its persisted bytes (empty: a new control
    // with its own defaults). `events` is the control's event interface.
    void CreateControl(const CLSID& clsid, const IID& events, const std::string& state);
    // Disconnects the events and releases the control.
    void DestroyControl();
    bool Created() const { return static_cast<bool>(control_); }

    // The control's interface `riid` (a reference for the caller); raises when the
    // control has none.
    template <typename I>
    win::ComPtr<I> Interface(REFIID riid) const
    {
        win::ComPtr<I> result;
        if (!control_)
            throw EInvalidOperation("The control has not been created.");
        OleCheck(control_->QueryInterface(riid, reinterpret_cast<void**>(result.Put())));
        return result;
    }

protected:
    // One event of the control, on the thread that hosts it.
    virtual void InvokeEvent(DISPID id, DISPPARAMS& params) = 0;

private:
    class Site;
    class Sink;

    win::ComPtr<IUnknown> control_;
    win::ComPtr<IConnectionPoint> events_;
    DWORD cookie_ = 0;
    Site* site_ = nullptr;  // each holds a reference of its own and a pointer back here
    Sink* sink_ = nullptr;
};

}  // namespace gui
