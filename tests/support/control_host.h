// Creating the registered control the way a host does, and reading its objects.
#pragma once

#include <string>

#include "velmora.h"
#include "win/com_ptr.h"

namespace testsupport {

// Creates the control by its version-independent ProgID.
HRESULT CreateControl(win::ComPtr<IVelCDRipper>& control);

// Drive `index` (1-based) of the control, and track `index` of a drive.
win::ComPtr<IDrive> DriveOf(IVelCDRipper* control, long index = 1);
win::ComPtr<ITrack> TrackOf(IDrive* drive, long index);
long TrackCount(IDrive* drive);
std::string DriveName(IDrive* drive);

// DllCanUnloadNow of the loaded control module.
HRESULT ControlCanUnloadNow();

}  // namespace testsupport
