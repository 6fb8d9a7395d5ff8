#include "gui/ole/ole_control.h"

#include <objbase.h>

#include <cstdio>

#include "win/ansi_text.h"
#include "win/system_message.h"

namespace gui {
namespace {

// A COM object with a reference count of its own and a pointer back to its host,
// which the host clears when it goes away first.
template <typename Interface>
class HostedObject : public Interface {
public:
    explicit HostedObject(TOleControl* host) : host_(host) {}
    virtual ~HostedObject() = default;
    void Detach() { host_ = nullptr; }

    STDMETHODIMP_(ULONG) AddRef() override { return ::InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG refs = ::InterlockedDecrement(&refs_);
        if (refs == 0)
            delete this;
        return refs;
    }

protected:
    HRESULT Answer(bool matches, void** object)
    {
        if (!matches) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }

    TOleControl* host_;

private:
    LONG refs_ = 1;
};

}  // namespace

void OleCheck(HRESULT result)
{
    if (SUCCEEDED(result))
        return;
    std::string message;
    win::ComPtr<IErrorInfo> info;
    if (::GetErrorInfo(0, info.Put()) == S_OK && info) {
        win::UniqueBstr description;
        if (SUCCEEDED(info->GetDescription(description.Put())) && description.Get())
            message = win::WideToAnsi(std::wstring_view(description.Get(), description.Length()));
    }
    if (message.empty()) {
        message = win::SystemMessageAnsi(static_cast<DWORD>(result));
        while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
            message.pop_back();
        if (message.empty()) {
            char code[32];
            std::snprintf(code, sizeof code, "OLE error %08lX", static_cast<unsigned long>(result));
            message = code;
        }
    }
    throw EOleSysError(message, result);
}

// The control's place on the form. The control is invisible at run time: it needs a
// site to belong to, not a window to show in.
class TOleControl::Site final : public HostedObject<IOleClientSite> {
public:
    using HostedObject::HostedObject;
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        return Answer(riid == IID_IUnknown || riid == IID_IOleClientSite, object);
    }
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override
    {
        *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) override
    {
        *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
};

// Receives the control's events and hands them to the host.
class TOleControl::Sink final : public HostedObject<IDispatch> {
public:
    Sink(TOleControl* host, const IID& events) : HostedObject(host), events_(events) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        return Answer(riid == IID_IUnknown || riid == IID_IDispatch || riid == events_, object);
    }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO*, UINT*) override
    {
        if (result)
            ::VariantInit(result);
        DISPPARAMS none{};
        if (host_)
            host_->InvokeEvent(id, params ? *params : none);
        return S_OK;
    }

private:
    IID events_;
};

TOleControl::TOleControl(TComponent* owner) : TComponent(owner) {}

TOleControl::~TOleControl()
{
    DestroyControl();
}

void TOleControl::CreateControl(const CLSID& clsid, const IID& events, const std::string& state)
{
    DestroyControl();
    ::SetErrorInfo(0, nullptr);
    win::ComPtr<IUnknown> control;
    OleCheck(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(control.Put())));

    site_ = new Site(this);
    win::ComPtr<IOleObject> ole;
    if (SUCCEEDED(control.As(ole)))
        ole->SetClientSite(site_);

    win::ComPtr<IPersistStreamInit> persist;
    if (SUCCEEDED(control.As(persist))) {
        if (state.empty()) {
            persist->InitNew();
        } else {
            win::ComPtr<IStream> stream;
            OleCheck(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()));
            OleCheck(stream->Write(state.data(), static_cast<ULONG>(state.size()), nullptr));
            const LARGE_INTEGER start{};
            stream->Seek(start, STREAM_SEEK_SET, nullptr);
            OleCheck(persist->Load(stream.Get()));
        }
    }
    control_ = control;

    sink_ = new Sink(this, events);
    win::ComPtr<IConnectionPointContainer> container;
    if (SUCCEEDED(control.As(container)) &&
        SUCCEEDED(container->FindConnectionPoint(events, events_.Put())) &&
        FAILED(events_->Advise(sink_, &cookie_)))
        events_.Reset();
}

void TOleControl::DestroyControl()
{
    if (events_) {
        events_->Unadvise(cookie_);
        events_.Reset();
    }
    if (control_) {
        win::ComPtr<IOleObject> ole;
        if (SUCCEEDED(control_.As(ole))) {
            ole->Close(OLECLOSE_NOSAVE);
            ole->SetClientSite(nullptr);
        }
        control_.Reset();
    }
    if (sink_) {
        sink_->Detach();
        sink_->Release();
        sink_ = nullptr;
    }
    if (site_) {
        site_->Detach();
        site_->Release();
        site_ = nullptr;
    }
}

}  // namespace gui
