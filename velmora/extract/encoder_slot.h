// The control's `Encoder` property, and the encoder as the extraction worker reaches
// it. An encoder is a COM object of the host's choosing, and the worker calls it
// where COM lets it be called:
//  - an object that takes calls on any thread (it aggregates the free-threaded
//    marshaler): on the worker itself;
//  - an object of the control's own apartment (an apartment- or both-threaded class
//    made there, or a plain object of the host): on the control's thread, through its
//    window;
//  - an object the host holds through a proxy (a free-threaded class, or one living
//    in another thread of the host): through what the Global Interface Table hands
//    the worker, which is the object itself in the worker's multithreaded apartment,
//    else a proxy to the object's own thread.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>

#include "extract/call_site.h"
#include "velmora.h"
#include "win/com_ptr.h"

namespace velmora {

// The encoder of one task, with one reference that is taken and let go where calls go.
class TaskEncoder {
public:
    TaskEncoder() = default;
    TaskEncoder(IVelAudioEncoder* encoder, CallSite site) : encoder_(encoder), site_(site) {}
    TaskEncoder(TaskEncoder&& other) noexcept;
    TaskEncoder& operator=(TaskEncoder&& other) noexcept;
    TaskEncoder(const TaskEncoder&) = delete;
    TaskEncoder& operator=(const TaskEncoder&) = delete;
    ~TaskEncoder() { Drop(); }

    explicit operator bool() const { return encoder_ != nullptr; }
    // Runs `call` with the encoder where it may be called; false when it did not run.
    bool Call(const std::function<void(IVelAudioEncoder*)>& call) const;
    const CallSite& Site() const { return site_; }

private:
    void Drop();

    IVelAudioEncoder* encoder_ = nullptr;
    CallSite site_;
};

class EncoderSlot {
public:
    EncoderSlot() = default;
    ~EncoderSlot() { Set(nullptr); }
    EncoderSlot(const EncoderSlot&) = delete;
    EncoderSlot& operator=(const EncoderSlot&) = delete;

    // On the control's thread. Null clears it. Fails, keeping the old encoder, when a
    // proxy the host handed over cannot be handed on to other threads.
    HRESULT Set(IVelAudioEncoder* encoder);
    // As the host handed it over (on the control's thread).
    win::ComPtr<IVelAudioEncoder> Get() const;
    bool Empty() const;

    // On the worker: the encoder set now, reached for one task; empty when none is set.
    // `controlWindow` is the window whose thread is the control's.
    TaskEncoder Take(HWND controlWindow) const;

private:
    enum class Home { Anywhere, ControlThread, Elsewhere };

    mutable std::mutex lock_;
    win::ComPtr<IVelAudioEncoder> encoder_;
    Home home_ = Home::Anywhere;
    DWORD cookie_ = 0;  // in the Global Interface Table, for an encoder that lives elsewhere
};

}  // namespace velmora
