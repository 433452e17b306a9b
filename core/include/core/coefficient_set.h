#pragma once

#include <array>

// The six torsion coefficients V1 ... V6 in kcal/mol, addressed by n = 1 ... 6.
// Index 0 exists only so that V[n] reads like the formula; it is never used.
using CoefficientSet = std::array<double, 7>;
