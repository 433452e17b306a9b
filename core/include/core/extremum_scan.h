#pragma once

#include "core/coefficient_set.h"
#include "core/potential.h"

#include <cmath>

// One accepted grid point of the scan.
struct ExtremumRow {
    double angle;       // phi, degrees
    double derivative;  // PotentialDerivative(V, angle), kcal/mol per radian
    double potential;   // Potential(V, angle), kcal/mol
};

// The step (precision) a computation starts with, and the range the main window and
// zelmara-scan accept, both ends allowed.
inline constexpr double kDefaultPrecision = 0.005;
inline constexpr double kMinPrecision = 0.0001;
inline constexpr double kMaxPrecision = 180.0;

// The largest grid angle the scan may visit: a point meant for 180 is still visited when
// accumulated rounding puts it a little above 180.
inline constexpr double kScanUpperBound = 180.1;

// Calls sink(row) when the scan of step h accepts the grid point phi: |dV/dpsi| < h / 10.
// Infinite or NaN derivatives are never accepted.
template <class Sink>
void ScanGridPoint(const CoefficientSet& V, double h, double phi, Sink& sink)
{
    const double d = PotentialDerivative(V, phi);
    if (std::fabs(d) < h / 10.0) sink(ExtremumRow{phi, d, Potential(V, phi)});
}

// Walks phi = 0, h, h + h, ... (repeated addition) while phi <= 180.1 and calls sink(row) for
// every accepted point (ScanGridPoint), in increasing order of angle. The caller guarantees
// kMinPrecision <= h <= kMaxPrecision.
template <class Sink>
void ScanForExtrema(const CoefficientSet& V, double h, Sink&& sink)
{
    for (double phi = 0.0; phi <= kScanUpperBound; phi = phi + h) ScanGridPoint(V, h, phi, sink);
}
