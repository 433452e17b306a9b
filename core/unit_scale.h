#pragma once

#include "core/coefficient_set.h"

#include <algorithm>
#include <cmath>

// A coefficient set divided by a power of two so that its largest magnitude lies in [1, 2):
// exact (short of underflow in coefficients some 1e308 times smaller than the largest), it
// keeps the analysis clear of overflow and underflow whatever the coefficients' size.
struct UnitScaledCoefficients {
    CoefficientSet V{};
    int exponent = 0;   // original Vn = ldexp(V[n], exponent)
};

// V: finite, not all zero.
inline UnitScaledCoefficients ScaleToUnit(const CoefficientSet& V)
{
    double largest = 0.0;
    for (int n = 1; n <= 6; ++n) largest = std::max(largest, std::fabs(V[n]));
    UnitScaledCoefficients scaled;
    scaled.exponent = std::ilogb(largest);
    for (int n = 1; n <= 6; ++n) scaled.V[n] = std::ldexp(V[n], -scaled.exponent);
    return scaled;
}
