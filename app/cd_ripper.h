// The CD extraction control hosted on the main window: created by its class id
// from the persisted bytes the form carries, its events handed to the handlers
// below on the window's thread, and small helpers that turn every failed call
// into an exception with the control's text.
#pragma once

#include <functional>
#include <string>

#include "gui/controls/events.h"
#include "gui/ole/ole_control.h"
#include "velmora.h"
#include "win/com_ptr.h"

namespace brenvale {

class TVelCDRipper : public gui::TOleControl {
public:
    explicit TVelCDRipper(gui::TComponent* owner) : TOleControl(owner) {}

    // Creates the control from its persisted state (version, jitter correction,
    // overwrite prompt).
    void Create(const std::string& state);
    // The control's interface; raises when it was not created.
    win::ComPtr<IVelCDRipper> Ripper() const { return Interface<IVelCDRipper>(IID_IVelCDRipper); }

    std::function<void(gui::TComponent* sender, long percentDone)> OnProgress;
    gui::TNotifyEvent OnExtractionStart;
    gui::TNotifyEvent OnExtractionEnd;
    std::function<void(gui::TComponent* sender, const std::string& errorMessage)> OnExtractionError;
    gui::TNotifyEvent OnDiskChanged;

protected:
    void InvokeEvent(DISPID id, DISPPARAMS& params) override;

private:
    void DispatchEvent(DISPID id, DISPPARAMS& params);
};

// Runs one call of the control and raises EOleSysError with the control's text
// when it fails; the thread's error information is cleared first, so that no
// text of an earlier call is taken for this one's.
template <typename Call>
void Checked(Call call)
{
    ::SetErrorInfo(0, nullptr);
    gui::OleCheck(call());
}

// The calls of the window, each raising EOleSysError with the control's text.
win::ComPtr<IDrive> DriveOf(IVelCDRipper* ripper, long number);
win::ComPtr<ITracksCollection> TracksOf(IDrive* drive);
win::ComPtr<ITrack> TrackOf(IDrive* drive, long number);
long TrackCount(IDrive* drive);
long CDDBRecordCount(IDrive* drive);
bool HasAudioCD(IDrive* drive);

// Text across the control's interfaces (the program's code page on this side).
std::string FromBstr(BSTR text);

}  // namespace brenvale
