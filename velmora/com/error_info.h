// Failures with a text cross the COM boundary as an HRESULT (DISP_E_EXCEPTION
// unless the caller names another) with an error object whose description is the
// text, and whose source and GUID are those of the object and interface raising it.
#pragma once

#include <windows.h>

namespace velmora::com {

// The source named in an error raised through the interface `iid`: the
// control's ProgID for the control's own interface, "VELMORALib." and the
// class name for the objects below it.
const wchar_t* ErrorSource(REFIID iid);

// Sets the thread's error object (source: ErrorSource(iid), GUID: `iid`) and
// returns `result`.
HRESULT ReportError(REFIID iid, const wchar_t* text, HRESULT result = DISP_E_EXCEPTION);

}  // namespace velmora::com
