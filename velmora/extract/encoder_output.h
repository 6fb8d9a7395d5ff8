// Feeding one track to the host's external encoder: open it on the target, declare
// the input format, tag, and listen for its error events.
#pragma once

#include <ocidl.h>

#include <string>

#include "extract/encoder_slot.h"
#include "velmora.h"
#include "win/com_ptr.h"

namespace velmora {

// The description of the calling thread's error object, or `fallback` when there is none.
std::wstring ErrorInfoText(const std::wstring& fallback);

// Creates the target's folders (a set `*cancelRequested` stops that), opens the
// encoder on the target and declares the CD audio format. Returns "" or the error text.
std::wstring OpenEncoder(IVelAudioEncoder* encoder, const std::wstring& target,
                         const volatile LONG* cancelRequested = nullptr);

// The text for a block the encoder refused: what it reported through its OnError
// event, else the failure with the target and the reason `Write` returned.
std::wstring WriteFailureText(const std::wstring& reported, const std::wstring& target, HRESULT reason);

// Writes the tags of `recordText` for the track at `trackIndex` when the encoder offers them.
void WriteEncoderTags(IVelAudioEncoder* encoder, const std::wstring& recordText, int trackIndex);

// Connects a sink to the encoder's error events until Disconnect (or destruction).
// The connection point is the encoder's: it is called where the encoder is.
class EncoderEventConnection {
public:
    ~EncoderEventConnection() { Disconnect(); }
    bool Connected() const { return static_cast<bool>(point_); }
    void Connect(const TaskEncoder& encoder, IDispatch* sink);
    void Disconnect();

private:
    win::ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
    CallSite site_;
};

}  // namespace velmora
