#pragma once

#include "core/coefficient_set.h"

#include <array>

// P(x) = sum_n n Vn U(n-1)(x), with dV/dpsi = 1/2 sin(psi) P(cos psi) and dV/dx = -P(x) / 2,
// as Taylor coefficients about x = 1, 0 or -1.

// P(centre + t) = sum_k coefficient[k] t^k, each coefficient within about one rounding of the
// exact sum (an exact zero stays zero), and coefficient[k] + correction[k] within about one
// rounding of magnitude[k] times epsilon; magnitude[k] is the same sum of absolute values, the
// scale against which a value counts as zero.
struct DerivativeExpansion {
    std::array<double, 6> coefficient{};
    std::array<double, 6> correction{};
    std::array<double, 6> magnitude{};
};

// V: scaled to unit size (every |Vn| < 2, see unit_scale.h); centre: -1, 0 or 1.
DerivativeExpansion ExpandDerivativeAbout(const CoefficientSet& V, int centre);
