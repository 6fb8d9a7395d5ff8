// Conversions between the system ANSI code page, in which CDDB servers' answers are
// taken, and the wide strings the control hands out.
#pragma once

#include <string>

namespace velmora {

std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& text);

}  // namespace velmora
