// Names that Windows takes for devices wherever they appear in a path: CON, PRN,
// AUX, NUL, COM1-COM9, LPT1-LPT9 (the digits ¹, ² and ³ too), CONIN$ and CONOUT$, in
// any letter case, alone or followed by blanks or an extension. A file of such a
// name cannot be made: opening it opens the device.
#pragma once

#include <string>

namespace velmora {

// True when the path part `part` (no separators) names a device.
bool IsDeviceName(const std::wstring& part);

// The part with "_" after its device name ("CON" -> "CON_", "aux.txt" ->
// "aux_.txt"), or the part unchanged when it names no device.
std::wstring MendDeviceName(const std::wstring& part);

}  // namespace velmora
