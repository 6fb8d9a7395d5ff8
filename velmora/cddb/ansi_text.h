// Conversions between the text of CDDB servers' answers and the wide strings the
// control hands out: the system ANSI code page, in which answers are taken, and
// UTF-8, which many servers send whatever protocol level was asked for.
#pragma once

#include <string>

#include "win/ansi_text.h"

namespace velmora {

using win::AnsiToWide;
using win::WideToAnsi;

// Text of a server's answer: read as UTF-8 when it is well-formed UTF-8 with at
// least one character beyond ASCII (text in a one-byte code page with letters
// beyond ASCII almost never is), else in the system ANSI code page.
std::wstring AnswerTextToWide(const std::string& text);

}  // namespace velmora
