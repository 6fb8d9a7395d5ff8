// What the drive and track objects need of the control that owns them. The
// control implements it; drives and tracks never see the control's class.
#pragma once

#include <windows.h>

namespace velmora {

struct ExtractionTask;

class RipperHost {
public:
    // An extraction is running (the disc-change check leaves the drive alone).
    virtual bool Extracting() const = 0;
    // Posts the disc-change message to the control's window; callable from any thread.
    virtual void PostDiscChanged() = 0;
    // Starts a one-task extraction, or appends the task to the queue. Refusals are
    // reported with `iid`.
    virtual HRESULT Extract(ExtractionTask task, bool queue, REFIID iid) = 0;

protected:
    ~RipperHost() = default;
};

}  // namespace velmora
