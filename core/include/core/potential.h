#pragma once

#include "core/coefficient_set.h"

inline constexpr double kPi = 3.141592653589793;

// The angle of term n in radians for the supplement 180 - phi (degrees), in the fixed order
// ((n * supplement) * pi) / 180 that every evaluation of a term shares, so that they all round
// alike.
inline double TermAngle(int n, double supplement)
{
    return ((n * supplement) * kPi) / 180.0;
}

// The torsion potential V(phi) = 1/2 * sum_n Vn (1 - cos n(180 - phi)), phi in degrees.
// Each term is evaluated as ((n * (180 - phi)) * pi) / 180, then (1 - cos x) * (Vn / 2),
// summed for n = 1 ... 6 in that order, in plain IEEE double arithmetic.
double Potential(const CoefficientSet& V, double phi);

// dV/dpsi at psi = 180 - phi, per radian: 0.5 * sum_n sin(((n * (180 - phi)) * pi) / 180) * (n * Vn),
// summed for n = 1 ... 6 in that order. Not converted to degrees and not negated for phi.
double PotentialDerivative(const CoefficientSet& V, double phi);
