// Text and number helpers over single-byte strings. Case comparisons fold ASCII
// letters only.
#pragma once

#include <cstdint>
#include <string>

namespace gui {

// Remove the characters at or below the blank (spaces and control characters).
std::string Trim(const std::string& text);
std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);

// Below zero, zero or above zero as a sorts before, equals or sorts after b,
// letters compared without regard to case.
int CompareText(const std::string& first, const std::string& second);
bool SameText(const std::string& first, const std::string& second);

std::string IntToStr(int64_t value);
// Optional leading blanks, an optional sign and decimal digits, within the 32-bit
// range; anything else raises EConvertError.
int32_t StrToInt(const std::string& text);
int32_t StrToIntDef(const std::string& text, int32_t defaultValue);

// A number shown by a pattern of digit placeholders: "0" is a digit always shown,
// "#" one shown only when significant, and one "." separates the decimals ("0",
// "0.0", "#0.00"). The last shown decimal is rounded, halves to even.
std::string FormatFloat(const std::string& format, double value);

}  // namespace gui
