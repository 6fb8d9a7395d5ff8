// Rounding of fractions to whole pixels, percentages and channel values: to the
// nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4). It does
// not depend on the floating-point rounding mode in force.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace gui {

inline int32_t Round(double value)
{
    if (std::isnan(value))
        return 0;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (whole <= double(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(whole);
}

}  // namespace gui
