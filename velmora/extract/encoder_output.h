// Feeding one track to the host's external encoder: open it on the target, declare
// the input format, tag, and listen for its error events.
#pragma once

#include <ocidl.h>

#include <string>

#include "velmora.h"
#include "win/com_ptr.h"

namespace velmora {

// The description of the calling thread's error object, or `fallback` when there is none.
std::wstring ErrorInfoText(const wchar_t* fallback);

// Creates the target's folders (a set `*cancel` stops that), opens the encoder on
// the target and declares the CD audio format. Returns "" or the error text.
std::wstring OpenEncoder(IVelAudioEncoder* encoder, const std::wstring& target,
                         const volatile LONG* cancel = nullptr);

// Writes the tags of `recordText` for the track at `trackIndex` when the encoder offers them.
void WriteEncoderTags(IVelAudioEncoder* encoder, const std::wstring& recordText, int trackIndex);

// Connects a sink to the encoder's error events until Disconnect (or destruction).
class EncoderEventConnection {
public:
    ~EncoderEventConnection() { Disconnect(); }
    bool Connected() const { return static_cast<bool>(point_); }
    void Connect(IVelAudioEncoder* encoder, IDispatch* sink);
    void Disconnect();

private:
    win::ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

}  // namespace velmora
