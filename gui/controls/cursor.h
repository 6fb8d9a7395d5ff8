// Mouse cursors by number: the negative numbers are the system's cursors, 0 the
// default (the arrow), and positive numbers whatever the program puts into
// Screen's cursor list.
#pragma once

#include <cstdint>

namespace gui {

using TCursor = int16_t;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;  // no cursor at all
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

}  // namespace gui
