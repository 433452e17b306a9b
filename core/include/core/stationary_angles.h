#pragma once

#include "core/coefficient_set.h"

#include <vector>

// What a stationary point of V is, read from the first derivative of order 2 or more that is not
// zero: of even order, positive -> Minimum, negative -> Maximum; of odd order -> Inflection.
enum class StationaryKind { Minimum, Maximum, Inflection };

struct StationaryAngle {
    double angle;   // phi, degrees, 0 <= angle < 360
    StationaryKind kind;
    // The angle in [0, 180] where V and all its derivatives of even order are the same by the
    // symmetry V(phi) = V(360 - phi): angle itself up to 180, and above 180 exactly the angle
    // its mirror image carries, so that both of a pair evaluate alike.
    double mirrorAngle;
};

// Values closer to zero than this many units of rounding of the terms that make them are taken
// as zero: about 1.4e-14 of the coefficients' scale. Where P comes that close to zero without
// changing sign, there is a level tangent (see FindStationaryAngles).
inline constexpr double kRoundingUnitsTakenAsZero = 64.0;

// Every stationary point of V over 0 <= phi < 360, in increasing angle. phi = 0 and 180 are
// always there; every other point comes from a root x = cos(180 - phi) of
// P(x) = sum_n n Vn U(n-1)(x) in (-1, 1) and gives phi and 360 - phi. Each change of sign of P
// is decided in exact arithmetic, however small P is around it, and is an extremum placed to
// the angle's resolution: between the two neighbouring doubles of 180 - phi where P, evaluated
// exactly at their cosines, has opposite signs. Only changes of sign that rounding cannot
// separate are merged: those closer to phi = 0 or 180 than the spacing of doubles at 180
// belong to that end (whose kind follows the sign beyond them), and those that give the same
// angle on either side of 180 are one point, an extremum or an inflection by the signs on
// either side. Where P comes within kRoundingUnitsTakenAsZero units of rounding of zero at one
// of its own extrema without changing sign there, the point is an inflection (a level tangent,
// such as a double root of P), or part of phi = 0 or 180 when P is that small at the end too.
// So minima and maxima alternate around the circle, every change of sign of dV/dpsi has its
// extremum of the matching kind, and the extrema of a symmetric potential meet their images to
// the angle's resolution. For coefficients so small that PotentialDerivative's products are
// subnormal, compare with the set scaled by a power of two, whose result is the same.
// V: finite, not all zero; only the ratios between the coefficients matter.
std::vector<StationaryAngle> FindStationaryAngles(const CoefficientSet& V);
