#pragma once

#include "core/coefficient_set.h"

// The sign of P^(order)(centre + t), where P(x) = sum_n n Vn U(n-1)(x), decided exactly: the
// coefficients and t are taken as the exact binary numbers they are, with no rounding anywhere
// (integer arithmetic on their mantissas), so no underflow or cancellation can change it.
// V: finite; centre: -1, 0 or 1; order: 0 ... 5; t: finite. Returns -1, 0 or 1.
int ExactDerivativeSign(const CoefficientSet& V, int centre, int order, double t);
