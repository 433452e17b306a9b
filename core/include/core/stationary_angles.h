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
// as zero: about 1.4e-14 of the coefficients' scale. A pair of extrema, or a root next to
// phi = 0 or 180, that exists only within that margin is merged (see FindStationaryAngles).
inline constexpr double kRoundingUnitsTakenAsZero = 64.0;

// Every stationary point of V over 0 <= phi < 360, in increasing angle. phi = 0 and 180 are
// always there; every other point comes from a root x = cos(180 - phi) of
// P(x) = sum_n n Vn U(n-1)(x) in (-1, 1) and gives phi and 360 - phi, located to a few units of
// rounding of the angle. The kind follows from the sign of dV/dphi on either side, which is
// what the first non-zero derivative decides: a root of P of odd multiplicity is an extremum,
// of even multiplicity an inflection. A cluster of roots that cannot be told apart from one
// multiple root (values of P and its derivatives within kRoundingUnitsTakenAsZero units of
// rounding) counts as that one root, so a minimum and a maximum closer than rounding can
// separate become one inflection, and a root that close to x = +-1 makes phi = 180 or 0 a
// flat-bottomed extremum; where P changes sign across such a cluster and double-double
// arithmetic finds a single change of sign in it, the extremum is placed there, to the angle's
// resolution. Minima and maxima alternate around the circle, and every change of
// sign of dV/dpsi between two angles where it stands clear of rounding at both (|dV/dpsi| above
// 1e-12 sum_n n |Vn| is ample) has an extremum of the matching kind between them. For
// coefficients so small that PotentialDerivative's products are subnormal, compare with the set
// scaled by a power of two, whose result is the same.
// V: finite, not all zero; only the ratios between the coefficients matter.
std::vector<StationaryAngle> FindStationaryAngles(const CoefficientSet& V);
