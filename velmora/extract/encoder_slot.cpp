#include "extract/encoder_slot.h"

#include <objidl.h>

#include <utility>

namespace velmora {
namespace {

// {0000033A-0000-0000-C000-000000000046}: the class that unmarshals what the
// free-threaded marshaler marshals.
constexpr CLSID kFreeThreadedMarshaler = {0x0000033a, 0x0000, 0x0000,
                                          {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

win::ComPtr<IGlobalInterfaceTable> GlobalTable()
{
    win::ComPtr<IGlobalInterfaceTable> table;
    ::CoCreateInstance(CLSID_StdGlobalInterfaceTable, nullptr, CLSCTX_INPROC_SERVER,
                       IID_IGlobalInterfaceTable, reinterpret_cast<void**>(table.Put()));
    return table;
}

// A proxy answers for the security of the calls it makes; an object does not.
bool IsProxy(IUnknown* object)
{
    win::ComPtr<IClientSecurity> security;
    return SUCCEEDED(object->QueryInterface(IID_IClientSecurity, reinterpret_cast<void**>(security.Put())));
}

// An object that hands itself unchanged to every apartment of the process.
bool TakesCallsOnAnyThread(IUnknown* object)
{
    win::ComPtr<IMarshal> marshal;
    if (FAILED(object->QueryInterface(IID_IMarshal, reinterpret_cast<void**>(marshal.Put()))))
        return false;
    CLSID unmarshaler;
    return SUCCEEDED(marshal->GetUnmarshalClass(IID_IVelAudioEncoder, object, MSHCTX_INPROC, nullptr,
                                                MSHLFLAGS_NORMAL, &unmarshaler)) &&
           unmarshaler == kFreeThreadedMarshaler;
}

}  // namespace

TaskEncoder::TaskEncoder(TaskEncoder&& other) noexcept
    : encoder_(std::exchange(other.encoder_, nullptr)), site_(other.site_)
{
}

TaskEncoder& TaskEncoder::operator=(TaskEncoder&& other) noexcept
{
    if (this != &other) {
        Drop();
        encoder_ = std::exchange(other.encoder_, nullptr);
        site_ = other.site_;
    }
    return *this;
}

bool TaskEncoder::Call(const std::function<void(IVelAudioEncoder*)>& call) const
{
    return encoder_ && site_.Run([&] { call(encoder_); });
}

void TaskEncoder::Drop()
{
    IVelAudioEncoder* encoder = std::exchange(encoder_, nullptr);
    // Where the thread that owns the object is gone, so is its apartment: the
    // reference is left rather than released on a thread the object does not know.
    if (encoder)
        site_.Run([encoder] { encoder->Release(); });
}

HRESULT EncoderSlot::Set(IVelAudioEncoder* encoder)
{
    Home home = Home::Anywhere;
    DWORD cookie = 0;
    if (encoder) {
        if (TakesCallsOnAnyThread(encoder)) {
            home = Home::Anywhere;
        } else if (!IsProxy(encoder)) {
            home = Home::ControlThread;
        } else {
            home = Home::Elsewhere;
            const win::ComPtr<IGlobalInterfaceTable> table = GlobalTable();
            const HRESULT hr =
                table ? table->RegisterInterfaceInGlobal(encoder, IID_IVelAudioEncoder, &cookie) : E_NOINTERFACE;
            if (FAILED(hr))
                return hr;
        }
    }
    win::ComPtr<IVelAudioEncoder> old;
    DWORD oldCookie = 0;
    {
        std::lock_guard<std::mutex> guard(lock_);
        old = std::exchange(encoder_, win::ComPtr<IVelAudioEncoder>(encoder));
        oldCookie = std::exchange(cookie_, cookie);
        home_ = home;
    }
    // The old one goes outside the lock: its release may call into another apartment.
    if (oldCookie)
        if (const win::ComPtr<IGlobalInterfaceTable> table = GlobalTable())
            table->RevokeInterfaceFromGlobal(oldCookie);
    return S_OK;
}

win::ComPtr<IVelAudioEncoder> EncoderSlot::Get() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return encoder_;
}

bool EncoderSlot::Empty() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return !encoder_;
}

TaskEncoder EncoderSlot::Take(HWND controlWindow) const
{
    // The host may set another encoder meanwhile: the state is read again then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        Home home;
        DWORD cookie;
        win::ComPtr<IVelAudioEncoder> anywhere;
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (!encoder_)
                return TaskEncoder();
            home = home_;
            cookie = cookie_;
            if (home == Home::Anywhere)
                anywhere = encoder_;
        }
        switch (home) {
        case Home::Anywhere:
            return TaskEncoder(anywhere.Detach(), CallSite());
        case Home::ControlThread: {
            // The reference is taken on the control's thread, from what is set there now.
            IVelAudioEncoder* taken = nullptr;
            const CallSite site(controlWindow);
            const bool reached = site.Run([&] {
                std::lock_guard<std::mutex> guard(lock_);
                if (encoder_ && home_ == Home::ControlThread) {
                    taken = encoder_.Get();
                    taken->AddRef();
                }
            });
            if (!reached)
                return TaskEncoder();
            if (taken)
                return TaskEncoder(taken, site);
            break;
        }
        case Home::Elsewhere: {
            win::ComPtr<IVelAudioEncoder> reached;
            const win::ComPtr<IGlobalInterfaceTable> table = GlobalTable();
            if (table && SUCCEEDED(table->GetInterfaceFromGlobal(cookie, IID_IVelAudioEncoder,
                                                                 reinterpret_cast<void**>(reached.Put()))))
                return TaskEncoder(reached.Detach(), CallSite());
            break;
        }
        }
    }
    return TaskEncoder();
}

}  // namespace velmora
