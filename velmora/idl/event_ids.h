// The event identifiers of the control's event interface, as its type library
// declares them: the control fires them and its hosts tell its events apart by them.
#pragma once

#include <windows.h>
#include <oaidl.h>  // DISPID

namespace velmora {

enum : DISPID {
    DISPID_ONPROGRESS = 1,
    DISPID_ONEXTRACTIONSTART = 2,
    DISPID_ONEXTRACTIONEND = 3,
    DISPID_ONEXTRACTIONERROR = 4,
    DISPID_ONJITTERDETECTED = 5,
    DISPID_ONDISKCHANGED = 6,
};

}  // namespace velmora
