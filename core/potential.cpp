#include "potential.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

// The angle of term n in radians, in the fixed evaluation order of the formula.
inline double TermAngle(int n, double supplement)
{
    return ((n * supplement) * kPi) / 180.0;
}

}  // namespace

// A term whose weight is exactly zero adds +0 or -0 to a sum that starts at +0 and can never
// become -0, so skipping it leaves every result bit-identical while an all-zero or sparse
// coefficient set needs no sine or cosine for its zero terms.

double Potential(const CoefficientSet& V, double phi)
{
    const double s = 180.0 - phi;
    double sum = 0.0;
    for (int n = 1; n <= 6; ++n) {
        const double half = 0.5 * V[n];
        if (half == 0.0) continue;
        sum = sum + (1.0 - std::cos(TermAngle(n, s))) * half;
    }
    return sum;
}

double PotentialDerivative(const CoefficientSet& V, double phi)
{
    const double s = 180.0 - phi;
    double sum = 0.0;
    for (int n = 1; n <= 6; ++n) {
        const double w = n * V[n];
        if (w == 0.0) continue;
        sum = sum + std::sin(TermAngle(n, s)) * w;
    }
    return 0.5 * sum;
}
