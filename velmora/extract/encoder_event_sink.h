// The control's listener for the external encoder's error events. It keeps the
// latest error text for the extraction worker. It is an object of its own (not part
// of the control's identity), so that an encoder holding it never keeps the control
// alive. It takes events on any thread (its text is guarded), and hands itself as it
// is to an encoder of any apartment of the process: the encoder fires into it on its
// own thread, with no proxy in between.
#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "com/com_object.h"
#include "win/com_ptr.h"

namespace velmora {

// The latest text an encoder reported; shared by the sink and the worker.
class EncoderErrorText {
public:
    void Set(std::wstring text)
    {
        std::lock_guard<std::mutex> guard(lock_);
        text_ = std::move(text);
    }
    std::wstring Get() const
    {
        std::lock_guard<std::mutex> guard(lock_);
        return text_;
    }

private:
    mutable std::mutex lock_;
    std::wstring text_;
};

class EncoderEventSink final : public com::ComObject<EncoderEventSink, IDispatch> {
public:
    explicit EncoderEventSink(std::shared_ptr<EncoderErrorText> text);

    void* QueryExtraInterface(REFIID riid);
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO*, UINT* argError) override;

private:
    std::shared_ptr<EncoderErrorText> text_;
    win::ComPtr<IUnknown> marshaler_;  // the free-threaded marshaler, aggregated
};

}  // namespace velmora
