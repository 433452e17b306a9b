#pragma once

#include "core/coefficient_set.h"

// The Boltzmann weight of the basin of one minimum of V at one temperature: the integral of
// exp(-(V(phi) - V(minimum)) / RT) over phi from minimum - below to minimum + above, in degrees.
// Computed by adaptive Gauss-Kronrod quadrature on each side of the minimum, on intervals that
// double in length from the width where V - V(minimum) reaches RT, so that a peak however narrow
// (huge coefficients at 1 K) is integrated as surely as a broad one; the difference
// V(phi) - V(minimum) is a polynomial in cos(phi) - cos(minimum) whose coefficients are summed
// in double-double arithmetic, so that a flat-bottomed minimum, where the lower terms of V
// cancel, keeps the true excess. Relative error about 1e-13, except at a flat-bottomed minimum
// inside the turn (not at 0 or 180) once V/RT passes about 1e30: the excess's coefficients,
// shifted to the minimum in double-double arithmetic, are known to about 1e-32 of the
// coefficients' size, which over the peak's width of a minimum flat to the sixth order then
// reaches 1e-12 of RT (over a quartic one from about 1e40 on).
class BasinWeight {
public:
    // V finite and not all zero; RT > 0 in the units of V (kcal/mol).
    BasinWeight(const CoefficientSet& V, double RT);

    // minimum: a minimum of V (degrees); below, above >= 0: the basin's extent on either side,
    // in degrees, with no other minimum or maximum inside it.
    double operator()(double minimum, double below, double above) const;

private:
    CoefficientSet unitV_;
    double unitRT_;
};
