// Failures with a text cross the COM boundary as DISP_E_EXCEPTION with an error
// object whose description is the text.
#pragma once

#include <windows.h>

namespace velmora::com {

// Sets the thread's error object (source: the control's ProgID, GUID: `iid`) and
// returns DISP_E_EXCEPTION.
HRESULT ReportError(REFIID iid, const wchar_t* text);

}  // namespace velmora::com
